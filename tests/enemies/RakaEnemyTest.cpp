// The raka: its sink-and-leap rhythm, the drift toward the player, passing
// through the ground, and one-hit death.
#include <gtest/gtest.h>

#include <algorithm>

#include "enemies/EnemyWorld.h"
#include "enemies/RakaEnemy.h"

namespace {

using Audio = std::vector<std::string>;

class Raka : public EnemyWorld {
  protected:
    // Solid ground over the lower half of a closed room.
    void SetUp() override {
        EnemyWorld::SetUp();
        if (IsSkipped()) return;
        buildGroundRoom(6);
        random.seed(7);
    }

    RakaEnemy* spawnRaka(float x, float y, std::uint8_t flag = 0) {
        return static_cast<RakaEnemy*>(enemies().spawn(makeVector3(x, y, 0), kRaka, flag));
    }
};

}  // namespace

TEST_F(Raka, SinksThenLeapsTowardThePlayerInAFixedRhythm) {
    placePlayer(300, 150);  // to the right
    RakaEnemy* raka = spawnRaka(100, 150, 1);
    ASSERT_NE(raka, nullptr);
    EXPECT_EQ(raka->facing, 0);  // flag set: faces left until it leaps
    const int start = raka->timer;
    EXPECT_GE(start, 0);
    EXPECT_LE(start, 90);

    // The first sinking lasts what is left of its 101 steps.
    EXPECT_EQ(stepsToNextState(*raka), 101 - start);
    EXPECT_EQ(raka->state, RakaEnemy::kLeaping);
    EXPECT_EQ(raka->facing, 1);  // toward the player
    EXPECT_EQ(raka->frame, 1);

    // The player crosses over mid-leap: the drift keeps its side.
    placePlayer(20, 150);
    std::vector<int> frames;
    float lastX = raka->position.x;
    for (int step = 1; step <= 51; ++step) {
        enemies().updateAll();
        frames.push_back(raka->frame);
        if (step <= 50) {
            EXPECT_GT(raka->position.x, lastX) << step;
            EXPECT_EQ(raka->state, RakaEnemy::kLeaping) << step;
        }
        lastX = raka->position.x;
    }
    EXPECT_EQ(frames[8], 1);   // step 9
    EXPECT_EQ(frames[9], 2);   // step 10
    EXPECT_EQ(frames[19], 3);  // step 20
    EXPECT_EQ(frames[29], 0);  // step 30
    EXPECT_EQ(raka->state, RakaEnemy::kSinking);
    // A whole sinking is 101 steps, then it leaps left, toward the player.
    EXPECT_EQ(stepsToNextState(*raka), 101);
    EXPECT_EQ(raka->facing, 0);
}

TEST_F(Raka, RakasTogetherStartAtDifferentPointsAndFlagsSetTheirFacing) {
    RakaEnemy* a = spawnRaka(100, 150, 0);
    RakaEnemy* b = spawnRaka(140, 150, 1);
    RakaEnemy* c = spawnRaka(180, 150, 0);
    EXPECT_EQ(a->facing, 1);  // flag clear: mirrored, faces right
    EXPECT_EQ(b->facing, 0);
    EXPECT_FALSE(a->timer == b->timer && b->timer == c->timer);
}

TEST_F(Raka, PassesThroughTheGroundBothWays) {
    // Half inside the ground (whose top is at 111): it sinks on regardless,
    // then rises back out.
    RakaEnemy* raka = spawnRaka(100, 110);
    raka->timer = 0;
    float lowest = raka->position.y;
    for (int step = 0; step < 101; ++step) {
        enemies().updateAll();
        lowest = std::min(lowest, raka->position.y);
    }
    EXPECT_LT(lowest, 110 - 40);
    for (int step = 0; step < 51; ++step) enemies().updateAll();
    EXPECT_GT(raka->position.y, lowest + 20);
}

TEST_F(Raka, OneShotOfEitherFormKillsItWithABurst) {
    for (const std::int32_t shotKind : {std::int32_t{kGearboyShot}, std::int32_t{kVantaShot}}) {
        SCOPED_TRACE(shotKind);
        enemies().clear();
        particles().clear();
        RakaEnemy* raka = spawnRaka(100, 180);
        takeAudio();
        shots().spawnPlayerShot(makeVector3(85, 180, 0), makeVector3(4, 0, 0), shotKind);
        for (int step = 0; step < 10 && raka->alive; ++step) shots().update();
        EXPECT_FALSE(raka->alive);
        EXPECT_EQ(takeAudio(), (Audio{"play gearboy_enemyhurt 30"}));
        EXPECT_GT(particles().activeCount(), 0);
        enemies().updateAll();
        EXPECT_EQ(enemies().enemyAt(0), nullptr);
    }
}
