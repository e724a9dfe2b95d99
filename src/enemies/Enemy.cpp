#include "enemies/Enemy.h"

#include "gfx/Graphics.h"
#include "particles/ParticleSystem.h"
#include "player/BoundingBox.h"
#include "player/Player.h"
#include "weapons/ProjectileSystem.h"
#include "world/ActorContext.h"
#include "world/World.h"

Enemy::Enemy(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag)
    : graphics(graphics),
      position(position),
      previousPosition(position),
      kind(kind),
      spawnFlag(flag) {}

Enemy::~Enemy() = default;

Player& Enemy::player() const {
    return *world->getPlayer();
}

void Enemy::moveAgainstTiles(float width, float height) {
    box.set(position, velocity, width, height);
    world->pushBoxOutOfTiles(box);
    position = box.position;
    velocity = box.velocity;
}

void Enemy::drawFrame(float alpha, bool mirrored, int frame) const {
    graphics->setColor();
    const Vector3 at = vectorBlend(previousPosition, position, alpha);
    graphics->drawSprite(at.x, at.y, 0, 1.0f, mirrored, frame);
}

void Enemy::playSound(const char* name, int volume) const {
    actors->playSound(name, volume);
}

void Enemy::spawnBurst(std::int32_t preset) const {
    actors->particles->spawnBurst(position, preset);
}

void Enemy::fireShot(Vector3 shotVelocity, std::int32_t variant) const {
    player().getProjectiles()->spawnEnemyShot(position, shotVelocity, variant);
}
