// Both forms in a small room: running speeds, landing, jumping again, the
// ball's bounce and head room, the gearboy's landing and idle poses, and
// touching an enemy.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "input/Controls.h"
#include "particles/ParticleSystem.h"
#include "support/WorldFixture.h"

namespace {

class PlayerOnGround : public WorldFixture {
  protected:
    void SetUp() override {
        WorldFixture::SetUp();
        if (IsSkipped()) return;
        for (const char* name : {"vanta_jump", "vanta_ball", "vanta_hurt", "vanta_step",
                                 "vanta_fire1", "gearboy_fire1", "gearboy_land", "gearboy_hurt"}) {
            sound->loadSample((std::string("data\\sound\\") + name + ".wav").c_str(), name);
        }
        // A floor along the bottom row, a low ceiling over columns 10 to 12
        // (row 2) and a higher one over 14 to 16 (row 3).
        TestRoom room = floorRoom("ground.sec");
        room.solid[11] = "..............###...";
        room.solid[12] = "..........###.......";
        build({room});
        player_ = player;
    }

    Controls& controls() { return WorldFixture::controls; }
    void release() {
        Controls& c = controls();
        c.right = c.left = c.up = c.down = c.jump = c.fire = false;
    }
    void steps(int count) {
        for (int i = 0; i < count; ++i) player->update(WorldFixture::controls);
    }
    // Names of the sounds played since the last call.
    std::vector<std::string> sounds() {
        std::vector<std::string> names;
        for (const std::string& event : takeAudio()) {
            const std::size_t start = event.find(' ') + 1;
            names.push_back(event.substr(start, event.rfind(' ') - start));
        }
        return names;
    }

    // Drops the player onto the floor at column `column`'s centre and lets it settle.
    void standAt(int column) {
        player->setPosition(column * 16.0f + 8, 40, 0);
        steps(60);
        ASSERT_TRUE(player->onGround);
        sounds();
    }

    // Where the vanta rests on the floor; the rolled ball's bottom is at the
    // same depth below the position as the standing figure's.
    float vantaRestHeight() {
        player->form = kVanta;
        standAt(1);
        return player->position.y;
    }

    // Steps, counting the steps that leave the ground upward.
    int takeOffs(int count) {
        int found = 0;
        for (int i = 0; i < count; ++i) {
            const bool wasOnGround = player->onGround;
            player->update(WorldFixture::controls);
            if (wasOnGround && player->velocity.y > 2) ++found;
        }
        return found;
    }

    Player* player_ = nullptr;
};

TEST_F(PlayerOnGround, RunningSpeedsOnTheGround) {
    Player& p = *player_;
    for (int form : {kVanta, kGearboy}) {
        p.reset();
        p.form = form;
        standAt(1);
        controls().right = true;
        steps(50);
        const float vx = p.velocity.x;
        steps(1);
        EXPECT_NEAR(p.velocity.x, vx, 1e-4) << "held speed, form " << form;
        EXPECT_NEAR(vx, form == kVanta ? 1.474f : 1.066f, 0.005f) << "form " << form;
        EXPECT_TRUE(p.onGround);
        EXPECT_FLOAT_EQ(p.velocity.y, 0.0f);
        release();
    }
}

TEST_F(PlayerOnGround, HoldingJumpThroughALandingDoesNotJumpAgain) {
    Player& p = *player_;
    for (int form : {kVanta, kGearboy}) {
        p.reset();
        p.form = form;
        standAt(2);
        controls().jump = true;
        EXPECT_EQ(takeOffs(200), 1) << "form " << form;
        EXPECT_TRUE(p.onGround);
        EXPECT_FALSE(p.jumpReady);

        controls().jump = false;
        steps(1);
        EXPECT_TRUE(p.jumpReady);
        controls().jump = true;
        steps(1);
        EXPECT_FALSE(p.onGround) << "form " << form;
        EXPECT_GT(p.velocity.y, 2.5f);

        // Let go in the air and press again before landing: still no jump.
        controls().jump = false;
        steps(2);
        controls().jump = true;
        EXPECT_EQ(takeOffs(200), 0) << "form " << form;
        EXPECT_TRUE(p.onGround);
        release();
    }
}

TEST_F(PlayerOnGround, BallBouncesOnlyWhenFallingFasterThanOneAndAHalf) {
    Player& p = *player_;
    const float restY = vantaRestHeight();
    const struct {
        float height, speed;  // above the resting height
        bool bounces;
    } drops[] = {{48, -3.0f, true}, {1, -1.2f, false}};
    for (const auto& drop : drops) {
        p.reset();
        p.form = kVanta;
        p.ball = true;
        p.animCounter = 0;  // rolled
        p.setPosition(24, restY + drop.height, 0);
        p.velocity = makeVector3(0, drop.speed, 0);
        float before = p.velocity.y;
        for (int i = 0; i < 100 && !p.onGround && p.velocity.y <= 0; ++i) {
            before = p.velocity.y;
            p.update(controls());
        }
        const float landing = (before - 0.07f) * 0.995f;
        EXPECT_EQ(landing < -1.5f, drop.bounces);
        if (drop.bounces) {
            EXPECT_NEAR(p.velocity.y, -0.5f * landing, 1e-4);
            EXPECT_FALSE(p.onGround);
        } else {
            EXPECT_TRUE(p.onGround);
            EXPECT_FLOAT_EQ(p.velocity.y, 0.0f);
        }
        steps(300);  // the bounces die away and the ball comes to rest
        EXPECT_TRUE(p.onGround);
        EXPECT_NEAR(p.position.y, restY, 0.01f);
    }
}

TEST_F(PlayerOnGround, BallStandsUpOnlyWithHeadRoom) {
    Player& p = *player_;
    const float restY = vantaRestHeight();
    for (int column : {11, 15}) {
        p.ball = true;
        p.animCounter = 0;
        p.setPosition(column * 16.0f + 8, restY, 0);
        p.onGround = true;
        steps(5);
        ASSERT_TRUE(p.onGround);
        controls().up = true;
        steps(1);
        EXPECT_EQ(p.ball, column == 11) << "column " << column;  // 11 is under the low ceiling
        release();
    }
}

TEST_F(PlayerOnGround, GearboyLandingPlaysUnlessFrozenAndEndsTheFirePose) {
    Player& p = *player_;
    standAt(4);
    controls().jump = true;
    steps(1);
    controls().fire = true;
    steps(1);
    EXPECT_EQ(p.firePoseTimer, 59);  // fired in the air
    release();
    while (!p.onGround) p.update(controls());
    EXPECT_EQ(p.firePoseTimer, 0);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"gearboy_fire1", "gearboy_land"}));

    world->freezeTimer = 10;
    steps(1);
    controls().jump = true;
    steps(1);
    release();
    while (!p.onGround) p.update(controls());
    EXPECT_TRUE(sounds().empty());
}

TEST_F(PlayerOnGround, GearboyIdlesTwoHundredStepsThenFidgetsForThirty) {
    Player& p = *player_;
    standAt(5);
    p.idleTimer = 0;
    std::vector<int> frames;
    for (int i = 0; i < 460; ++i) {
        p.update(controls());
        frames.push_back(p.bodyFrame);
    }
    for (int cycle = 0; cycle < 2; ++cycle) {
        const int start = cycle * 230;
        EXPECT_EQ(frames[start + 199], 0);
        EXPECT_EQ(frames[start + 200], 1);
        EXPECT_EQ(frames[start + 229], 1);
    }
    EXPECT_EQ(frames[230], 0);
}

TEST_F(PlayerOnGround, TouchingAnEnemyHurtsUnlessStillInvulnerable) {
    Player& p = *player_;
    p.form = kVanta;
    standAt(6);
    Enemy* enemy = world->getEnemies()->spawn(p.position, kHelmet, 0);
    ASSERT_NE(enemy, nullptr);
    p.invulnerableTimer = 1;  // counted down only after the enemy test
    p.update(controls());
    EXPECT_EQ(p.health, 99);
    EXPECT_EQ(p.invulnerableTimer, 0);
    p.update(controls());
    EXPECT_EQ(p.health, 99 - enemy->contactDamage);
    EXPECT_EQ(p.invulnerableTimer, 89);
}

TEST_F(PlayerOnGround, GearboyBreathesBubblesOnlyUnderWater) {
    Player& p = *player_;
    random.seed(7);
    standAt(7);
    ParticleSystem& particles = *world->getParticles();
    steps(2000);
    EXPECT_EQ(particles.activeCount(), 0);

    p.inWater = true;
    p.facing = 1;
    int bubbles = 0;
    for (int i = 0; i < 2000; ++i) {
        particles.clear();
        p.update(controls());
        if (particles.activeCount() == 0) continue;
        ++bubbles;
        const Particle& bubble = particles.particle(0);
        EXPECT_EQ(bubble.type, kParticleBubble);
        EXPECT_FLOAT_EQ(bubble.position.x, p.position.x - 8);  // from the head, facing left
        EXPECT_FLOAT_EQ(bubble.position.y, p.position.y + 3);
        EXPECT_TRUE(bubble.velocity.y >= 0.5f && bubble.velocity.y <= 1.0f) << bubble.velocity.y;
        EXPECT_TRUE(bubble.life >= 300 && bubble.life <= 500) << bubble.life;
    }
    EXPECT_TRUE(bubbles > 2 && bubbles < 25) << bubbles;  // one chance in 201 per step
}

}  // namespace
