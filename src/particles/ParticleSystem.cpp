#include "particles/ParticleSystem.h"

#include <cmath>

#include "gfx/Graphics.h"

ParticleSystem::ParticleSystem(Graphics* graphics) : graphics_(graphics) {
    texture_ = graphics_->loadTexture("data\\particles.tga");
    for (Particle& p : particles_) {
        p = Particle{};
        p.active = false;
    }
}

ParticleSystem::~ParticleSystem() {}

void ParticleSystem::clear() {
    for (Particle& p : particles_) p.active = false;
}

Particle* ParticleSystem::takeFreeSlot(Vector3 position) {
    for (Particle& p : particles_) {
        if (p.active) continue;
        p.active = true;
        p.position = position;
        p.previousPosition = position;
        p.angle = 0.0f;
        p.previousAngle = 0.0f;
        p.scale = 1.0f;
        return &p;
    }
    return nullptr;
}

void ParticleSystem::spawnBurst(Vector3 position, std::int32_t preset) {
    Particle* p = takeFreeSlot(position);
    if (!p) return;
    const bool explosion = preset == kBurstExplosion;
    p->type = explosion ? kParticleExplosion : kParticleSmallBurst;
    p->life = explosion ? 19 : 10;
    p->frame = explosion ? 10 : 8;
    p->velocity = makeVector3(0, 0, 0);
    p->spin = 0.0f;
}

void ParticleSystem::emit(Vector3 position, Vector3 velocity, float spin, std::int32_t frame,
                          std::int32_t type, std::int32_t life) {
    Particle* p = takeFreeSlot(position);
    if (!p) return;
    p->life = life;
    p->type = type;
    p->frame = frame;
    p->velocity = velocity;
    p->spin = spin;
}

void ParticleSystem::update() {
    for (Particle& p : particles_) {
        if (!p.active) continue;
        p.previousPosition = p.position;
        p.previousAngle = p.angle;
        if (p.type == kParticleBubble) {
            // The sway reads the life left before this step's decrement.
            p.velocity.x = std::cos(static_cast<float>(p.life) / 10.0f) * 0.7f;
        } else if (p.type == kParticleDebris) {
            p.velocity.y -= 0.05f;
        }
        p.position = vectorAdd(p.position, p.velocity);
        p.angle += p.spin;
        p.life -= 1;
        if (p.life <= 0) p.active = false;
        if (p.type == kParticleSmallBurst && p.life == 5) p.frame = 9;
        if (p.type == kParticleExplosion) p.frame = 13 - p.life / 5;
    }
}

void ParticleSystem::draw(float alpha) {
    graphics_->setColor();
    graphics_->bindTexture(texture_.get());
    for (const Particle& p : particles_) {
        if (!p.active) continue;
        const Vector3 at = vectorBlend(p.previousPosition, p.position, alpha);
        const float angle = p.previousAngle * (1.0f - alpha) + p.angle * alpha;
        graphics_->drawSprite(at.x, at.y, angle, p.scale, false, p.frame);
    }
}

int ParticleSystem::activeCount() const {
    int count = 0;
    for (const Particle& p : particles_) count += p.active ? 1 : 0;
    return count;
}
