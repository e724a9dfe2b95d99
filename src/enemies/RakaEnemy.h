#pragma once

#include <cstdint>

#include "enemies/Enemy.h"

class Random;

// Kind 2: bobs in the water in a fixed rhythm, sinking for 101 steps, then
// leaping up for 51 and drifting toward the side the player was on when the
// leap began. It ignores the tiles. One hit kills it. Rakas placed together
// start at random points of their rhythm.
class RakaEnemy : public Enemy {
  public:
    enum State : std::int32_t {
        kSinking = 0,
        kLeaping = 1,
    };

    static constexpr float kWidth = 20.0f;
    static constexpr float kHeight = 30.0f;
    static constexpr int kSinkSteps = 100;  // sinks while its timer is not above this
    static constexpr int kLeapSteps = 50;   // leaps while its timer is not above this

    // Draws the starting point of its rhythm from `random` (0 to 90 steps
    // into the sinking; 0 without a generator).
    RakaEnemy(Graphics* graphics, Random* random, Vector3 position, std::int32_t kind,
              std::uint8_t flag);

    void hurt(std::int32_t damage) override;
    bool overlaps(BoundingBox* other) override;
    void update() override;
    void draw(float alpha) override;
    std::int32_t traceState() const override { return state; }

    std::int32_t frame = 0;
    std::int32_t state = kSinking;
    std::int32_t timer = 0;
    std::int32_t facing = 0;  // 0 drifts left (sheet as drawn), 1 drifts right (mirrored)
};
