#include "enemies/RakaEnemy.h"

#include "math/Random.h"
#include "particles/ParticleSystem.h"
#include "player/Player.h"

namespace {

constexpr float kSinkPull = 0.07f;    // downward speed gained per sinking step
constexpr float kLeapLift = 0.12f;    // upward speed gained per leaping step
constexpr float kLeapDrift = 0.1f;    // sideways speed gained per leaping step
constexpr float kDamping = 0.9f;      // both axes, every step
constexpr int kRandomStartSpan = 91;  // the first sinking starts 0..90 steps in

// The leap's frames: launching from its start, jaws wide at step 10,
// snapping shut at step 20, then the rest frame from step 30.
constexpr int kRestFrame = 0;
constexpr int kLeapFrame = 1;
constexpr int kJawsWideFrame = 2;
constexpr int kSnappingFrame = 3;

}  // namespace

RakaEnemy::RakaEnemy(Graphics* graphics, Random* random, Vector3 position, std::int32_t kind,
                     std::uint8_t flag)
    : Enemy(graphics, position, kind, flag) {
    timer = random ? random->below(kRandomStartSpan) : 0;
    facing = flag != 0 ? 0 : 1;
    box.set(position, velocity, kWidth, kHeight);
}

void RakaEnemy::hurt(std::int32_t /*damage*/) {
    alive = false;
    spawnBurst(kBurstExplosion);
    playSound("gearboy_enemyhurt", 30);
}

bool RakaEnemy::overlaps(BoundingBox* other) {
    return box.overlaps(*other);
}

void RakaEnemy::update() {
    previousPosition = position;
    if (state == kSinking) {
        velocity.y -= kSinkPull;
        frame = kRestFrame;
        ++timer;
        if (timer > kSinkSteps) {
            state = kLeaping;
            timer = 0;
            facing = player().position.x < position.x ? 0 : 1;
            frame = kLeapFrame;
        }
    } else {
        velocity.y += kLeapLift;
        velocity.x += facing == 0 ? -kLeapDrift : kLeapDrift;
        ++timer;
        if (timer == 10) frame = kJawsWideFrame;
        if (timer == 20) frame = kSnappingFrame;
        if (timer == 30) frame = kRestFrame;
        if (timer > kLeapSteps) {
            state = kSinking;
            timer = 0;
        }
    }
    velocity.x *= kDamping;
    velocity.y *= kDamping;
    // Placed, never pushed: it rises out of and sinks into the ground.
    box.set(position, velocity, kWidth, kHeight);
    position = vectorAdd(position, velocity);
}

void RakaEnemy::draw(float alpha) {
    drawFrame(alpha, facing == 1, frame);
}
