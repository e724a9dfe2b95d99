#pragma once

#include <cstdint>

#include "enemies/Enemy.h"

// Kind 0: hangs flapping until the player passes beneath it, dives steering
// toward the player, and once landed bursts into four shots 100 steps later.
// Two player shots kill it; each hit freezes it for 30 steps.
class SwoopEnemy : public Enemy {
  public:
    static constexpr float kWidth = 10.0f;
    static constexpr float kHeight = 25.0f;
    static constexpr float kDiveRange = 64.0f;  // horizontal distance that starts the dive
    static constexpr int kHurtFreeze = 30;
    static constexpr int kBurstDelay = 100;  // steps from landing to the burst

    SwoopEnemy(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag);

    void hurt(std::int32_t damage) override;
    bool overlaps(BoundingBox* other) override;
    void update() override;
    void draw(float alpha) override;
    // 0 hanging, 1 diving, 2 landed.
    std::int32_t traceState() const override { return landedTimer > 0 ? 2 : diving ? 1 : 0; }

    std::int32_t hitPoints = 15;
    std::int32_t frame = 0;  // wing frame 0..2; 4..6 are the same with the hurt flash
    std::int32_t animCounter = 0;
    bool diving = false;
    std::int32_t landedTimer = 0;  // 0 until landed, 1 on the landing step, then counts up

  private:
    void steer();
    void burst();
    void beatWings();
    void startDiveIfBelow();
};
