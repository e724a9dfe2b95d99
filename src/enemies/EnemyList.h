#pragma once

#include <cstdint>
#include <memory>

#include "math/Vector3.h"

class BoundingBox;
class Enemy;
class Graphics;
struct ActorContext;
class Texture;
class World;

// The room's enemies: a fixed table of 200 slots (a new enemy takes the
// lowest free one; a full table drops it) and one sprite sheet per kind,
// loaded the first time that kind is spawned and kept across clear().
class EnemyList {
  public:
    static constexpr int kCapacity = 200;
    // How far below the room's floor (y 0) an enemy may fall before it is
    // removed, in world units: one screen.
    static constexpr float kLostBelow = 240.0f;

    EnemyList(Graphics* graphics, const ActorContext* actors);
    ~EnemyList();
    EnemyList(const EnemyList&) = delete;
    EnemyList& operator=(const EnemyList&) = delete;

    void setWorld(World* world);
    // Creates an enemy of `kind` at `position`; null when the table is full or
    // the kind is unknown. The kind's sheet is registered even when the table
    // is full.
    Enemy* spawn(Vector3 position, std::int32_t kind, std::uint8_t flag);
    // Deletes every enemy; the loaded sheets stay.
    void clear();
    // The first enemy, in slot order, that the box touches. Dead enemies still
    // count until the next updateAll removes them.
    Enemy* hitTest(BoundingBox* box);
    // Removes the enemies that died since the last pass, updates the others.
    void updateAll();
    // Living enemies grouped by kind, kinds in the order they were first
    // spawned, each group in slot order.
    void drawAll(float alpha);

    // Slot contents for the trace and tests; null for a free slot.
    const Enemy* enemyAt(int slot) const { return slots[slot].get(); }
    // The sheet registry, in first-spawn order.
    int registeredKindCount() const { return textureCount; }
    std::int32_t registeredKind(int index) const { return textureKinds[index]; }

  private:
    static constexpr int kMaxTextures = 100;

    void registerKind(std::int32_t kind);
    std::unique_ptr<Enemy> create(Vector3 position, std::int32_t kind, std::uint8_t flag) const;
    int freeSlot() const;

    Graphics* graphics;
    const ActorContext* actors;
    World* world = nullptr;
    std::unique_ptr<Enemy> slots[kCapacity];
    int textureCount = 0;
    std::unique_ptr<Texture> textures[kMaxTextures];
    std::int32_t textureKinds[kMaxTextures] = {};
};
