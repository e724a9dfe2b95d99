// The player object: taking hits in both forms, and what each pose draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "player/PlayerTestRig.h"

namespace player_test {
namespace {

using PlayerObject = PlayerRig;

TEST_F(PlayerObject, VantaHitThrowsAwayFromSourceAndLevelSourceThrowsRight) {
    Player& p = *player_;
    p.form = kVanta;
    p.somersault = true;
    p.onGround = true;
    p.facing = 1;
    p.hurt(15, makeVector3(100, 300, 0));  // exactly level in x
    EXPECT_EQ(p.health, 84);
    EXPECT_EQ(p.invulnerableTimer, 90);
    EXPECT_FLOAT_EQ(p.velocity.x, 2.0f);
    EXPECT_FLOAT_EQ(p.velocity.y, 3.0f);
    EXPECT_FALSE(p.somersault || p.onGround);
    EXPECT_EQ(p.facing, 1);
    EXPECT_EQ(sounds(), std::vector<std::string>{"vanta_hurt"});

    // Invulnerable to its last step: nothing at all, not even the sound.
    p.invulnerableTimer = 1;
    p.hurt(15, makeVector3(120, 100, 0));
    EXPECT_EQ(p.health, 84);
    EXPECT_FLOAT_EQ(p.velocity.x, 2.0f);
    EXPECT_TRUE(sounds().empty());

    p.invulnerableTimer = 0;
    p.hurt(1, makeVector3(100.01f, 100, 0));
    EXPECT_FLOAT_EQ(p.velocity.x, -2.0f);
}

TEST_F(PlayerObject, GearboyHitTurnsTowardSourceAndLevelSourceTurnsLeft) {
    Player& p = *player_;
    p.velocity = makeVector3(0.5f, -2, 0);
    p.hurt(10, makeVector3(100, 90, 0));
    EXPECT_EQ(p.facing, 1);
    EXPECT_EQ(p.invulnerableTimer, 150);
    EXPECT_EQ(p.health, 89);
    EXPECT_FLOAT_EQ(p.velocity.x, 0.5f);  // only y changes
    EXPECT_FLOAT_EQ(p.velocity.y, 1.0f);
    EXPECT_EQ(p.hurtPosition.x, 100.0f);
    EXPECT_EQ(sounds(), std::vector<std::string>{"gearboy_hurt"});

    p.invulnerableTimer = 0;
    p.facing = 1;
    p.hurt(10, makeVector3(100.5f, 90, 0));
    EXPECT_EQ(p.facing, 0);
}

TEST_F(PlayerObject, HealthNeverEndsAStepBelowZero) {
    for (int form : {kVanta, kGearboy}) {
        player_->reset();
        player_->form = form;
        player_->hurt(100, makeVector3(0, 0, 0));
        EXPECT_EQ(player_->health, -1);  // inside the step it may go below
        player_->update(controls_);
        EXPECT_EQ(player_->health, 0) << "form " << form;
    }
}

TEST_F(PlayerObject, DrawingBlendsBetweenStepsAndSetPositionSkipsTheBlend) {
    Player& p = *player_;
    p.setPosition(10, 20, 0);
    std::vector<DrawnSprite> sprites = drawn(0.5f);
    ASSERT_EQ(sprites.size(), 1u);
    EXPECT_FLOAT_EQ(sprites[0].x, 12.0f);  // leans 2 toward its facing in the air
    EXPECT_FLOAT_EQ(sprites[0].y, 20.0f);

    p.velocity = makeVector3(0, 10, 0);
    p.update(controls());  // falls freely: no room here
    const float y0 = p.previousPosition.y;
    const float y1 = p.position.y;
    EXPECT_FLOAT_EQ(drawn(0)[0].y, y0);
    EXPECT_FLOAT_EQ(drawn(1)[0].y, y1);
    EXPECT_NEAR(drawn(0.25f)[0].y, y0 * 0.75f + y1 * 0.25f, 1e-4);
}

TEST_F(PlayerObject, VantaFigureBlinksOneStepInFive) {
    Player& p = *player_;
    p.form = kVanta;
    p.legFrame = 2;
    p.bodyFrame = 8;
    p.facing = 1;
    for (int timer = 91; timer >= 0; --timer) {
        p.invulnerableTimer = timer;
        const std::vector<DrawnSprite> sprites = drawn(1);
        ASSERT_EQ(sprites.size(), timer % 5 == 0 ? 2u : 0u) << "timer " << timer;
    }
    const std::vector<DrawnSprite> sprites = drawn(1);
    EXPECT_EQ(sprites[0].frame, 2);
    EXPECT_FLOAT_EQ(sprites[0].y, 92.0f);
    EXPECT_EQ(sprites[1].frame, 8);
    EXPECT_FLOAT_EQ(sprites[1].y, 108.0f);
    EXPECT_TRUE(sprites[0].flipped && sprites[1].flipped);
}

TEST_F(PlayerObject, VantaPosesMirrorOnlyWhenStandingOrCurling) {
    Player& p = *player_;
    p.form = kVanta;
    p.facing = 1;
    p.ball = true;
    p.bodyFrame = 19;
    p.animCounter = 100;  // rolled
    std::vector<DrawnSprite> sprites = drawn(1);
    ASSERT_EQ(sprites.size(), 1u);
    EXPECT_FALSE(sprites[0].flipped);
    EXPECT_EQ(sprites[0].frame, 19);
    EXPECT_FLOAT_EQ(sprites[0].y, 92.0f);

    p.animCounter = 101;  // still curling: two mirrored halves
    sprites = drawn(1);
    ASSERT_EQ(sprites.size(), 2u);
    EXPECT_TRUE(sprites[0].flipped);

    // The somersault turns both halves about the position, 15 units apart.
    p.ball = false;
    p.somersault = true;
    p.somersaultAngle = 1.0f;
    sprites = drawn(1);
    ASSERT_EQ(sprites.size(), 2u);
    EXPECT_EQ(sprites[0].frame, 17);
    EXPECT_EQ(sprites[1].frame, 16);
    EXPECT_NEAR(sprites[1].x - sprites[0].x, 15 * std::sin(1.0f), 1e-3);
    EXPECT_NEAR(sprites[1].y - sprites[0].y, 15 * std::cos(1.0f), 1e-3);
    EXPECT_NEAR(sprites[0].x + sprites[1].x, 200.0f, 1e-3);
    EXPECT_NEAR(sprites[0].rotation, -1.0f * 360 / 6.2831855f, 1e-3);
    EXPECT_FALSE(sprites[0].flipped || sprites[1].flipped);

    // Between steps the spin is blended like the position.
    p.previousSomersaultAngle = 0.6f;
    sprites = drawn(0.25f);
    EXPECT_NEAR(sprites[0].rotation, -0.7f * 360 / 6.2831855f, 1e-3);
}

TEST_F(PlayerObject, GearboyBlinksFiveStepsAndShowsTheHitBurstWhileStunned) {
    Player& p = *player_;
    p.facing = 1;
    p.onGround = true;
    p.bodyFrame = 3;
    for (int timer = 90; timer >= 80; --timer) {
        p.invulnerableTimer = timer;
        const bool shown = timer == 90 || timer <= 84;
        ASSERT_EQ(drawn(1).size(), shown ? 1u : 0u) << "timer " << timer;
    }
    p.invulnerableTimer = 90;
    std::vector<DrawnSprite> sprites = drawn(1);
    EXPECT_FLOAT_EQ(sprites[0].x, 96.0f);  // leans 4 toward its facing on the ground
    EXPECT_TRUE(sprites[0].flipped);
    EXPECT_EQ(sprites[0].frame, 3);

    // Stunned (the first 60 steps of a hit): the figure stands on its
    // position, and the hit burst plays forward where the hit came from.
    p.hurtPosition = makeVector3(70, 60, 0);
    std::vector<int> bursts;
    for (int timer = 150; timer > 90; --timer) {
        p.invulnerableTimer = timer;
        sprites = drawn(1);
        ASSERT_EQ(sprites.size(), 2u) << timer;
        EXPECT_FLOAT_EQ(sprites[0].x, 100.0f);
        EXPECT_FLOAT_EQ(sprites[1].x, 70.0f);
        EXPECT_FLOAT_EQ(sprites[1].y, 80.0f);
        if (bursts.empty() || bursts.back() != sprites[1].frame) bursts.push_back(sprites[1].frame);
    }
    EXPECT_EQ(bursts, (std::vector<int>{16, 17, 18, 19}));
}

TEST_F(PlayerObject, GearboyAppearsFromAboveNeverMirrored) {
    Player& p = *player_;
    p.facing = 1;
    p.appearTimer = 30;
    std::vector<float> heights;
    std::vector<int> frames;
    while (p.appearTimer > 0) {
        const std::vector<DrawnSprite> sprites = drawn(1);
        ASSERT_EQ(sprites.size(), 1u);
        EXPECT_FALSE(sprites[0].flipped);
        heights.push_back(sprites[0].y - 100);
        p.update(controls());
        frames.push_back(p.bodyFrame);
        EXPECT_FLOAT_EQ(p.position.y, 100.0f);  // nothing moves it meanwhile
    }
    // Down from 168 above in steps of 8, a bob at the end, then standing.
    EXPECT_FLOAT_EQ(heights.front(), 168.0f);
    EXPECT_FLOAT_EQ(heights[21], 0.0f);
    EXPECT_FLOAT_EQ(heights.back(), 4.0f);
    EXPECT_TRUE(std::is_sorted(frames.begin(), frames.end() - 1));  // the landing plays forward
    EXPECT_EQ(frames.back(), 0);
    EXPECT_EQ(sounds(), std::vector<std::string>{"gearboy_appear"});
}

}  // namespace
}  // namespace player_test
