// The player alone (no World: always in the air unless a test says otherwise)
// and in a small room; and the box push-out every mover relies on.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "player/BoundingBox.h"
#include "support/WorldFixture.h"
#include "weapons/ProjectileSystem.h"

namespace {

using Audio = std::vector<std::string>;

class PlayerAlone : public WorldFixture {
  protected:
    void SetUp() override {
        WorldFixture::SetUp();
        if (!IsSkipped()) player->setPosition(100, 100, 0);
    }
    void release() {
        Controls& c = controls;
        c.right = c.left = c.up = c.down = c.jump = c.fire = false;
    }
    void steps(int count) {
        for (int i = 0; i < count; ++i) player->update(controls);
    }
    int shotsFired() const { return player->getProjectiles()->activeCount(); }

    // Holds jump from the ground and returns velocity y after each step.
    std::vector<float> jumpProfile(int heldSteps, int totalSteps) {
        player->onGround = true;
        std::vector<float> profile;
        for (int i = 0; i < totalSteps; ++i) {
            controls.jump = i < heldSteps;
            player->update(controls);
            profile.push_back(player->velocity.y);
        }
        return profile;
    }
};

// A floor along the bottom row, a low ceiling over columns 10 to 12 (row 2)
// and a higher one over 14 to 16 (row 3).
class PlayerOnGround : public PlayerAlone {
  protected:
    void SetUp() override {
        PlayerAlone::SetUp();
        if (IsSkipped()) return;
        TestRoom room = floorRoom("ground.sec");
        room.solid[11] = "..............###...";
        room.solid[12] = "..........###.......";
        build({room});
    }

    // Drops the player onto the floor at column `column`'s centre and lets it settle.
    void standAt(int column) {
        player->setPosition(column * 16.0f + 8, 40, 0);
        steps(60);
        ASSERT_TRUE(player->onGround);
        takeAudio();
    }

    // Steps, counting the steps that leave the ground upward.
    int takeOffs(int count) {
        int found = 0;
        for (int i = 0; i < count; ++i) {
            const bool wasOnGround = player->onGround;
            player->update(controls);
            if (wasOnGround && player->velocity.y > 2) ++found;
        }
        return found;
    }
};

TEST_F(PlayerAlone, HitsThrowTheVantaAwayTurnTheGearboyAndLeaveNoHealthBelowZero) {
    const struct {
        int form;
        float sourceDx;  // from the player
        int facingBefore, facing, invulnerable;
        float vx, vy;
        const char* sound;
    } cases[] = {
        {kVanta, 0, 1, 1, 90, 2, 3, "play vanta_hurt 70"},  // level: thrown right, facing kept
        {kVanta, 0.01f, 1, 1, 90, -2, 3, "play vanta_hurt 70"},
        {kGearboy, 0, 0, 1, 150, 0.5f, 1, "play gearboy_hurt 40"},  // level: turns left; x kept
        {kGearboy, 0.5f, 1, 0, 150, 0.5f, 1, "play gearboy_hurt 40"},
    };
    Player& p = *player;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.form << " " << c.sourceDx);
        p.reset();
        p.setPosition(100, 100, 0);
        p.form = c.form;
        p.facing = c.facingBefore;
        p.somersault = p.onGround = true;
        p.velocity = makeVector3(0.5f, -2, 0);
        p.health = 9;
        p.hurt(10, makeVector3(100 + c.sourceDx, 90, 0));
        EXPECT_EQ(p.health, -1);  // inside the step it may go below
        EXPECT_EQ(p.invulnerableTimer, c.invulnerable);
        EXPECT_FLOAT_EQ(p.velocity.x, c.vx);
        EXPECT_FLOAT_EQ(p.velocity.y, c.vy);
        EXPECT_EQ(p.facing, c.facing);
        EXPECT_FALSE(p.onGround || (c.form == kVanta && p.somersault));
        EXPECT_EQ(takeAudio(), Audio{c.sound});

        // Invulnerable to its last step: nothing at all, not even the sound.
        p.invulnerableTimer = 1;
        p.hurt(10, makeVector3(0, 0, 0));
        EXPECT_EQ(p.health, -1);
        EXPECT_TRUE(takeAudio().empty());
        p.update(controls);
        EXPECT_EQ(p.health, 0);  // but never past the step's end
    }
}

TEST_F(PlayerAlone, TheGearboyIsHeldStillWhileItAppears) {
    player->appearTimer = 30;
    controls.right = controls.jump = true;
    steps(30);
    EXPECT_FLOAT_EQ(player->position.y, 100.0f);
    EXPECT_EQ(takeAudio(), Audio{"play gearboy_appear 30"});
}

TEST_F(PlayerAlone, JumpsRiseWhileHeldForAFixedNumberOfSteps) {
    Player& p = *player;
    const struct {
        int form;
        bool inWater;
        float speed, gravity, drag;
        int liftSteps;
    } cases[] = {
        {kVanta, false, 3.1f, 0.07f, 0.995f, 10},
        {kGearboy, false, 3.0f, 0.1f, 0.997f, 5},
        {kGearboy, true, 3.0f, 0.04f, 0.998f, 13},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.form << c.inWater);
        p.reset();
        p.form = c.form;
        p.inWater = c.inWater;
        const float lift = (c.speed - c.gravity) * c.drag;
        const std::vector<float> held = jumpProfile(30, c.liftSteps + 2);
        EXPECT_NEAR(held[0], lift * 0.9f, 1e-4);  // took off from the ground
        for (int i = 1; i < c.liftSteps; ++i) EXPECT_NEAR(held[i], lift, 1e-4) << i;
        EXPECT_LT(held[c.liftSteps], lift - 0.01f);

        // Tapped: the next step with the button up cuts the rise to 1.0.
        p.reset();
        p.form = c.form;
        p.inWater = c.inWater;
        EXPECT_NEAR(jumpProfile(1, 2)[1], (1.0f - c.gravity) * c.drag, 1e-4);
    }
    // Only the vanta's jump makes a sound.
    EXPECT_EQ(takeAudio(), (Audio{"play vanta_jump 20", "play vanta_jump 20"}));
}

TEST_F(PlayerAlone, RunningJumpSomersaultsWithItsFacingUntilFireOrUp) {
    Player& p = *player;
    for (const bool right : {true, false}) {
        p.reset();
        p.getProjectiles()->clear();
        p.form = kVanta;
        release();
        controls.right = right;
        controls.left = !right;
        jumpProfile(1, 1);
        EXPECT_TRUE(p.somersault);
        EXPECT_FLOAT_EQ(p.somersaultAngle, right ? 0.4f : -0.4f);
        std::swap(controls.right, controls.left);  // steering keeps the facing, so the spin
        steps(1);
        EXPECT_EQ(p.facing, right ? 0 : 1);
        (right ? controls.fire : controls.up) = true;
        steps(1);
        EXPECT_FALSE(p.somersault);
        EXPECT_EQ(shotsFired(), right ? 1 : 0);
    }
}

TEST_F(PlayerAlone, FireGivesOneShotPerPressAtMostEveryFiveSteps) {
    Player& p = *player;
    p.form = kVanta;
    controls.fire = true;
    steps(40);
    EXPECT_EQ(shotsFired(), 1);  // held: one shot

    // Pressed every fifth step, every press fires; a step sooner, one is lost.
    for (const int gap : {5, 4}) {
        p.getProjectiles()->clear();
        release();
        steps(5);
        for (int press = 0; press < 2; ++press) {
            controls.fire = true;
            steps(1);
            controls.fire = false;
            steps(gap - 1);
        }
        EXPECT_EQ(shotsFired(), gap == 5 ? 2 : 1) << "gap " << gap;
    }
}

TEST_F(PlayerAlone, ShotsLeaveFromTheGunForEachAimAndFacing) {
    Player& p = *player;
    const struct {
        int form;
        bool up, air;
        int facing;
        float dx, dy, vx, vy;
    } cases[] = {
        {kVanta, false, true, 0, 8, 5, 4, 0},
        {kVanta, true, true, 1, -2, 18, 0, 4},
        {kGearboy, false, false, 1, -10, 0, -4, 0},
        {kGearboy, false, true, 0, 12, 5, 4, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.form << c.up << c.air << c.facing);
        p.reset();
        p.getProjectiles()->clear();
        p.setPosition(100, 100, 0);
        p.form = c.form;
        p.facing = c.facing;
        p.onGround = !c.air;
        release();
        controls.up = c.up;
        controls.fire = true;
        steps(1);
        const Projectile& shot = p.getProjectiles()->projectile(0);
        ASSERT_TRUE(shot.active);
        // The shot moved once in the same step: its start is the previous position.
        EXPECT_FLOAT_EQ(shot.previousPosition.x, 100 + c.dx);
        EXPECT_FLOAT_EQ(shot.previousPosition.y, 100 + c.dy);
        EXPECT_FLOAT_EQ(shot.velocity.x, c.vx);
        EXPECT_FLOAT_EQ(shot.velocity.y, c.vy);
        EXPECT_EQ(shot.kind, c.form == kVanta ? 0 : 8);
    }
}

TEST_F(PlayerAlone, FormChangesAtTheStationOnTheGroundOnly) {
    Player& p = *player;
    p.formChangeAllowed = true;
    controls.up = true;
    steps(1);  // in the air: no change
    EXPECT_EQ(p.form, kGearboy);
    p.setPosition(100, 100, 0);
    p.onGround = true;
    steps(1);
    EXPECT_EQ(p.form, kVanta);
    EXPECT_FLOAT_EQ(p.position.y, 112.0f);  // the taller figure stands up from the same feet
    EXPECT_EQ(takeAudio(), Audio{"play vanta_jump 40"});

    // Back with down, which wins over rolling into a ball, but only at the station.
    release();
    controls.down = true;
    p.hasBall = p.onGround = true;
    p.formChangeAllowed = false;
    steps(1);
    EXPECT_TRUE(p.ball);
    p.ball = false;
    p.onGround = p.formChangeAllowed = true;
    steps(1);
    EXPECT_EQ(p.form, kGearboy);
    EXPECT_FALSE(p.ball);
}

TEST_F(PlayerAlone, BallCurlsForSevenStepsAndNeitherFiresNorJumps) {
    Player& p = *player;
    p.form = kVanta;
    p.hasBall = true;
    controls.down = true;
    steps(1);
    EXPECT_EQ(takeAudio(), Audio{"play vanta_ball 70"});
    EXPECT_TRUE(p.ball);
    release();
    controls.fire = true;
    controls.jump = true;
    steps(5);
    const float before = p.position.y + p.velocity.y * 0.995f - 0.07f * 0.995f;
    p.update(controls);  // the seventh step ends the curl: the ball sits 8 higher
    EXPECT_NEAR(p.position.y, before + 8, 0.05f);
    EXPECT_EQ(shotsFired(), 0);
    EXPECT_LT(p.velocity.y, 0.0f);
}

TEST_F(PlayerAlone, StunnedGearboyIgnoresControlsAndIsPushedBack) {
    Player& p = *player;
    p.hurt(10, makeVector3(150, 100, 0));  // from the right: faces right
    ASSERT_EQ(p.facing, 0);
    controls.right = true;
    controls.fire = true;
    float vx = p.velocity.x;
    for (int i = 0; i < 59; ++i) {
        p.update(controls);
        EXPECT_FLOAT_EQ(p.velocity.x, vx * 0.9f - 0.1f) << "step " << i;
        vx = p.velocity.x;
    }
    EXPECT_EQ(shotsFired(), 0);
    p.update(controls);  // the 60th step still ignores the controls but pushes no more
    EXPECT_FLOAT_EQ(p.velocity.x, vx * 0.9f);
    p.update(controls);
    EXPECT_EQ(shotsFired(), 1);
    EXPECT_GT(p.velocity.x, vx * 0.9f * 0.9f);
}

TEST_F(PlayerOnGround, AJumpNeedsTheButtonReleasedOnTheGround) {
    for (int form : {kVanta, kGearboy}) {
        player->reset();
        player->form = form;
        standAt(2);
        controls.jump = true;
        EXPECT_EQ(takeOffs(200), 1) << "held through the landing, form " << form;
        EXPECT_TRUE(player->onGround);

        controls.jump = false;
        steps(1);
        controls.jump = true;
        steps(1);
        EXPECT_GT(player->velocity.y, 2.5f) << "form " << form;

        // Let go in the air and press again before landing: still no jump.
        controls.jump = false;
        steps(2);
        controls.jump = true;
        EXPECT_EQ(takeOffs(200), 0) << "form " << form;
        release();
    }
}

TEST_F(PlayerOnGround, BallBouncesOnlyWhenFallingFastAndStandsUpOnlyWithHeadRoom) {
    player->form = kVanta;
    standAt(1);
    const float restY = player->position.y;  // the rolled ball's bottom is as deep
    for (const float speed : {-3.0f, -1.2f}) {
        player->ball = true;
        player->animCounter = 0;  // rolled
        player->setPosition(24, restY + (speed < -1.5f ? 48 : 1), 0);
        player->onGround = false;
        player->velocity = makeVector3(0, speed, 0);
        float before = speed;
        for (int i = 0; i < 100 && !player->onGround && player->velocity.y <= 0; ++i) {
            before = player->velocity.y;
            player->update(controls);
        }
        const float landing = (before - 0.07f) * 0.995f;
        if (speed < -1.5f) {
            ASSERT_LT(landing, -1.5f);
            EXPECT_NEAR(player->velocity.y, -0.5f * landing, 1e-4);
        } else {
            ASSERT_GT(landing, -1.5f);
            EXPECT_FLOAT_EQ(player->velocity.y, 0.0f);
        }
        steps(300);  // the bounces die away and the ball comes to rest
        EXPECT_NEAR(player->position.y, restY, 0.01f);
    }
    // It stands up only with head room: not under the low ceiling at column 11.
    for (int column : {11, 15}) {
        player->setPosition(column * 16.0f + 8, restY, 0);
        steps(5);
        controls.up = true;
        steps(1);
        EXPECT_EQ(player->ball, column == 11) << "column " << column;
        controls.up = false;
    }
}

// Steps until the player lands; false if it is still in the air after `limit`
// steps, so a player that never lands fails the test instead of hanging it.
static bool landWithin(Player* player, Controls& controls, int limit) {
    for (int i = 0; i < limit && !player->onGround; ++i) player->update(controls);
    return player->onGround;
}

TEST_F(PlayerOnGround, GearboyLandingPlaysUnlessFrozenAndEndsTheFirePose) {
    standAt(4);
    controls.jump = true;
    steps(1);
    controls.fire = true;
    steps(1);
    controls.jump = controls.fire = false;
    ASSERT_TRUE(landWithin(player, controls, 120));
    EXPECT_EQ(player->firePoseTimer, 0);
    EXPECT_EQ(takeAudio(), (Audio{"play gearboy_fire1 20", "play gearboy_land 15"}));

    world->freezeTimer = 10;
    steps(1);
    controls.jump = true;
    steps(1);
    controls.jump = false;
    ASSERT_TRUE(landWithin(player, controls, 120));
    EXPECT_TRUE(takeAudio().empty());
}

TEST_F(PlayerOnGround, TouchingAnEnemyHurtsUnlessStillInvulnerable) {
    player->form = kVanta;
    standAt(6);
    Enemy* enemy = world->getEnemies()->spawn(player->position, kHelmet, 0);
    ASSERT_NE(enemy, nullptr);
    player->invulnerableTimer = 1;  // counted down only after the enemy test
    steps(1);
    EXPECT_EQ(player->health, 99);
    steps(1);
    EXPECT_EQ(player->health, 99 - enemy->contactDamage);
    EXPECT_EQ(player->invulnerableTimer, 89);
}

BoundingBox box(float x, float y, float w, float h, float vx = 0, float vy = 0) {
    BoundingBox b;
    b.set(makeVector3(x, y, 0), makeVector3(vx, vy, 0), w, h);
    return b;
}

TEST(BoundingBox, AWallPushesBackSidewaysAndStopsOnlyTheSpeedIntoIt) {
    const BoundingBox wall = box(40, 30, 15, 15);
    BoundingBox body = box(40 - 7.5f - 6 + 0.5f, 30, 12, 30, 2, 1);
    EXPECT_TRUE(body.pushOutOf(wall));
    EXPECT_FLOAT_EQ(body.position.x, 40 - 7.5f - 6);
    EXPECT_FLOAT_EQ(body.velocity.x, 0);
    EXPECT_FLOAT_EQ(body.velocity.y, 1);

    BoundingBox other = box(40 + 7.5f + 6 - 0.5f, 30, 12, 30, 2, 0);
    EXPECT_TRUE(other.pushOutOf(wall));
    EXPECT_FLOAT_EQ(other.position.x, 40 + 7.5f + 6);
    EXPECT_FLOAT_EQ(other.velocity.x, 2);

    // A corner touch (0.3 on x, under the 0.5 tolerance, and too diagonal
    // for the vertical one) is reported but moves nothing.
    BoundingBox corner = box(15.7f, 14, 16, 16, 1, 1);
    EXPECT_TRUE(corner.pushOutOf(box(0, 0, 16, 16)));
    EXPECT_FLOAT_EQ(corner.position.x, 15.7f);
    EXPECT_FLOAT_EQ(corner.position.y, 14);
    EXPECT_FLOAT_EQ(corner.velocity.x, 1);
    EXPECT_FALSE(box(30, 0, 10, 10).pushOutOf(box(0, 0, 16, 16)));
}

}  // namespace
