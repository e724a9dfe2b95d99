#include "enemies/BossDragon.h"

#include <cmath>

#include "gfx/Graphics.h"
#include "world/ActorContext.h"
#include "world/World.h"

namespace {

// Each part's offset from the position at scale 1 (facing right) and its
// sheet frame, for pose 0 and pose 1. Parts 0 to 7 and 13, 14 have one pose.
struct Part {
    Vector3 offset[2];
    std::int32_t frame[2];
};
// clang-format off
const Part kParts[BossDragon::kPartCount] = {
    {{{-15, 15.5f, 0}, {-15, 15.5f, 0}}, {0, 0}},
    {{{15, 15.5f, 0},  {15, 15.5f, 0}},  {1, 1}},
    {{{-15, -15, 0},   {-15, -15, 0}},   {2, 2}},
    {{{15, -15, 0},    {15, -15, 0}},    {3, 3}},
    {{{-15, -45, 0},   {-15, -45, 0}},   {4, 4}},
    {{{15, -45, 0},    {15, -45, 0}},    {5, 5}},
    {{{30, 40, 0},     {30, 40, 0}},     {6, 6}},
    {{{60, 40, 0},     {60, 40, 0}},     {7, 7}},
    {{{30, 10, 0},     {30, 10, 0}},     {8, 10}},   // head: headPose
    {{{60, 10, 0},     {56, 10, 0}},     {9, 11}},   // jaw: headPose
    {{{-15, -75, 0},   {-3, -75, 0}},    {14, 17}},  // tail: lowerPose
    {{{-14, -105, 0},  {-33, -78, 0}},   {15, 16}},  // tail tip: lowerPose
    {{{-21, 8, 0},     {-15, 20.5f, 0}}, {12, 13}},  // wing: wingPose
    {{{12, -60, 0},    {12, -60, 0}},    {19, 19}},  // hind leg, until it hovers
    {{{7, -76, 0},     {7, -76, 0}},     {18, 18}},  // hind foot, until it hovers
};
// clang-format on

constexpr float kDamping = 0.9f;
constexpr int kSwoopSteps = 150;  // the swoop in lasts while its timer is not above this
constexpr int kPauseUntil = 50;
constexpr int kClimbUntil = 150;
constexpr int kWingBeat = 7;  // steps a wing pose is held

}  // namespace

BossDragon::BossDragon(Graphics* graphics, Vector3 position, std::int32_t kind, std::uint8_t flag)
    : Enemy(graphics, position, kind, flag) {
    facing = flag != 0 ? 0 : 1;
    placeBoxes();
}

void BossDragon::placeBoxes() {
    const float headX = facing == 0 ? position.x + 38 : position.x - 38;
    box.set(makeVector3(headX, position.y + 23, 0), velocity, 15, 37);
    bodyBox.set(makeVector3(position.x, position.y - 15, 0), velocity, 40, 80);
}

void BossDragon::hurt(std::int32_t /*damage*/) {
    if (headHit) playSound("gearboy_enemyhurt", 30);
}

bool BossDragon::overlaps(BoundingBox* other) {
    headHit = false;
    if (state < kHovering) return false;
    if (box.overlaps(*other)) {
        headHit = true;
        return true;
    }
    return bodyBox.overlaps(*other);
}

void BossDragon::update() {
    previousPosition = position;
    previousScale = scale;
    switch (state) {
        case kWaiting:
            if (world->inDragonRoom && world->bossMusicStarted) {
                scale = previousScale = 1.0f;
                facing = 1;
                state = kHovering;
            }
            // Tested second, so the fly-past wins.
            if (world->wooshPlayed) state = kSwoopingIn;
            break;
        case kSwoopingIn:
            ++timer;
            if (timer > kSwoopSteps) {
                timer = 0;
                state = kPausing;
                scale = 1.0f;
                actors->playSound("dragon_woosh_rev", 70, 65000);
            }
            facing = 0;
            velocity.x = 2 / (timer * 0.01f + 1);
            velocity.y = -(timer * 0.03f);
            scale *= 1.01f;
            headPose = 1;
            lowerPose = 1;
            wingPose = (timer / kWingBeat) % 2;
            break;
        case kPausing:
            if (++timer > kPauseUntil) state = kClimbingOut;
            break;
        case kClimbingOut:
            if (++timer > kClimbUntil) state = kResting;
            facing = 1;
            headPose = 1;
            wingPose = (timer / kWingBeat) % 2;
            if (position.y > kFirstCrushAbove && world->crushStage == 0) {
                world->crushStage = 1;
                lowerPose = 0;
            }
            if (position.y > kSecondCrushAbove && world->crushStage == 2) world->crushStage = 3;
            velocity.x = -1.7f;
            velocity.y = 6.0f;
            break;
        case kHovering:
            ++timer;
            velocity.y = 2 * std::sin(timer * 0.03f);
            velocity.x = 0.5f * std::cos(timer * 0.04f);
            break;
        default:  // resting: the damping brings it to a stop
            break;
    }
    velocity.x *= kDamping;
    velocity.y *= kDamping;
    placeBoxes();
    position = vectorAdd(position, velocity);
}

void BossDragon::drawPart(int part, int pose, Vector3 at, float drawScale) const {
    const Vector3 offset = kParts[part].offset[pose];
    const float x = facing == 0 ? at.x + drawScale * offset.x : at.x - drawScale * offset.x;
    graphics->drawSprite(x, at.y + drawScale * offset.y, 0, drawScale, facing == 1,
                         kParts[part].frame[pose]);
}

void BossDragon::draw(float alpha) {
    // Far away it is dark: it brightens as it grows, and stays so.
    const float brightness = scale < 0.33f ? scale * 3 : 1.0f;
    graphics->gl().color4f(brightness, brightness, brightness, 1);
    if (state == kWaiting) return;
    const Vector3 at = vectorBlend(previousPosition, position, alpha);
    const float drawScale = previousScale * (1 - alpha) + scale * alpha;
    if (state < kHovering) {
        drawPart(13, 0, at, drawScale);
        drawPart(14, 0, at, drawScale);
    }
    for (int part = 0; part <= 7; ++part) drawPart(part, 0, at, drawScale);
    drawPart(8, headPose, at, drawScale);
    drawPart(9, headPose, at, drawScale);
    drawPart(10, lowerPose, at, drawScale);
    drawPart(11, lowerPose, at, drawScale);
    drawPart(12, wingPose, at, drawScale);
}
