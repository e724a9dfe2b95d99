// The two form controllers away from any room: speeds reached in the air,
// jumps step by step, firing, form changes and the ball. With no World the
// player is never on the ground unless a test puts it there for one step.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "player/PlayerTestRig.h"
#include "weapons/ProjectileSystem.h"

namespace player_test {
namespace {

class PlayerControl : public PlayerRig {
  protected:
    // Steps until the value settles, checking that it stays there.
    float settled(const std::function<float()>& read) {
        steps(6000);  // falling settles slowest: within e^-10 after 6000 steps
        const float value = read();
        steps(5);
        EXPECT_NEAR(read(), value, 1e-4);
        return value;
    }

    // Holds jump from the ground and returns velocity y after each step.
    std::vector<float> jumpProfile(int heldSteps, int totalSteps) {
        player_->onGround = true;
        std::vector<float> profile;
        for (int i = 0; i < totalSteps; ++i) {
            controls().jump = i < heldSteps;
            player_->update(controls_);
            profile.push_back(player_->velocity.y);
        }
        return profile;
    }

    int shotsFired() const { return player_->getProjectiles()->activeCount(); }
};

TEST_F(PlayerControl, SpeedsInTheAirSettleWhereTheyShould) {
    Player& p = *player_;
    const struct {
        int form;
        bool somersault, inWater;
        float run, fall;
    } cases[] = {
        {kVanta, false, false, 1.52f, -13.93f},
        {kVanta, true, false, 1.293f, -13.93f},
        {kGearboy, false, false, 1.08f, -33.23f},
        {kGearboy, false, true, 1.08f, -19.96f},
    };
    for (const auto& c : cases) {
        p.reset();
        p.form = c.form;
        p.inWater = c.inWater;
        p.somersault = c.somersault;
        p.facing = 1;
        controls().right = true;
        EXPECT_NEAR(settled([&] { return p.velocity.x; }), c.run, 0.005f) << c.form << c.somersault;
        EXPECT_NEAR(p.velocity.y, c.fall, 0.02f) << c.form << c.inWater;
        // A somersault keeps its facing, so its spin, whatever is pressed.
        EXPECT_EQ(p.facing, c.somersault ? 1 : 0);
    }
}

TEST_F(PlayerControl, JumpsRiseWhileHeldForAFixedNumberOfSteps) {
    Player& p = *player_;
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
        p.reset();
        p.form = c.form;
        p.inWater = c.inWater;
        const float lift = (c.speed - c.gravity) * c.drag;
        const std::vector<float> held = jumpProfile(30, c.liftSteps + 2);
        EXPECT_NEAR(held[0], lift * 0.9f, 1e-4);  // took off from the ground
        for (int i = 1; i < c.liftSteps; ++i) EXPECT_NEAR(held[i], lift, 1e-4) << c.form << i;
        EXPECT_LT(held[c.liftSteps], lift - 0.01f) << c.form << c.inWater;
        EXPECT_FALSE(p.jumping);

        // Tapped: the next step with the button up cuts the rise to 1.0.
        p.reset();
        p.form = c.form;
        p.inWater = c.inWater;
        const std::vector<float> tapped = jumpProfile(1, 2);
        EXPECT_NEAR(tapped[1], (1.0f - c.gravity) * c.drag, 1e-4) << c.form;
    }
    // Only the vanta's jump makes a sound.
    EXPECT_EQ(sounds(), (std::vector<std::string>{"vanta_jump", "vanta_jump"}));
}

TEST_F(PlayerControl, RunningJumpSomersaultsUntilFireOrUp) {
    Player& p = *player_;
    for (const bool right : {true, false}) {
        p.reset();
        p.getProjectiles()->clear();
        p.form = kVanta;
        release();
        controls().right = right;
        controls().left = !right;
        jumpProfile(1, 1);
        EXPECT_TRUE(p.somersault);
        EXPECT_FLOAT_EQ(p.somersaultAngle, right ? 0.4f : -0.4f);
        (right ? controls().fire : controls().up) = true;
        steps(1);
        EXPECT_FALSE(p.somersault);
        EXPECT_EQ(shotsFired(), right ? 1 : 0);
    }
}

TEST_F(PlayerControl, FireGivesOneShotPerPressAtMostEveryFiveSteps) {
    Player& p = *player_;
    p.form = kVanta;
    controls().fire = true;
    steps(40);
    EXPECT_EQ(shotsFired(), 1);
    EXPECT_EQ(p.firePoseTimer, 0);

    p.getProjectiles()->clear();
    release();
    steps(1);
    for (int press = 0; press < 6; ++press) {
        controls().fire = true;
        steps(1);
        controls().fire = false;
        steps(4);
    }
    EXPECT_EQ(shotsFired(), 6);

    // Pressed again a step too early: that press is lost.
    p.getProjectiles()->clear();
    controls().fire = true;
    steps(1);
    controls().fire = false;
    steps(3);
    controls().fire = true;
    steps(3);
    EXPECT_EQ(shotsFired(), 1);
}

TEST_F(PlayerControl, ShotsLeaveFromTheGunForEachAimAndFacing) {
    Player& p = *player_;
    struct Case {
        int form;
        bool up, air;
        int facing;
        float dx, dy, vx, vy;
    };
    const Case cases[] = {
        {kVanta, false, true, 0, 8, 5, 4, 0},
        {kVanta, true, true, 1, -2, 18, 0, 4},
        {kGearboy, false, false, 1, -10, 0, -4, 0},
        {kGearboy, false, true, 0, 12, 5, 4, 0},
    };
    for (const Case& c : cases) {
        p.reset();
        p.getProjectiles()->clear();
        p.setPosition(100, 100, 0);
        p.form = c.form;
        p.facing = c.facing;
        p.onGround = !c.air;
        release();
        controls().up = c.up;
        controls().fire = true;
        steps(1);
        const Projectile& shot = p.getProjectiles()->projectile(0);
        ASSERT_TRUE(shot.active);
        // The shot moved once in the same step: its start is the previous position.
        EXPECT_FLOAT_EQ(shot.previousPosition.x, 100 + c.dx) << c.form << c.up << c.air << c.facing;
        EXPECT_FLOAT_EQ(shot.previousPosition.y, 100 + c.dy) << c.form << c.up << c.air << c.facing;
        EXPECT_FLOAT_EQ(shot.velocity.x, c.vx);
        EXPECT_FLOAT_EQ(shot.velocity.y, c.vy);
        EXPECT_EQ(shot.kind, c.form == kVanta ? 0 : 8);
        EXPECT_EQ(p.firePoseTimer, c.form == kGearboy && c.air ? 59 : 29);
    }
}

TEST_F(PlayerControl, FormChangesAtTheStationOnTheGroundOnly) {
    Player& p = *player_;
    p.formChangeAllowed = true;
    controls().up = true;
    p.update(controls());  // not on the ground
    EXPECT_EQ(p.form, kGearboy);
    p.onGround = true;
    p.invulnerableTimer = 91;  // stunned: the controls are not read
    p.update(controls());
    EXPECT_EQ(p.form, kGearboy);

    p.invulnerableTimer = 90;
    p.onGround = true;
    p.setPosition(100, 100, 0);
    sounds();
    p.update(controls());
    EXPECT_EQ(p.form, kVanta);
    EXPECT_FLOAT_EQ(p.position.y, 112.0f);
    EXPECT_FLOAT_EQ(p.previousPosition.y, 100.0f);
    EXPECT_FALSE(p.onGround);
    EXPECT_EQ(p.invulnerableTimer, 90);  // the step ended at once
    ASSERT_EQ(audio_->log().size(), 1u);
    EXPECT_EQ(audio_->log().at(0).frequency, 20000);

    // Back again with down, which wins over rolling into a ball, but only
    // at the station.
    release();
    controls().down = true;
    p.hasBall = true;
    p.onGround = true;
    p.formChangeAllowed = false;
    p.update(controls());
    EXPECT_TRUE(p.ball);
    p.ball = false;
    p.onGround = true;
    p.formChangeAllowed = true;
    p.update(controls());
    EXPECT_EQ(p.form, kGearboy);
    EXPECT_FALSE(p.ball);
}

TEST_F(PlayerControl, BallCurlsForSevenStepsAndStandsUpInTheOpen) {
    Player& p = *player_;
    p.form = kVanta;
    p.hasBall = true;
    p.velocity = makeVector3(1.2f, 0, 0);
    controls().down = true;
    steps(1);
    EXPECT_EQ(sounds(), std::vector<std::string>{"vanta_ball"});
    EXPECT_TRUE(p.ball);
    EXPECT_EQ(p.animCounter, 106);
    EXPECT_EQ(p.bodyFrame, 16);
    release();
    controls().fire = true;
    controls().jump = true;
    for (int i = 0; i < 5; ++i) p.update(controls());
    const float before = p.position.y + p.velocity.y * 0.995f - 0.07f * 0.995f;
    p.update(controls());  // the seventh step ends the curl: the ball sits 8 higher
    EXPECT_EQ(p.animCounter, 0);
    EXPECT_EQ(p.bodyFrame, 18);
    EXPECT_NEAR(p.position.y, before + 8, 0.05f);
    EXPECT_EQ(shotsFired(), 0);  // no shots and no jump while a ball
    EXPECT_LT(p.velocity.y, 0.0f);

    controls().up = true;  // nothing overhead out here
    p.update(controls());
    EXPECT_FALSE(p.ball);
}

TEST_F(PlayerControl, StunnedGearboyIgnoresControlsAndIsPushedBack) {
    Player& p = *player_;
    p.hurt(10, makeVector3(150, 100, 0));  // from the right: faces right
    ASSERT_EQ(p.facing, 0);
    controls().right = true;
    controls().fire = true;
    float vx = p.velocity.x;
    for (int i = 0; i < 59; ++i) {
        p.update(controls());
        EXPECT_FLOAT_EQ(p.velocity.x, vx * 0.9f - 0.1f) << "step " << i;
        vx = p.velocity.x;
    }
    EXPECT_EQ(p.invulnerableTimer, 91);
    EXPECT_EQ(shotsFired(), 0);
    p.update(controls());  // the 60th step still ignores the controls but pushes no more
    EXPECT_FLOAT_EQ(p.velocity.x, vx * 0.9f);
    p.update(controls());
    EXPECT_EQ(shotsFired(), 1);
    EXPECT_GT(p.velocity.x, vx * 0.9f * 0.9f);
}

}  // namespace
}  // namespace player_test
