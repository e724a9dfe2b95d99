// The player object: taking hits in both forms, and what each pose draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "player/PlayerTestRig.h"

namespace player_test {
namespace {

using PlayerObject = PlayerRig;

TEST_F(PlayerObject, HitsThrowTheVantaAwayAndTurnTheGearboyTowardTheSource) {
    const struct {
        int form;
        float sourceDx;  // from the player
        int facingBefore, facing, invulnerable;
        float vx, vy;
        const char* sound;
    } cases[] = {
        {kVanta, 0, 1, 1, 90, 2, 3, "vanta_hurt"},  // level: thrown right, facing kept
        {kVanta, 0.01f, 1, 1, 90, -2, 3, "vanta_hurt"},
        {kGearboy, 0, 0, 1, 150, 0.5f, 1, "gearboy_hurt"},  // level: turns left; x kept
        {kGearboy, 0.5f, 1, 0, 150, 0.5f, 1, "gearboy_hurt"},
    };
    Player& p = *player_;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.form << " " << c.sourceDx);
        p.reset();
        p.form = c.form;
        p.facing = c.facingBefore;
        p.somersault = p.onGround = true;
        p.velocity = makeVector3(0.5f, -2, 0);
        p.hurt(10, makeVector3(100 + c.sourceDx, 90, 0));
        EXPECT_EQ(p.health, 89);
        EXPECT_EQ(p.invulnerableTimer, c.invulnerable);
        EXPECT_FLOAT_EQ(p.velocity.x, c.vx);
        EXPECT_FLOAT_EQ(p.velocity.y, c.vy);
        EXPECT_EQ(p.facing, c.facing);
        EXPECT_FALSE(p.onGround || (c.form == kVanta && p.somersault));
        EXPECT_EQ(sounds(), std::vector<std::string>{c.sound});

        // Invulnerable to its last step: nothing at all, not even the sound.
        p.invulnerableTimer = 1;
        p.hurt(10, makeVector3(0, 0, 0));
        EXPECT_EQ(p.health, 89);
        EXPECT_TRUE(sounds().empty());
    }
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

TEST_F(PlayerObject, VantaBlinksOneStepInFiveAndMirrorsOnlyStandingOrCurling) {
    Player& p = *player_;
    p.form = kVanta;
    p.legFrame = 2;
    p.bodyFrame = 8;
    p.facing = 1;
    for (int timer = 91; timer >= 0; --timer) {
        p.invulnerableTimer = timer;
        ASSERT_EQ(drawn(1).size(), timer % 5 == 0 ? 2u : 0u) << "timer " << timer;
    }
    std::vector<DrawnSprite> sprites = drawn(1);
    EXPECT_EQ(sprites[0].frame, 2);
    EXPECT_FLOAT_EQ(sprites[0].y, 92.0f);
    EXPECT_EQ(sprites[1].frame, 8);
    EXPECT_FLOAT_EQ(sprites[1].y, 108.0f);
    EXPECT_TRUE(sprites[0].flipped && sprites[1].flipped);

    p.ball = true;
    p.bodyFrame = 19;
    p.animCounter = 100;  // rolled: one sprite, never mirrored
    sprites = drawn(1);
    ASSERT_EQ(sprites.size(), 1u);
    EXPECT_FALSE(sprites[0].flipped);
    EXPECT_EQ(sprites[0].frame, 19);
    p.animCounter = 101;  // still curling: two mirrored halves
    sprites = drawn(1);
    ASSERT_EQ(sprites.size(), 2u);
    EXPECT_TRUE(sprites[0].flipped);

    // The somersault turns both halves about the position, 15 units apart,
    // its spin blended between steps like the position.
    p.ball = false;
    p.somersault = true;
    p.somersaultAngle = 1.0f;
    p.previousSomersaultAngle = 0.6f;
    sprites = drawn(0.25f);
    ASSERT_EQ(sprites.size(), 2u);
    EXPECT_EQ(sprites[0].frame, 17);
    EXPECT_EQ(sprites[1].frame, 16);
    EXPECT_NEAR(sprites[1].x - sprites[0].x, 15 * std::sin(0.7f), 1e-3);
    EXPECT_NEAR(sprites[1].y - sprites[0].y, 15 * std::cos(0.7f), 1e-3);
    EXPECT_NEAR(sprites[0].x + sprites[1].x, 200.0f, 1e-3);
    EXPECT_NEAR(sprites[0].rotation, -0.7f * 360 / 6.2831855f, 1e-3);
    EXPECT_FALSE(sprites[0].flipped || sprites[1].flipped);
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
    // position, and the hit burst plays forward where the hit was.
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
