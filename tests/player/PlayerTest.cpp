// The player away from any room (its World is never set): hits, what each
// pose draws, speeds in the air, jumps, firing, form changes and the ball. It
// meets no tiles, so it is in the air unless a test puts it on the ground for
// a step.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gfx/Texture.h"
#include "support/RecordingGl.h"
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

// One drawn sprite: centre in world units (draw camera at the origin),
// rotation in degrees, mirroring and the sheet frame.
struct DrawnSprite {
    float x, y, rotation;
    bool flipped;
    int frame;
};

// The player made with graphics that write down each sprite drawn.
class PlayerDrawing : public PlayerAlone {
  protected:
    void SetUp() override {
        PlayerAlone::SetUp();
        if (IsSkipped()) return;
        delete player;
        player = new Player(&recording_, &actors);
        world->setPlayer(player);
        player->setPosition(100, 100, 0);
        Texture sheet(nullGl());  // both forms' sheets have its size
        sheet.load("data/vanta.tga");
        sheetWidth_ = sheet.getWidth();
        sheetHeight_ = sheet.getHeight();
    }

    std::vector<DrawnSprite> drawn(float alpha) {
        recgl::calls().clear();
        player->draw(alpha);
        std::vector<DrawnSprite> out;
        for (const recgl::Call& call : recgl::sprites()) {
            out.push_back(DrawnSprite{call.worldX(), call.worldY(), call.rotation, call.mirrored,
                                      call.frame(sheetWidth_, sheetHeight_)});
        }
        return out;
    }

    Graphics recording_{recgl::recordingGl()};
    float sheetWidth_ = 0;
    float sheetHeight_ = 0;
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

TEST_F(PlayerDrawing, DrawingBlendsBetweenStepsAndSetPositionSkipsTheBlend) {
    Player& p = *player;
    p.setPosition(10, 20, 0);
    EXPECT_FLOAT_EQ(drawn(0.5f).at(0).y, 20.0f);
    p.velocity = makeVector3(0, 10, 0);
    p.update(controls);  // falls freely: no room here
    const float y0 = p.previousPosition.y;
    const float y1 = p.position.y;
    EXPECT_FLOAT_EQ(drawn(0)[0].y, y0);
    EXPECT_FLOAT_EQ(drawn(1)[0].y, y1);
    EXPECT_NEAR(drawn(0.25f)[0].y, y0 * 0.75f + y1 * 0.25f, 1e-4);
}

TEST_F(PlayerDrawing, VantaBlinksOneStepInFiveAndTheSomersaultSpinsAboutThePosition) {
    Player& p = *player;
    p.form = kVanta;
    p.legFrame = 2;
    p.bodyFrame = 8;
    p.facing = 1;
    for (int timer = 91; timer >= 0; --timer) {
        p.invulnerableTimer = timer;
        ASSERT_EQ(drawn(1).size(), timer % 5 == 0 ? 2u : 0u) << "timer " << timer;
    }
    std::vector<DrawnSprite> sprites = drawn(1);  // legs 8 under, upper body 8 over
    EXPECT_EQ(sprites[0].frame, 2);
    EXPECT_FLOAT_EQ(sprites[0].y, 92.0f);
    EXPECT_EQ(sprites[1].frame, 8);
    EXPECT_FLOAT_EQ(sprites[1].y, 108.0f);
    EXPECT_TRUE(sprites[0].flipped && sprites[1].flipped);

    // Two halves 15 units apart, never mirrored, the spin blended like the position.
    p.somersault = true;
    p.somersaultAngle = 1.0f;
    p.previousSomersaultAngle = 0.6f;
    sprites = drawn(0.25f);
    ASSERT_EQ(sprites.size(), 2u);
    EXPECT_NEAR(sprites[1].x - sprites[0].x, 15 * std::sin(0.7f), 1e-3);
    EXPECT_NEAR(sprites[1].y - sprites[0].y, 15 * std::cos(0.7f), 1e-3);
    EXPECT_NEAR(sprites[0].x + sprites[1].x, 200.0f, 1e-3);
    EXPECT_NEAR(sprites[0].rotation, -0.7f * 360 / 6.2831855f, 1e-3);
    EXPECT_FALSE(sprites[0].flipped || sprites[1].flipped);
}

TEST_F(PlayerDrawing, GearboyBlinksFiveStepsAndShowsTheHitBurstWhileStunned) {
    Player& p = *player;
    p.facing = 1;
    p.onGround = true;
    for (int timer = 90; timer >= 80; --timer) {
        p.invulnerableTimer = timer;
        const bool shown = timer == 90 || timer <= 84;
        ASSERT_EQ(drawn(1).size(), shown ? 1u : 0u) << "timer " << timer;
    }
    EXPECT_FLOAT_EQ(drawn(1).at(0).x, 96.0f);  // leans 4 toward its facing on the ground

    // Stunned (the first 60 steps of a hit): the figure stands on its
    // position, and the hit burst plays 16 to 19 where the hit was.
    p.hurtPosition = makeVector3(70, 60, 0);
    std::vector<int> bursts;
    for (int timer = 150; timer > 90; --timer) {
        p.invulnerableTimer = timer;
        const std::vector<DrawnSprite> sprites = drawn(1);
        ASSERT_EQ(sprites.size(), 2u) << timer;
        EXPECT_FLOAT_EQ(sprites[0].x, 100.0f);
        EXPECT_FLOAT_EQ(sprites[1].x, 70.0f);
        EXPECT_FLOAT_EQ(sprites[1].y, 80.0f);
        if (bursts.empty() || bursts.back() != sprites[1].frame) bursts.push_back(sprites[1].frame);
    }
    EXPECT_EQ(bursts, (std::vector<int>{16, 17, 18, 19}));
}

TEST_F(PlayerAlone, SpeedsInTheAirSettleWhereTheyShould) {
    Player& p = *player;
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
        SCOPED_TRACE(testing::Message() << c.form << c.somersault << c.inWater);
        p.reset();
        p.form = c.form;
        p.inWater = c.inWater;
        p.somersault = c.somersault;
        p.facing = 1;
        controls.right = true;
        steps(6000);  // falling settles slowest: within e^-10 after 6000 steps
        const Vector3 settled = p.velocity;
        steps(5);
        EXPECT_NEAR(p.velocity.x, settled.x, 1e-4);
        EXPECT_NEAR(p.velocity.y, settled.y, 1e-4);
        EXPECT_NEAR(settled.x, c.run, 0.005f);
        EXPECT_NEAR(settled.y, c.fall, 0.02f);
        // A somersault keeps its facing, so its spin, whatever is pressed.
        EXPECT_EQ(p.facing, c.somersault ? 1 : 0);
    }
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
        EXPECT_FALSE(p.jumping);

        // Tapped: the next step with the button up cuts the rise to 1.0.
        p.reset();
        p.form = c.form;
        p.inWater = c.inWater;
        EXPECT_NEAR(jumpProfile(1, 2)[1], (1.0f - c.gravity) * c.drag, 1e-4);
    }
    // Only the vanta's jump makes a sound.
    EXPECT_EQ(takeAudio(), (Audio{"play vanta_jump 20", "play vanta_jump 20"}));
}

TEST_F(PlayerAlone, RunningJumpSomersaultsUntilFireOrUp) {
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
    EXPECT_EQ(p.firePoseTimer, 0);

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
        EXPECT_EQ(p.firePoseTimer, c.form == kGearboy && c.air ? 59 : 29);
    }
}

TEST_F(PlayerAlone, FormChangesAtTheStationOnTheGroundOnly) {
    Player& p = *player;
    p.formChangeAllowed = true;
    controls.up = true;
    p.update(controls);  // not on the ground
    EXPECT_EQ(p.form, kGearboy);
    p.setPosition(100, 100, 0);
    p.onGround = true;
    p.update(controls);
    EXPECT_EQ(p.form, kVanta);
    EXPECT_FLOAT_EQ(p.position.y, 112.0f);  // the taller figure stands up from the same feet
    EXPECT_FALSE(p.onGround);
    EXPECT_EQ(takeAudio(), Audio{"play vanta_jump 40"});

    // Back again with down, which wins over rolling into a ball, but only
    // at the station.
    release();
    controls.down = true;
    p.hasBall = true;
    p.onGround = true;
    p.formChangeAllowed = false;
    p.update(controls);
    EXPECT_TRUE(p.ball);
    p.ball = false;
    p.onGround = true;
    p.formChangeAllowed = true;
    p.update(controls);
    EXPECT_EQ(p.form, kGearboy);
    EXPECT_FALSE(p.ball);
}

TEST_F(PlayerAlone, BallCurlsForSevenStepsAndStandsUpInTheOpen) {
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
    EXPECT_EQ(p.bodyFrame, 18);
    EXPECT_NEAR(p.position.y, before + 8, 0.05f);
    EXPECT_EQ(shotsFired(), 0);  // no shots and no jump while a ball
    EXPECT_LT(p.velocity.y, 0.0f);

    controls.up = true;  // nothing overhead out here
    p.update(controls);
    EXPECT_FALSE(p.ball);
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

}  // namespace
