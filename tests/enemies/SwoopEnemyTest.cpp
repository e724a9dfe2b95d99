// The swoop: the dive and its steering, landing, the burst, hits.
#include <gtest/gtest.h>

#include "enemies/EnemyWorld.h"
#include "enemies/SwoopEnemy.h"

namespace {

using Audio = std::vector<std::string>;

class Swoop : public EnemyWorld {
  protected:
    void SetUp() override {
        EnemyWorld::SetUp();
        if (IsSkipped()) return;
        buildGroundRoom(0);
    }
    SwoopEnemy* spawnSwoop(float x, float y) { return spawnAs<SwoopEnemy>(x, y, kSwoop); }
};

}  // namespace

TEST_F(Swoop, DivesOnlyWhenThePlayerIsStrictlyWithin64Across) {
    const SwoopEnemy* right = spawnSwoop(100, 180);
    const SwoopEnemy* left = spawnSwoop(250, 180);
    placePlayer(164, 30);  // exactly 64 from the first, 86 from the second
    steps(50);
    EXPECT_FALSE(right->diving);
    EXPECT_FALSE(left->diving);

    placePlayer(186.1f, 30);  // 63.9 from the second
    steps(1);
    EXPECT_FALSE(right->diving);
    ASSERT_TRUE(left->diving);
    EXPECT_FLOAT_EQ(left->position.y, 179.5f);  // it moves at -0.5 in the same step
}

TEST_F(Swoop, SteersToThePlayerLandsAndBurstsIntoFourShots100StepsLater) {
    SwoopEnemy* swoop = spawnSwoop(100, 180);
    placePlayer(140, 40);
    for (int step = 0; step < 400 && swoop->landedTimer == 0; ++step) steps(1);
    ASSERT_EQ(swoop->landedTimer, 1);
    EXPECT_NEAR(swoop->position.y - SwoopEnemy::kHeight / 2, floorTop(0), 0.01f);
    EXPECT_GT(swoop->position.x, 120);  // drawn over toward the player

    placePlayer(100, 40);  // never dives again
    const float restingX = swoop->position.x;
    steps(99);
    EXPECT_EQ(shots().activeCount(), 0);
    EXPECT_FLOAT_EQ(swoop->position.x, restingX);
    takeAudio();
    steps(1);
    EXPECT_FALSE(swoop->alive);
    std::vector<std::pair<float, float>> burst;
    for (int i = 0; i < shots().activeCount(); ++i) {
        EXPECT_EQ(shots().projectile(i).kind, kSwoopShot);
        burst.emplace_back(shots().projectile(i).velocity.x, shots().projectile(i).velocity.y);
    }
    EXPECT_EQ(burst,
              (std::vector<std::pair<float, float>>{{4, 0}, {-4, 0}, {2.5f, 2.5f}, {-2.5f, 2.5f}}));
    EXPECT_EQ(particles().activeCount(), 0);
    EXPECT_TRUE(takeAudio().empty());
}

TEST_F(Swoop, AHitFreezesItMidDiveFor30StepsAndOneThatEmptiesItKills) {
    SwoopEnemy* swoop = spawnSwoop(100, 180);
    placePlayer(130, 40);
    steps(20);
    ASSERT_TRUE(swoop->diving);
    const Vector3 frozenAt = swoop->position;
    const Vector3 speed = swoop->velocity;

    swoop->hurt(10);
    EXPECT_EQ(takeAudio(), (Audio{"play enemy_hit 30"}));
    steps(30);
    EXPECT_EQ(swoop->position.y, frozenAt.y);
    steps(1);  // on with the speed it had, plus one step of steering
    EXPECT_NEAR(swoop->velocity.y, speed.y - 0.02f, 1e-5f);
    EXPECT_LT(swoop->position.y, frozenAt.y);

    swoop->hurt(swoop->hitPoints);  // down to exactly none
    EXPECT_FALSE(swoop->alive);
    EXPECT_EQ(takeAudio(), (Audio{"play enemy_hit 30"}));
    ASSERT_EQ(particles().activeCount(), 1);
    EXPECT_EQ(particles().particle(0).type, kParticleSmallBurst);
}
