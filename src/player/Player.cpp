#include "player/Player.h"

#include <cmath>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "weapons/ProjectileSystem.h"
#include "world/ActorContext.h"
#include "world/World.h"

Player::Player(Graphics* graphics, const ActorContext* actors)
    : graphics(graphics), actors(actors) {
    projectiles = std::make_unique<ProjectileSystem>(graphics, actors);
    vantaTexture = graphics->loadTexture("data\\vanta.tga");
    gearboyTexture = graphics->loadTexture("data\\gearboy.tga");
    reset();
}

Player::~Player() {}

void Player::setWorld(World* newWorld) {
    world = newWorld;
    projectiles->setWorld(newWorld);
}

void Player::setPosition(float x, float y, float z) {
    position = makeVector3(x, y, z);
    previousPosition = position;
}

void Player::reset() {
    velocity = makeVector3(0, 0, 0);
    form = kGearboy;
    maxHealth = 99;
    health = maxHealth;
    inWater = false;
    onGround = false;
    jumping = false;
    aimingUp = false;
    jumpReady = true;
    // No jump has started yet: nothing has been cut, and no step counted.
    jumpCut = false;
    jumpTimer = 0;
    fireReady = true;
    fireCooldown = 0;
    invulnerableTimer = 0;
    facing = 0;
    legFrame = 0;
    bodyFrame = 5;
    firePoseTimer = 0;
    animCounter = 0;
    ball = false;
    somersault = false;
    somersaultAngle = 0;
    previousSomersaultAngle = 0;
    hasBall = false;
    idleTimer = 0;
    appearTimer = 0;
}

void Player::update(const Controls& stepControls) {
    controls = &stepControls;
    if (form == kVanta) {
        updateVantaForm();
    } else {
        updateGearboyForm();
    }
}

void Player::draw(float alpha) {
    if (form == kVanta) {
        drawVantaForm(alpha);
    } else {
        drawGearboyForm(alpha);
    }
}

void Player::hurt(std::int32_t damage, Vector3 source) {
    if (invulnerableTimer >= 1) return;
    if (form == kVanta) {
        hurtVantaForm(damage, source);
    } else {
        hurtGearboyForm(damage, source);
    }
}

// The jump button is up: a rising jump is cut once to 1.0 units per step, and
// a new jump needs the button released on the ground first.
void Player::releaseJump() {
    if (velocity.y > 1.0f && !jumpCut) {
        velocity.y = 1.0f;
        jumpCut = true;
    }
    jumping = false;
    if (onGround) jumpReady = true;
}

// One shot per press, and presses no closer than 5 steps apart.
void Player::countDownFire() {
    if (fireCooldown > 0) --fireCooldown;
    if (firePoseTimer > 0) --firePoseTimer;
    if (!controls->fire && fireCooldown <= 0) fireReady = true;
}

void Player::touchEnemies() {
    if (invulnerableTimer > 0 || !world) return;
    const Enemy* enemy = world->getEnemies()->hitTest(&bodyBox);
    if (enemy) hurt(enemy->contactDamage, enemy->position);
}

// Damage may take health below 0 during a step; never past its end.
void Player::limitHealth() {
    if (health < 0) health = 0;
}

// Integrates the position and slides the body box (centred offsetY above the
// position) out of the room's solid tiles; a held jump ends against a ceiling.
//
// A push of more than a few tiles means the body is inside solid rock (a
// block that appeared around it), and sliding it out would carry it through
// the rock to wherever the rock ends: the step is undone instead and the
// player stays where it stood.
void Player::moveAgainstTiles(float offsetY, float width, float height) {
    const Vector3 before = position;
    const Vector3 moved = vectorAdd(position, velocity);
    bodyBox.set(makeVector3(moved.x, moved.y + offsetY, 0), velocity, width, height);
    if (world) world->pushBoxOutOfTiles(bodyBox);
    const Vector3 pushedTo = makeVector3(bodyBox.position.x, bodyBox.position.y - offsetY, 0);
    if (std::fabs(pushedTo.x - moved.x) > kMaxTilePush ||
        std::fabs(pushedTo.y - moved.y) > kMaxTilePush) {
        position = before;
        velocity = makeVector3(0, 0, 0);
        bodyBox.set(makeVector3(position.x, position.y + offsetY, 0), velocity, width, height);
    } else {
        position = pushedTo;
        velocity = bodyBox.velocity;
    }
    if (velocity.y < 2.5f) jumping = false;
}

// Ground under the feet, or a floor that just stopped a fall (the tiles
// pushed the body up by more than 2 units per step).
bool Player::landed(const StepState& step) {
    const float velocityChangeY = velocity.y - step.savedVelocity.y;
    return tilesHit(feetProbe) || velocityChangeY > 2.0f;
}

bool Player::tilesHit(const BoundingBox& box) const {
    return world && world->boxHitsTiles(box, kProbeHit);
}

void Player::playSound(const char* name, int volume, int frequency) const {
    actors->playSound(name, volume, frequency);
}
