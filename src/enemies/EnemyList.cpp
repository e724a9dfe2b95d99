#include "enemies/EnemyList.h"

#include "enemies/BossDragon.h"
#include "enemies/Enemy.h"
#include "enemies/HelmetEnemy.h"
#include "enemies/RakaEnemy.h"
#include "enemies/SwoopEnemy.h"
#include "gfx/Graphics.h"
#include "gfx/Texture.h"
#include "world/ActorContext.h"

namespace {

// Sprite sheet of each kind code.
const char* const kKindSheets[] = {
    "data\\enemy_swoop.tga",
    "data\\enemy_helmet.tga",
    "data\\enemy_raka.tga",
    "data\\enemy_bossdragon.tga",
};
constexpr int kKindCount = sizeof kKindSheets / sizeof kKindSheets[0];

}  // namespace

EnemyList::EnemyList(Graphics* graphics, const ActorContext* actors)
    : graphics(graphics), actors(actors) {}

EnemyList::~EnemyList() {
    clear();
}

void EnemyList::setWorld(World* newWorld) {
    world = newWorld;
}

Enemy* EnemyList::spawn(Vector3 position, std::int32_t kind, std::uint8_t flag) {
    if (kind < 0 || kind >= kKindCount) return nullptr;
    registerKind(kind);

    // A full table keeps no new enemy. Nothing would own one made anyway, so
    // none is made: it could never update, draw or be hit.
    const int slot = freeSlot();
    if (slot < 0) return nullptr;
    slots[slot] = create(position, kind, flag);
    slots[slot]->setWorld(world, actors);
    return slots[slot].get();
}

void EnemyList::registerKind(std::int32_t kind) {
    for (int i = 0; i < textureCount; ++i) {
        if (textureKinds[i] == kind) return;
    }
    textureKinds[textureCount] = kind;
    textures[textureCount] = graphics->loadTexture(kKindSheets[kind]);
    ++textureCount;
}

std::unique_ptr<Enemy> EnemyList::create(Vector3 position, std::int32_t kind,
                                         std::uint8_t flag) const {
    switch (kind) {
        case kSwoop:
            return std::make_unique<SwoopEnemy>(graphics, position, kind, flag);
        case kHelmet:
            return std::make_unique<HelmetEnemy>(graphics, position, kind, flag);
        case kBossDragon:
            return std::make_unique<BossDragon>(graphics, position, kind, flag);
        case kRaka:
            return std::make_unique<RakaEnemy>(graphics, actors ? actors->random : nullptr,
                                               position, kind, flag);
        default:
            return nullptr;
    }
}

int EnemyList::freeSlot() const {
    for (int slot = 0; slot < kCapacity; ++slot) {
        if (!slots[slot]) return slot;
    }
    return -1;
}

void EnemyList::clear() {
    for (std::unique_ptr<Enemy>& enemy : slots) enemy.reset();
}

Enemy* EnemyList::hitTest(BoundingBox* box) {
    for (const std::unique_ptr<Enemy>& enemy : slots) {
        if (enemy && enemy->overlaps(box)) return enemy.get();
    }
    return nullptr;
}

void EnemyList::updateAll() {
    for (std::unique_ptr<Enemy>& enemy : slots) {
        if (!enemy) continue;
        // One that fell into a bottomless drop would fall for ever: more than
        // a screen below the room, it is gone for good.
        if (!enemy->alive || enemy->position.y < -kLostBelow) {
            enemy.reset();
        } else {
            enemy->update();
        }
    }
}

void EnemyList::drawAll(float alpha) {
    for (int i = 0; i < textureCount; ++i) {
        bool bound = false;
        for (const std::unique_ptr<Enemy>& enemy : slots) {
            if (!enemy || enemy->kind != textureKinds[i] || !enemy->alive) continue;
            // Bind only for a kind that has someone to draw. A kind may leave
            // the GL colour changed, so each enemy starts from the base colour.
            if (!bound) {
                graphics->bindTexture(textures[i].get());
                bound = true;
            }
            graphics->setColor();
            enemy->draw(alpha);
        }
    }
}
