#include "enemies/SwoopEnemy.h"

#include <cmath>

#include "particles/ParticleSystem.h"
#include "player/BoundingBox.h"
#include "player/Player.h"

namespace {

// Steering: aim at the player with a lead of this many steps of the current
// horizontal speed, closing 1/50 of the gap per step.
constexpr float kLeadSteps = 30.0f;
constexpr float kSteerDivisor = 50.0f;
constexpr float kDivePull = -0.02f;    // downward speed gained per step of the dive
constexpr float kDiveStart = -0.5f;    // vertical speed at the start of the dive
constexpr float kLandedAbove = -0.4f;  // a dive slowed above this has met the ground

// The burst on landing: right, left, up-right, up-left.
const Vector3 kBurstVelocities[] = {
    {4.0f, 0, 0},
    {-4.0f, 0, 0},
    {2.5f, 2.5f, 0},
    {-2.5f, 2.5f, 0},
};

constexpr int kWingFrames = 3;
constexpr int kWingPeriod = 15;  // counter limit: a frame per 16 beats
constexpr int kHurtFrameOffset = 4;

}  // namespace

SwoopEnemy::SwoopEnemy(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag)
    : Enemy(graphics, position, kind, flag) {
    box.set(position, velocity, kWidth, kHeight);
}

void SwoopEnemy::hurt(std::int32_t damage) {
    hurtTimer = kHurtFreeze;
    hitPoints -= damage;
    if (hitPoints < 1) {
        alive = false;
        spawnBurst(kBurstSmall);
    }
    playSound("enemy_hit", 30);
}

bool SwoopEnemy::overlaps(BoundingBox* other) {
    return box.overlaps(*other);
}

void SwoopEnemy::update() {
    previousPosition = position;
    // A hit freezes it where it is, velocity kept for when it resumes.
    if (hurtTimer > 0) {
        --hurtTimer;
        return;
    }
    if (diving) {
        steer();
    } else if (landedTimer > 0) {
        velocity = makeVector3(0, 0, 0);
        ++landedTimer;
    }
    if (landedTimer > kBurstDelay) burst();
    beatWings();
    startDiveIfBelow();

    moveAgainstTiles(kWidth, kHeight);
    // The tiles cut the fall: a free dive only grows faster than its start.
    if (diving && velocity.y > kLandedAbove) {
        velocity = makeVector3(0, 0, 0);
        diving = false;
        landedTimer = 1;
    }
    position = vectorAdd(position, velocity);
}

void SwoopEnemy::steer() {
    const float aimX = position.x + kLeadSteps * velocity.x;
    const Vector3 pull = makeVector3((player().position.x - aimX) / kSteerDivisor, kDivePull, 0);
    velocity = vectorAdd(velocity, pull);
}

void SwoopEnemy::burst() {
    for (const Vector3& shotVelocity : kBurstVelocities) fireShot(shotVelocity, 0);
    alive = false;
}

void SwoopEnemy::beatWings() {
    animCounter += (diving || landedTimer > 0) ? 4 : 1;
    if (animCounter > kWingPeriod) {
        animCounter = 0;
        frame = (frame + 1) % kWingFrames;
    }
}

void SwoopEnemy::startDiveIfBelow() {
    // Once landed it never dives again.
    if (diving || landedTimer > 0) return;
    if (std::fabs(position.x - player().position.x) < kDiveRange) {
        diving = true;
        velocity = makeVector3(0, kDiveStart, 0);
    }
}

void SwoopEnemy::draw(float alpha) {
    drawFrame(alpha, false, hurtTimer > 0 ? frame + kHurtFrameOffset : frame);
}
