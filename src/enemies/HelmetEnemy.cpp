#include "enemies/HelmetEnemy.h"

#include "particles/ParticleSystem.h"
#include "player/BoundingBox.h"
#include "player/Player.h"

namespace {

constexpr int kMinHideSteps = 100;    // hides until its timer passes this
constexpr int kRiseFrameSteps = 10;   // frame 1 after this many steps of the rise
constexpr int kRisenFrameSteps = 20;  // frame 2 after this many
constexpr int kWalkStartStep = 120;   // step of the rise at which it starts walking
constexpr int kMaxWalkSteps = 100;    // walks until its timer passes this
constexpr int kWalkFrameSteps = 10;   // frames 3 and 4 alternate this often

constexpr int kHidingFrame = 0;
constexpr int kRisingFrame = 1;
constexpr int kRisenFrame = 2;
constexpr int kFirstWalkFrame = 3;

constexpr float kWalkPush = 0.09f;  // units per step added each walking step
constexpr float kGravity = 0.1f;
constexpr float kDampX = 0.9f;
constexpr float kDampY = 0.99f;

// It ducks when the player is this close: on top of it or right beside it.
constexpr float kDuckRangeX = 10.0f;
constexpr float kDuckRangeY = 40.0f;

// The fan, for a helmet facing right: up, level, down. Facing left mirrors x.
const Vector3 kFanVelocities[] = {
    {2.0f, 2.0f, 0},
    {2.5f, 0, 0},
    {2.0f, -2.0f, 0},
};

// Whether value lies strictly between centre - range and centre + range.
bool isWithin(float value, float centre, float range) {
    return value > centre - range && value < centre + range;
}

}  // namespace

HelmetEnemy::HelmetEnemy(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag)
    : Enemy(graphics, position, kind, flag) {
    box.set(position, velocity, kWidth, kHeight);
}

void HelmetEnemy::hurt(std::int32_t /*damage*/) {
    if (state == kHiding) return;
    alive = false;
    spawnBurst(kBurstExplosion);
    playSound("gearboy_enemyhurt", 30);
}

bool HelmetEnemy::overlaps(BoundingBox* other) {
    if (!box.overlaps(*other)) return false;
    deflectsShots = state == kHiding;
    return true;
}

void HelmetEnemy::update() {
    previousPosition = position;
    switch (state) {
        case kHiding:
            hide();
            break;
        case kRising:
            rise();
            break;
        case kWalking:
            walk();
            break;
        default:
            break;
    }
    // Gravity in every state: it drops off ledges even while hiding.
    velocity.y -= kGravity;
    velocity.x *= kDampX;
    velocity.y *= kDampY;
    moveAgainstTiles(kWidth, kHeight);
    position = vectorAdd(position, velocity);
}

void HelmetEnemy::hide() {
    ++timer;
    frame = kHidingFrame;
    if (timer > kMinHideSteps && isWithin(player().position.x, position.x, kWakeRange)) {
        enterState(kRising);
        faceThePlayer();
    }
}

void HelmetEnemy::rise() {
    ++timer;
    if (timer > kRiseFrameSteps) frame = kRisingFrame;
    if (timer > kRisenFrameSteps) frame = kRisenFrame;
    if (timer == kFireStep) fireFan();
    if (timer == kWalkStartStep) {
        enterState(kWalking);
        faceThePlayer();
    }
}

void HelmetEnemy::walk() {
    ++timer;
    if (timer > kMaxWalkSteps) enterState(kHiding);
    frame = kFirstWalkFrame + (timer % (2 * kWalkFrameSteps)) / kWalkFrameSteps;
    velocity.x += facing == 0 ? -kWalkPush : kWalkPush;
    const Vector3 at = player().position;
    if (isWithin(at.x, position.x, kDuckRangeX) && isWithin(at.y, position.y, kDuckRangeY)) {
        enterState(kHiding);
    }
}

void HelmetEnemy::fireFan() {
    const float side = facing == 0 ? -1.0f : 1.0f;
    for (const Vector3& fan : kFanVelocities) {
        fireShot(makeVector3(side * fan.x, fan.y, 0), 1);
    }
}

void HelmetEnemy::faceThePlayer() {
    // Level with it counts as to the right.
    facing = player().position.x < position.x ? 0 : 1;
}

void HelmetEnemy::enterState(State next) {
    state = next;
    timer = 0;
}

void HelmetEnemy::draw(float alpha) {
    drawFrame(alpha, facing == 1, frame);
}
