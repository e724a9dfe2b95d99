#pragma once

#include <cstdint>

#include "math/Vector3.h"
#include "player/BoundingBox.h"

class Graphics;
class Player;
class World;
struct ActorContext;

// Enemy kind codes, as room files store them.
enum EnemyKind : std::int32_t {
    kSwoop = 0,
    kHelmet = 1,
    kRaka = 2,
    kBossDragon = 3,
};

// The base of every enemy kind. Positions are the centre of the sprite and of
// the collision box; speeds are units per step and timers count update steps.
// Each kind creates its box in its constructor, already placed around the
// spawn point, so a hit test in the step of the spawn finds it there.
class Enemy {
  public:
    Enemy(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag);
    virtual ~Enemy();
    Enemy(const Enemy&) = delete;
    Enemy& operator=(const Enemy&) = delete;

    // A player shot hit the enemy.
    virtual void hurt(std::int32_t damage) = 0;
    // Whether the box touches the enemy; may set deflectsShots.
    virtual bool overlaps(BoundingBox* box) = 0;
    virtual void update() = 0;
    virtual void draw(float alpha) = 0;
    // The kind's own behaviour state, for traces (each kind says what its
    // numbers mean).
    virtual std::int32_t traceState() const = 0;

    // The room it lives in and what it makes noise and sparks with; the
    // enemy list sets both when it spawns the enemy.
    void setWorld(World* world, const ActorContext* actors) {
        this->world = world;
        this->actors = actors;
    }

    Graphics* graphics;
    World* world = nullptr;
    const ActorContext* actors = nullptr;
    Vector3 position;
    Vector3 previousPosition;
    Vector3 velocity = makeVector3(0, 0, 0);
    bool alive = true;
    std::int32_t hurtTimer = 0;
    std::int32_t kind;
    std::uint8_t spawnFlag;
    std::int32_t contactDamage = 5;
    bool deflectsShots = false;
    BoundingBox box{};

  protected:
    // The World's player, whom every kind watches and shoots at.
    Player& player() const;
    // Sets the box around the position with the current velocity, moves it
    // out of the solid tiles and takes position and velocity back from it.
    void moveAgainstTiles(float width, float height);
    // Draws one frame of the bound sheet between the last two step positions.
    void drawFrame(float alpha, bool mirrored, int frame) const;
    void playSound(const char* name, int volume) const;
    void spawnBurst(std::int32_t preset) const;
    void fireShot(Vector3 shotVelocity, std::int32_t variant) const;
};
