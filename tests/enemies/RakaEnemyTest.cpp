// The raka: its sink-and-leap rhythm, the drift toward the player, passing
// through the ground, and one-hit death.
#include <gtest/gtest.h>

#include <algorithm>

#include "enemies/EnemyWorld.h"
#include "enemies/RakaEnemy.h"

namespace {

class Raka : public EnemyWorld {
  protected:
    void SetUp() override {
        EnemyWorld::SetUp();
        if (IsSkipped()) return;
        buildGroundRoom(6);  // its top at 111
        random.seed(7);
    }
    RakaEnemy* spawnRaka(float x, float y, std::uint8_t flag = 0) {
        return spawnAs<RakaEnemy>(x, y, kRaka, flag);
    }
};

}  // namespace

TEST_F(Raka, SinksFor101StepsThenLeapsTowardThePlayerAndKeepsThatSide) {
    placePlayer(300, 150);  // to the right
    RakaEnemy* raka = spawnRaka(100, 150, 1);
    EXPECT_EQ(raka->facing, 0);     // flag set: faces left until it leaps
    const int start = raka->timer;  // the first sinking lasts what is left of its 101 steps
    EXPECT_EQ(stepsToNextState(*raka), 101 - start);
    EXPECT_EQ(raka->state, RakaEnemy::kLeaping);
    EXPECT_EQ(raka->facing, 1);

    placePlayer(20, 150);  // crosses over mid-leap: the drift keeps its side
    const float leapX = raka->position.x;
    EXPECT_EQ(stepsToNextState(*raka), 51);
    EXPECT_GT(raka->position.x, leapX + 10);
    EXPECT_EQ(stepsToNextState(*raka), 101);
    EXPECT_EQ(raka->facing, 0);  // now toward the player on the left
}

TEST_F(Raka, RakasTogetherStartAtDifferentPointsOfTheirRhythm) {
    const RakaEnemy* a = spawnRaka(100, 150);
    const RakaEnemy* b = spawnRaka(140, 150);
    const RakaEnemy* c = spawnRaka(180, 150);
    EXPECT_EQ(a->facing, 1);  // flag clear: faces right
    EXPECT_FALSE(a->timer == b->timer && b->timer == c->timer);
}

TEST_F(Raka, SinksIntoAndRisesOutOfTheGround) {
    RakaEnemy* raka = spawnRaka(100, 110);  // half inside the ground
    raka->timer = 0;
    float lowest = raka->position.y;
    for (int step = 0; step < 101; ++step) {
        steps(1);
        lowest = std::min(lowest, raka->position.y);
    }
    EXPECT_LT(lowest, 110 - 40);
    steps(51);
    EXPECT_GT(raka->position.y, lowest + 20);
}

TEST_F(Raka, AnyHitKillsItWithABurst) {
    RakaEnemy* raka = spawnRaka(100, 180);
    takeAudio();
    raka->hurt(1);
    EXPECT_FALSE(raka->alive);
    EXPECT_EQ(takeAudio(), (std::vector<std::string>{"play gearboy_enemyhurt 30"}));
    ASSERT_GT(particles().activeCount(), 0);
    EXPECT_EQ(particles().particle(0).type, kParticleExplosion);
}
