#pragma once

#include <cstdint>
#include <memory>

#include "math/Vector3.h"

class Graphics;
class Texture;

// One sprite particle. Speeds are units per update step; life counts steps.
struct Particle {
    Vector3 position;
    Vector3 previousPosition;
    Vector3 velocity;
    float angle;
    float previousAngle;
    float spin;
    float scale;
    bool active;
    std::int32_t life;
    std::int32_t type;
    std::int32_t frame;
};

// Particle behaviours.
enum ParticleType : std::int32_t {
    kParticleStraight = 0,    // moves in a straight line (ricochet sparks)
    kParticleSmallBurst = 1,  // still; frame 8, then 9 for its last 5 steps
    kParticleBubble = 2,      // sways from side to side while it rises
    kParticleExplosion = 3,   // still; frames 10 to 13 over its 19 steps
    kParticleDebris = 4,      // falls under gravity
};

// Burst presets for spawnBurst.
enum BurstPreset : std::int32_t {
    kBurstSmall = 0,      // broken blocks, crushed bridge blocks, a killed swoop
    kBurstExplosion = 1,  // killed helmets and rakas, crushed bridge blocks
};

// A fixed pool of 200 particles: hit bursts and explosions, bubbles, debris
// and ricochet sparks. A start that finds no free slot is dropped; nothing is
// allocated after construction.
class ParticleSystem {
  public:
    static constexpr int kCapacity = 200;

    explicit ParticleSystem(Graphics* graphics);
    ~ParticleSystem();
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;

    void clear();
    void spawnBurst(Vector3 position, std::int32_t preset);
    void emit(Vector3 position, Vector3 velocity, float spin, std::int32_t frame, std::int32_t type,
              std::int32_t life);
    // One step of every active particle, in table order.
    void update();
    // Draws every active particle blended `alpha` of the way from its previous
    // to its current position.
    void draw(float alpha);

    int activeCount() const;
    const Particle& particle(int index) const { return particles_[index]; }

  private:
    Particle* takeFreeSlot(Vector3 position);

    Particle particles_[kCapacity];
    std::unique_ptr<Texture> texture_;
    Graphics* graphics_;
};
