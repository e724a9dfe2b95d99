// The gearboy form: heavy gravity, a short fixed hop (longer under water), a
// hip shot that ricochets off armour, a 60-step stun after a hit, an idle
// animation and the appearing animation at the start. Speeds are units per
// step, y up.
#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "math/Random.h"
#include "particles/ParticleSystem.h"
#include "player/Player.h"
#include "weapons/ProjectileSystem.h"
#include "world/ActorContext.h"
#include "world/World.h"

namespace {

constexpr float kGroundAccel = 0.25f;
constexpr float kAirAccel = 0.12f;
constexpr float kHopSpeed = 3.0f;
constexpr int kHopStepsOnLand = 5;
constexpr int kHopStepsInWater = 13;
constexpr float kGroundFriction = 0.9f;
constexpr float kShotSpeed = 4.0f;
constexpr int kStunnedAbove = 90;  // invulnerableTimer above this: controls ignored
constexpr float kKnockBack = 0.1f;
constexpr int kIdleFidgetAfter = 200;
constexpr int kIdleCycle = 230;
// Frames of the gearboy sheet.
constexpr std::int32_t kStandingFrame = 0;
constexpr std::int32_t kIdleGlanceFrame = 1;
constexpr std::int32_t kInTheAirFrame = 5;
constexpr std::int32_t kFiringInTheAirFrame = 6;
constexpr std::int32_t kFiringStandingFrame = 8;
constexpr std::int32_t kFiringWalkingOffset = 8;   // walking frames 2 3 4 firing: 10 11 12
constexpr std::int32_t kFirstAppearingFrame = 20;  // 20 to 23, the beam drawing it in
constexpr std::int32_t kLastAppearingFrame = 23;
// Walking cycle: one frame per quarter of the 48-step counter.
constexpr std::int32_t kWalkFrames[4] = {2, 3, 2, 4};

}  // namespace

void Player::updateGearboyForm() {
    previousPosition = position;
    if (gearboyAppearing()) return;
    StepState step;
    if (invulnerableTimer <= kStunnedAbove && !gearboyControls(step)) return;
    countDownFire();
    projectiles->update();
    gearboyMove(step);
    touchEnemies();
    if (invulnerableTimer > 0) --invulnerableTimer;
    // Stunned: pushed away from the source the hit turned the player toward.
    if (invulnerableTimer > kStunnedAbove) velocity.x += facing == 0 ? -kKnockBack : kKnockBack;
    gearboyAnimate(step);
    limitHealth();
    gearboyBubbles();
}

// The appearance holds the player still; true while it (or its last step)
// runs.
bool Player::gearboyAppearing() {
    if (appearTimer < 1) return false;
    --appearTimer;
    bodyFrame = appearTimer >= 9 ? kFirstAppearingFrame : kLastAppearingFrame - appearTimer / 3;
    if (appearTimer == 0) {
        bodyFrame = kStandingFrame;
        playSound("gearboy_appear", 30);
    }
    return true;
}

// Reads the controls; false when the step ends in a form change.
bool Player::gearboyControls(StepState& step) {
    const Controls& controls = *this->controls;
    if (controls.up && formChangeAllowed && onGround) {
        form = kVanta;
        position.y += 12;
        playSound("vanta_jump", 40, 20000);
        onGround = false;
        return false;
    }
    if (controls.right) {
        if (onGround) step.moving = true;
        velocity.x += onGround ? kGroundAccel : kAirAccel;
        facing = 0;
    }
    if (controls.left) {
        if (onGround) step.moving = true;
        velocity.x -= onGround ? kGroundAccel : kAirAccel;
        facing = 1;
    }
    aimingUp = controls.up;
    if (controls.jump) {
        if (onGround && !jumping && jumpReady) {
            jumping = true;
            jumpReady = false;
            jumpCut = false;
            jumpTimer = 0;
            animCounter = 0;
        }
        if (jumping) {
            velocity.y = kHopSpeed;
            ++jumpTimer;
            if (jumpTimer >= (inWater ? kHopStepsInWater : kHopStepsOnLand)) jumping = false;
        }
    } else {
        releaseJump();
    }
    if (controls.fire && fireCooldown <= 0 && fireReady) {
        fireReady = false;
        fireCooldown = 5;
        firePoseTimer = onGround ? 30 : 60;
        const float side = facing == 0 ? 1.0f : -1.0f;
        const Vector3 from = onGround ? makeVector3(position.x + 10 * side, position.y, 0)
                                      : makeVector3(position.x + 12 * side, position.y + 5, 0);
        projectiles->spawnPlayerShot(from, makeVector3(kShotSpeed * side, 0, 0), 8);
        playSound("gearboy_fire1", 20);
    }
    return true;
}

void Player::gearboyMove(StepState& step) {
    if (inWater) {
        velocity.y -= 0.04f;
        velocity.x *= 0.9f;
        velocity.y *= 0.998f;
    } else {
        velocity.y -= 0.1f;
        velocity.x *= 0.9f;
        velocity.y *= 0.997f;
    }
    if (onGround) velocity = vectorScale(velocity, kGroundFriction);

    step.savedVelocity = velocity;
    moveAgainstTiles(-2, 12, 24);

    const Vector3 still = makeVector3(0, 0, 0);
    feetProbe.set(makeVector3(position.x, position.y - 14, 0), still, 10.9f, 1);
    headProbe.set(makeVector3(position.x, position.y + 10, 0), still, 10.6f, 1);
    if (!landed(step)) {
        onGround = false;
        return;
    }
    if (!onGround) {
        // A landing during a scripted pause is silent.
        if (!world || world->freezeTimer == 0) playSound("gearboy_land", 15);
        firePoseTimer = 0;
    }
    onGround = true;
}

void Player::gearboyAnimate(const StepState& step) {
    if (!onGround) {
        bodyFrame = kInTheAirFrame;
        idleTimer = 0;
    } else if (!step.moving) {
        bodyFrame = kStandingFrame;
        if (++idleTimer > kIdleFidgetAfter) bodyFrame = kIdleGlanceFrame;
        idleTimer %= kIdleCycle;
    } else {
        animCounter = (animCounter + 1) % 48;
        bodyFrame = kWalkFrames[animCounter / 12];
        idleTimer = 0;
    }
    if (firePoseTimer > 5) {
        if (!onGround) {
            bodyFrame = kFiringInTheAirFrame;
        } else if (!step.moving) {
            bodyFrame = kFiringStandingFrame;
        } else {
            bodyFrame += kFiringWalkingOffset;
        }
    }
}

// Now and then a bubble rises from the gearboy's head under water. The three
// draws come in this order: the chance, the speed, the lifetime.
void Player::gearboyBubbles() {
    if (!inWater || actors->random->below(201) != 0) return;
    const int speed = actors->random->below(11);
    const int life = 300 + actors->random->below(201);
    const float side = facing == 0 ? 8.0f : -8.0f;
    if (!actors->particles) return;
    actors->particles->emit(makeVector3(position.x + side, position.y + 3, 0),
                            makeVector3(0, 0.5f + speed / 20.0f, 0), 0, 0, kParticleBubble, life);
}

// Turns to face the source (an exactly level one counts as to the left) and
// is stunned; the step pushes it back while stunned.
void Player::hurtGearboyForm(std::int32_t damage, Vector3 source) {
    playSound("gearboy_hurt", 40);
    hurtPosition = position;
    health -= damage;
    invulnerableTimer = 150;
    jumping = false;
    velocity.y = 1.0f;
    facing = source.x > position.x ? 0 : 1;
    onGround = false;
}
