// Both forms in a small room: running on the ground, landing and jumping
// again, the ball's bounce and head room, the gearboy's landing, idling and
// bubbles, and touching an enemy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "particles/ParticleSystem.h"
#include "support/WorldFixture.h"

namespace {

using Audio = std::vector<std::string>;

class PlayerOnGround : public WorldFixture {
  protected:
    void SetUp() override {
        WorldFixture::SetUp();
        if (IsSkipped()) return;
        // A floor along the bottom row, a low ceiling over columns 10 to 12
        // (row 2) and a higher one over 14 to 16 (row 3).
        TestRoom room = floorRoom("ground.sec");
        room.solid[11] = "..............###...";
        room.solid[12] = "..........###.......";
        build({room});
    }

    void release() { controls.right = controls.left = controls.up = controls.jump = false; }
    void steps(int count) {
        for (int i = 0; i < count; ++i) player->update(controls);
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

TEST_F(PlayerOnGround, RunningSpeedsOnTheGround) {
    for (int form : {kVanta, kGearboy}) {
        player->reset();
        player->form = form;
        standAt(1);
        controls.right = true;
        steps(50);
        const float vx = player->velocity.x;
        steps(1);
        EXPECT_NEAR(player->velocity.x, vx, 1e-4) << "held speed, form " << form;
        EXPECT_NEAR(vx, form == kVanta ? 1.474f : 1.066f, 0.005f) << "form " << form;
        EXPECT_TRUE(player->onGround);
        EXPECT_FLOAT_EQ(player->velocity.y, 0.0f);
        release();
    }
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

TEST_F(PlayerOnGround, BallBouncesOnlyWhenFallingFasterThanOneAndAHalf) {
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
            EXPECT_FALSE(player->onGround);
        } else {
            ASSERT_GT(landing, -1.5f);
            EXPECT_FLOAT_EQ(player->velocity.y, 0.0f);
        }
        steps(300);  // the bounces die away and the ball comes to rest
        EXPECT_NEAR(player->position.y, restY, 0.01f);
    }
}

TEST_F(PlayerOnGround, BallStandsUpOnlyWithHeadRoom) {
    player->form = kVanta;
    standAt(1);
    for (int column : {11, 15}) {
        player->ball = true;
        player->animCounter = 0;
        player->setPosition(column * 16.0f + 8, player->position.y, 0);
        steps(5);
        ASSERT_TRUE(player->onGround);
        controls.up = true;
        steps(1);
        EXPECT_EQ(player->ball, column == 11) << "column " << column;  // 11: under the low ceiling
        release();
    }
}

TEST_F(PlayerOnGround, GearboyLandingPlaysUnlessFrozenAndEndsTheFirePose) {
    standAt(4);
    controls.jump = true;
    steps(1);
    controls.fire = true;
    steps(1);
    EXPECT_EQ(player->firePoseTimer, 59);  // fired in the air
    controls.jump = controls.fire = false;
    while (!player->onGround) player->update(controls);
    EXPECT_EQ(player->firePoseTimer, 0);
    EXPECT_EQ(takeAudio(), (Audio{"play gearboy_fire1 20", "play gearboy_land 15"}));

    world->freezeTimer = 10;
    steps(1);
    controls.jump = true;
    steps(1);
    controls.jump = false;
    while (!player->onGround) player->update(controls);
    EXPECT_TRUE(takeAudio().empty());
}

TEST_F(PlayerOnGround, GearboyIdlesTwoHundredStepsThenFidgetsForThirty) {
    standAt(5);
    player->idleTimer = 0;
    std::vector<int> frames;
    for (int i = 0; i < 460; ++i) {
        player->update(controls);
        frames.push_back(player->bodyFrame);
    }
    for (int start : {0, 230}) {  // a second cycle: the timer wraps
        EXPECT_EQ(frames[start + 199], 0);
        EXPECT_EQ(frames[start + 200], 1);
        EXPECT_EQ(frames[start + 229], 1);
    }
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

TEST_F(PlayerOnGround, GearboyBreathesBubblesOnlyUnderWater) {
    random.seed(7);
    standAt(7);
    ParticleSystem& particles = *world->getParticles();
    steps(2000);
    EXPECT_EQ(particles.activeCount(), 0);

    player->inWater = true;
    player->facing = 1;
    int bubbles = 0;
    for (int i = 0; i < 2000; ++i) {
        particles.clear();
        player->update(controls);
        if (particles.activeCount() == 0) continue;
        ++bubbles;
        const Particle& bubble = particles.particle(0);
        EXPECT_EQ(bubble.type, kParticleBubble);
        EXPECT_FLOAT_EQ(bubble.position.x, player->position.x - 8);  // from the head, facing left
        EXPECT_FLOAT_EQ(bubble.position.y, player->position.y + 3);
        EXPECT_TRUE(bubble.velocity.y >= 0.5f && bubble.velocity.y <= 1.0f) << bubble.velocity.y;
        EXPECT_TRUE(bubble.life >= 300 && bubble.life <= 500) << bubble.life;
    }
    EXPECT_TRUE(bubbles > 2 && bubbles < 25) << bubbles;  // one chance in 201 per step
}

}  // namespace
