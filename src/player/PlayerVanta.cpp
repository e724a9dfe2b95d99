// The vanta form: momentum running, jumps as high as the button is held,
// somersaults, the ball, and a straight shot forward or up. Speeds are units
// per step, y up.
#include <cmath>

#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "player/Player.h"
#include "weapons/ProjectileSystem.h"
#include "world/World.h"

namespace {

constexpr float kGroundAccel = 0.25f;
constexpr float kAirAccel = 0.08f;
constexpr float kSomersaultAccel = 0.04f;
constexpr float kJumpSpeed = 3.1f;
constexpr int kJumpLiftSteps = 10;
constexpr float kGravity = 0.07f;
constexpr float kDragX = 0.95f;
constexpr float kSomersaultDragX = 0.97f;
constexpr float kDragY = 0.995f;
constexpr float kGroundFriction = 0.9f;
constexpr float kShotSpeed = 4.0f;
constexpr float kSomersaultSpin = 0.4f;  // radians per step
constexpr float kBounceBelow = -1.5f;    // a ball falling faster bounces
constexpr int kCurlStart = 107;          // animCounter counts down to 100 while curling
constexpr int kCurlEnd = 100;

// Frames of the vanta sheet. Standing, running and in the air the figure is
// a legs frame under an upper-body frame; curling it is the two curled
// halves, rolled a single ball frame.
constexpr std::int32_t kLegsStanding = 0;
constexpr std::int32_t kLegsFirstRunning = 1;  // 1 2 3
constexpr std::int32_t kLegsTakingOff = 1;
constexpr std::int32_t kLegsInTheAir = 4;
constexpr std::int32_t kUpperStanding = 5;
constexpr std::int32_t kUpperAimingUp = 6;
constexpr std::int32_t kUpperFirstRunning = 7;  // 7 8 9
constexpr std::int32_t kUpperInTheAir = 9;
constexpr std::int32_t kUpperFiringStanding = 10;
constexpr std::int32_t kUpperFiringUp = 11;
constexpr std::int32_t kUpperFiringOnTheMove = 12;
constexpr std::int32_t kUpperLoweringArm = 13;
constexpr std::int32_t kCurledUpperHalf = 16;
constexpr std::int32_t kCurledLowerHalf = 17;
constexpr std::int32_t kFirstBallFrame = 18;  // 18 to 21, rolling

// Body box and head probe for each pose: centre heights above the position.
struct VantaPose {
    float bodyY;
    float bodyHeight;
    float headY;
};
constexpr float kBodyWidth = 12;
constexpr VantaPose kStandingPose = {-1, 30, 14};
constexpr VantaPose kSomersaultPose = {-3.5f, 25, 9};
constexpr VantaPose kBallPose = {-10, 12, -2};

}  // namespace

void Player::updateVantaForm() {
    previousPosition = position;
    previousSomersaultAngle = somersaultAngle;
    const Controls& controls = *this->controls;
    if (controls.down && formChangeAllowed && onGround) {
        form = kGearboy;
        playSound("vanta_jump", 40, 20000);
        onGround = false;
        return;
    }
    StepState step;
    vantaSteer(step);
    vantaJumpAndBall();
    vantaFire();
    countDownFire();
    projectiles->update();
    vantaMove(step);
    touchEnemies();
    if (invulnerableTimer > 0) --invulnerableTimer;
    vantaAnimate(step);
    if (somersault) somersaultAngle += facing == 0 ? kSomersaultSpin : -kSomersaultSpin;
    limitHealth();
}

// Left, right and up. A somersault keeps its facing, so its spin direction.
void Player::vantaSteer(StepState& step) {
    const Controls& controls = *this->controls;
    const float airAccel = somersault ? kSomersaultAccel : kAirAccel;
    if (controls.right) {
        if (onGround) {
            step.moving = true;
            velocity.x += kGroundAccel;
        } else {
            velocity.x += airAccel;
        }
        if (facing != 0 && !somersault) facing = 0;
    }
    if (controls.left) {
        if (onGround) {
            step.moving = true;
            velocity.x -= kGroundAccel;
        } else {
            velocity.x -= airAccel;
        }
        if (facing != 1 && !somersault) facing = 1;
    }
    if (controls.up) {
        aimingUp = true;
        // The ball stands up only with head room above it.
        headProbe.set(makeVector3(position.x, position.y + 14, 0), makeVector3(0, 0, 0), 11, 3);
        if (!tilesHit(headProbe) && ball) {
            ball = false;
            velocity.x = 0;
        }
        somersault = false;
    } else {
        aimingUp = false;
    }
}

void Player::vantaJumpAndBall() {
    const Controls& controls = *this->controls;
    if (controls.jump && !ball) {
        if (onGround && !jumping && jumpReady) {
            jumping = true;
            jumpReady = false;
            jumpCut = false;
            jumpTimer = 0;
            if (controls.left || controls.right) {
                somersaultAngle = 0;
                previousSomersaultAngle = 0;
                somersault = true;
            }
            playSound("vanta_jump", 20);
            animCounter = 0;
        }
        if (jumping) {
            velocity.y = kJumpSpeed;
            ++jumpTimer;
            if (jumpTimer >= kJumpLiftSteps) jumping = false;
        }
    }
    if (!controls.jump) releaseJump();

    if (controls.down && hasBall && !ball) {
        ball = true;
        playSound("vanta_ball", 70);
        velocity.x = 0;
        animCounter = kCurlStart;
        somersault = false;
    }
}

void Player::vantaFire() {
    if (!controls->fire || fireCooldown > 0 || !fireReady || ball) return;
    fireReady = false;
    fireCooldown = 5;
    firePoseTimer = 30;
    somersault = false;
    const float side = facing == 0 ? 1.0f : -1.0f;
    if (aimingUp) {
        projectiles->spawnPlayerShot(makeVector3(position.x + 2 * side, position.y + 18, 0),
                                     makeVector3(0, kShotSpeed, 0), 0);
    } else {
        projectiles->spawnPlayerShot(makeVector3(position.x + 8 * side, position.y + 5, 0),
                                     makeVector3(kShotSpeed * side, 0, 0), 0);
    }
    playSound("vanta_fire1", 25);
}

void Player::vantaMove(StepState& step) {
    velocity.y -= kGravity;
    velocity.x *= somersault ? kSomersaultDragX : kDragX;
    velocity.y *= kDragY;
    if (onGround) velocity = vectorScale(velocity, kGroundFriction);

    const VantaPose& pose = somersault ? kSomersaultPose : rolled() ? kBallPose : kStandingPose;
    step.savedVelocity = velocity;
    moveAgainstTiles(pose.bodyY, kBodyWidth, pose.bodyHeight);

    const Vector3 still = makeVector3(0, 0, 0);
    feetProbe.set(makeVector3(position.x, position.y - 16, 0), still, 10.9f, 3);
    headProbe.set(makeVector3(position.x, position.y + pose.headY, 0), still, 10.6f, 3);
    if (!landed(step)) {
        onGround = false;
        return;
    }
    if (onGround) return;
    onGround = true;
    somersault = false;
    if (ball && step.savedVelocity.y < kBounceBelow) {
        velocity.y = -0.5f * step.savedVelocity.y;
        onGround = false;
    }
}

// The curled ball is drawn and collides 8 units higher than the standing
// figure's reference point. That is a change of pose, not a move: it must not
// carry the player over the room's top edge into the room above (and, once
// the ball has dropped back, down again).
void Player::raiseForBall() {
    position.y += 8;
    if (!world || !world->hasRoom()) return;
    const float top = world->section().heightCells * 240.0f;
    if (position.y >= top) position.y = std::nextafter(top, 0.0f);
}

void Player::vantaAnimate(const StepState& step) {
    if (ball) {
        if (animCounter > kCurlEnd) {
            bodyFrame = kCurledUpperHalf;
            legFrame = kCurledLowerHalf;
            if (--animCounter == kCurlEnd) {
                raiseForBall();
                bodyFrame = kFirstBallFrame;
                animCounter = 0;
            }
        } else {
            animCounter = (animCounter + 1) % 16;
            bodyFrame = kFirstBallFrame + animCounter / 4;
        }
        return;
    }
    if (onGround && step.moving) {
        animCounter = (animCounter + 1) % 18;
        legFrame = kLegsFirstRunning + animCounter / 6;
        bodyFrame = kUpperFirstRunning + animCounter / 6;
        if (animCounter == 2) playSound("vanta_step", 10);
    } else if (onGround) {
        legFrame = kLegsStanding;
        bodyFrame = kUpperStanding;
    } else {
        if (animCounter < 10) {
            ++animCounter;
            legFrame = kLegsTakingOff;
        } else {
            legFrame = kLegsInTheAir;
        }
        bodyFrame = kUpperInTheAir;
    }
    if (aimingUp) bodyFrame = kUpperAimingUp;
    if (firePoseTimer > 20) {
        bodyFrame = (onGround && !step.moving) ? kUpperFiringStanding : kUpperFiringOnTheMove;
        if (aimingUp) bodyFrame = kUpperFiringUp;
    } else if (firePoseTimer >= 1 && !aimingUp && (step.moving || !onGround)) {
        bodyFrame = kUpperLoweringArm;
    }
}

// Thrown away from the source; an exactly level source throws to the right.
void Player::hurtVantaForm(std::int32_t damage, Vector3 source) {
    playSound("vanta_hurt", 70);
    health -= damage;
    invulnerableTimer = 90;
    jumping = false;
    velocity = makeVector3(source.x <= position.x ? 2.0f : -2.0f, 3, 0);
    onGround = false;
    somersault = false;
}
