#include "weapons/ProjectileSystem.h"

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "gfx/Graphics.h"
#include "particles/ParticleSystem.h"
#include "player/BoundingBox.h"
#include "player/Player.h"
#include "world/ActorContext.h"
#include "world/World.h"

namespace {

constexpr int kPlayerShotLife = 80;
constexpr int kSwoopShotLife = 20;
constexpr int kHelmetShotLife = 140;
constexpr float kShotSize = 2.0f;  // every shot's box is 2 x 2 around its centre

// The ricochet spark: frame 1 of the particle sheet, flying straight back and
// up for 100 steps.
constexpr int kSparkFrame = 1;
constexpr int kSparkLife = 100;
constexpr float kSparkBounce = -0.75f;  // times the shot's horizontal speed
constexpr float kSparkRise = 3.0f;

}  // namespace

ProjectileSystem::ProjectileSystem(Graphics* graphics, const ActorContext* actors)
    : graphics(graphics), actors(actors) {
    weaponsTexture = graphics->loadTexture("data\\weapons.tga");
    // Fresh slots are free with no flash pending; the remaining fields keep
    // their defaults, so a draw before the first update shows nothing.
    for (Projectile& shot : pool) {
        shot.active = false;
        shot.impactTimer = 0;
    }
}

ProjectileSystem::~ProjectileSystem() {}

void ProjectileSystem::setWorld(World* newWorld) {
    world = newWorld;
}

Projectile* ProjectileSystem::takeFreeSlot() {
    // A slot still showing its impact flash counts as free.
    for (Projectile& shot : pool) {
        if (!shot.active) return &shot;
    }
    return nullptr;
}

void ProjectileSystem::spawnPlayerShot(Vector3 position, Vector3 velocity, std::int32_t kind) {
    Projectile* shot = takeFreeSlot();
    if (!shot) return;
    shot->kind = kind;
    shot->active = true;
    shot->impactTimer = 0;
    shot->position = position;
    shot->previousPosition = position;
    shot->velocity = velocity;
    shot->life = kPlayerShotLife;
    shot->fromPlayer = true;
    shot->showsImpact = kind == kVantaShot;
}

void ProjectileSystem::spawnEnemyShot(Vector3 position, Vector3 velocity, std::int32_t variant) {
    Projectile* shot = takeFreeSlot();
    if (!shot) return;
    shot->kind = kSwoopShot + variant;
    shot->active = true;
    shot->impactTimer = 0;
    shot->position = position;
    shot->previousPosition = position;
    shot->velocity = velocity;
    // Only variants 0 and 1 exist; any other gets the long life.
    shot->life = variant == 0 ? kSwoopShotLife : kHelmetShotLife;
    shot->fromPlayer = false;
    shot->showsImpact = false;
}

void ProjectileSystem::end(Projectile& shot) {
    shot.active = false;
    shot.impactTimer = kImpactSteps;
}

void ProjectileSystem::update() {
    for (Projectile& shot : pool) {
        if (shot.active) {
            shot.previousPosition = shot.position;
            shot.position = vectorAdd(shot.position, shot.velocity);
            // A shot that runs out of life still meets what it flew into in
            // this step, as does one that ends on an enemy: a single step can
            // hurt an enemy and open a door.
            if (--shot.life < 1) end(shot);
            if (world) {
                if (shot.fromPlayer) {
                    collidePlayerShot(shot);
                } else {
                    collideEnemyShot(shot);
                }
            }
        }
        if (shot.impactTimer >= 0) --shot.impactTimer;
    }
}

void ProjectileSystem::collidePlayerShot(Projectile& shot) {
    BoundingBox box;
    box.set(shot.position, shot.velocity, kShotSize, kShotSize);
    if (Enemy* enemy = world->getEnemies()->hitTest(&box)) {
        end(shot);
        if (shot.kind == kGearboyShot && enemy->deflectsShots) {
            const Vector3 sparkVelocity =
                makeVector3(kSparkBounce * shot.velocity.x, kSparkRise, 0);
            actors->particles->emit(shot.position, sparkVelocity, 0, kSparkFrame, kParticleStraight,
                                    kSparkLife);
            actors->playSound("gearboy_ricochet", 20);
        } else {
            enemy->hurt(kShotDamage);
        }
    }
    // Enemy shots pass through tiles; player shots stop at them and deliver
    // the weapon hit (doors, blocks, the flush target).
    if (world->boxHitsTiles(box, kWeaponHit)) end(shot);
}

void ProjectileSystem::collideEnemyShot(Projectile& shot) {
    Player* player = world->getPlayer();
    if (!player) return;
    BoundingBox box;
    box.set(shot.position, shot.velocity, kShotSize, kShotSize);
    if (box.overlaps(player->bodyBox)) {
        end(shot);
        player->hurt(kShotDamage, shot.position);
    }
}

void ProjectileSystem::draw(float alpha) {
    graphics->bindTexture(weaponsTexture.get());
    graphics->setColor();
    for (const Projectile& shot : pool) {
        const Vector3 p = vectorBlend(shot.previousPosition, shot.position, alpha);
        if (shot.active) graphics->drawSprite(p.x, p.y, 0, 1, false, shot.kind);
        if (shot.impactTimer >= 0 && shot.showsImpact) {
            graphics->drawSprite(p.x, p.y, 0, 1, false, shot.kind + 1);
        }
    }
}

void ProjectileSystem::clear() {
    for (Projectile& shot : pool) {
        shot.active = false;
        shot.impactTimer = 0;
    }
}

int ProjectileSystem::activeCount() const {
    int count = 0;
    for (const Projectile& shot : pool) {
        if (shot.active) ++count;
    }
    return count;
}
