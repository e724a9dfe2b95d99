#pragma once

#include <cstdint>
#include <memory>

#include "math/Vector3.h"

class Graphics;
struct ActorContext;
class Texture;
class World;

// Shot kinds. The kind is also the shot's frame on the weapons sheet; its
// impact flash is frame kind + 1.
enum ProjectileKind : std::int32_t {
    kVantaShot = 0,    // flashes where it ends
    kGearboyShot = 8,  // ricochets off armoured enemies
    kSwoopShot = 16,   // enemy shot variant 0
    kHelmetShot = 17,  // enemy shot variant 1
};

// One shot. Every field has a defined value from the pool's construction on.
struct Projectile {
    std::int32_t kind = 0;
    Vector3 position = makeVector3(0, 0, 0);
    Vector3 previousPosition = makeVector3(0, 0, 0);
    Vector3 velocity = makeVector3(0, 0, 0);
    bool active = false;
    std::int32_t impactTimer = -1;  // steps of impact flash left; -1 for none
    std::int32_t life = 0;          // steps left to fly
    bool fromPlayer = false;        // player shots hit enemies and tiles, enemy shots the player
    bool showsImpact = false;       // draw the flash frame once the shot has ended
};

// The pool of 100 shots, the player's and the enemies'. The player owns it;
// enemies fire into it through the World's player; a room change empties it.
// A new shot takes the lowest inactive slot; with all 100 flying it is
// dropped.
class ProjectileSystem {
  public:
    static constexpr int kCapacity = 100;
    // Steps of impact flash after a shot ends (drawn on the following updates).
    static constexpr int kImpactSteps = 5;
    // Damage a player shot does to an enemy and an enemy shot to the player.
    static constexpr int kShotDamage = 10;

    ProjectileSystem(Graphics* graphics, const ActorContext* actors);
    ~ProjectileSystem();
    ProjectileSystem(const ProjectileSystem&) = delete;
    ProjectileSystem& operator=(const ProjectileSystem&) = delete;

    void setWorld(World* world);
    void spawnPlayerShot(Vector3 position, Vector3 velocity, std::int32_t kind);
    // variant 0 is the swoop's short shot, 1 the helmet's long one.
    void spawnEnemyShot(Vector3 position, Vector3 velocity, std::int32_t variant);
    // One step of every shot. Without a World the shots only fly and expire.
    void update();
    void draw(float alpha);
    void clear();

    int activeCount() const;
    const Projectile& projectile(int index) const { return pool[index]; }

  private:
    Projectile* takeFreeSlot();
    void end(Projectile& shot);
    void collidePlayerShot(Projectile& shot);
    void collideEnemyShot(Projectile& shot);

    Projectile pool[kCapacity];
    std::unique_ptr<Texture> weaponsTexture;
    Graphics* graphics;
    const ActorContext* actors;
    World* world = nullptr;
};
