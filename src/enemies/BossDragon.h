#pragma once

#include <cstdint>

#include "enemies/Enemy.h"
#include "player/BoundingBox.h"

// Kind 3: a scripted set piece drawn from 15 sprite parts around one
// position at a common scale. It waits unseen until the World signals a
// scene: in the bridge room's fly-past (wooshPlayed) it swoops in from afar,
// pauses and climbs away, bringing the bridge down on its way (crushStage
// 1 and 3); in the dragon room, once the boss music has started, it hovers
// on a looping path, hurts on contact and answers a shot on the head with a
// cry. It never moves against the tiles and nothing ends it.
class BossDragon : public Enemy {
  public:
    enum State : std::int32_t {
        kWaiting = 9,
        kSwoopingIn = 10,
        kPausing = 11,
        kClimbingOut = 12,
        kResting = 13,
        kHovering = 14,
    };
    static constexpr int kPartCount = 15;
    // Heights at which the climb sets off the two stages of the collapse.
    static constexpr float kFirstCrushAbove = 768.0f;
    static constexpr float kSecondCrushAbove = 840.0f;

    BossDragon(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag);

    void hurt(std::int32_t damage) override;
    bool overlaps(BoundingBox* other) override;
    void update() override;
    void draw(float alpha) override;
    std::int32_t traceState() const override { return state; }

    // The head box is the base `box`.
    BoundingBox bodyBox{};
    bool headHit = false;  // the last overlap test touched the head
    std::int32_t headPose = 0;
    std::int32_t lowerPose = 0;
    std::int32_t wingPose = 0;
    std::int32_t state = kWaiting;
    std::int32_t timer = 0;
    std::int32_t facing = 0;  // 0 head to the right; 1 to the left, mirrored
    float scale = 0.1f;
    float previousScale = 0.1f;

  private:
    void placeBoxes();
    void drawPart(int part, int pose, Vector3 at, float drawScale) const;
};
