// The helmet: waking, the fan of shots, walking, ducking, falling.
#include <gtest/gtest.h>

#include "enemies/EnemyWorld.h"
#include "enemies/HelmetEnemy.h"

namespace {

using Pairs = std::vector<std::pair<float, float>>;

class Helmet : public EnemyWorld {
  protected:
    // A floor on row 0 over columns 0 to 29, a bottomless drop beyond, and
    // a ledge on row 6 over columns 0 to 9.
    void SetUp() override {
        EnemyWorld::SetUp();
        if (IsSkipped()) return;
        std::vector<std::string> rows(15, std::string(40, '.'));
        rows[14 - 6] = std::string(10, '#') + std::string(30, '.');
        rows[14 - 0] = std::string(30, '#') + std::string(10, '.');
        buildRoom(rows, 2);
    }

    static constexpr float kStandY = 15.0f + 7.0f;  // its 14-high box on row 0

    HelmetEnemy* spawnHelmet(float x, float y = kStandY) {
        return spawnAs<HelmetEnemy>(x, y, kHelmet);
    }
};

}  // namespace

TEST_F(Helmet, WakesAfterItsHidingTimeOnlyWithThePlayerStrictlyWithin100) {
    HelmetEnemy* helmet = spawnHelmet(150);
    placePlayer(250, 30);  // exactly 100 away
    EXPECT_EQ(stepsToNextState(*helmet, 300), -1);

    // Player x and the way it then faces: level counts as right.
    for (const auto& [playerX, facing] : {std::pair{249.9f, 1}, {50.1f, 0}, {150.0f, 1}}) {
        SCOPED_TRACE(playerX);
        enemies().clear();
        helmet = spawnHelmet(150);
        placePlayer(playerX, 30);
        EXPECT_EQ(stepsToNextState(*helmet), 51);  // its timer starts at 50
        EXPECT_EQ(helmet->state, HelmetEnemy::kRising);
        EXPECT_EQ(helmet->facing, facing);
    }
}

TEST_F(Helmet, FiresAFanOnItsFiftiethRisingStepWalksAtThePlayerOnThe120thAndHidesAfter101) {
    HelmetEnemy* helmet = spawnHelmet(150);
    placePlayer(100, 30);  // on its left
    ASSERT_EQ(stepsToNextState(*helmet), 51);
    steps(49);
    EXPECT_EQ(shots().activeCount(), 0);
    steps(1);
    Pairs fan;
    for (int i = 0; i < shots().activeCount(); ++i) {
        EXPECT_EQ(shots().projectile(i).kind, kHelmetShot);
        fan.emplace_back(shots().projectile(i).velocity.x, shots().projectile(i).velocity.y);
    }
    EXPECT_EQ(fan, (Pairs{{-2, 2}, {-2.5f, 0}, {-2, -2}}));  // mirrored: it faces left

    placePlayer(200, 30);  // crosses over: it turns to walk at them
    EXPECT_EQ(stepsToNextState(*helmet), 70);
    EXPECT_EQ(helmet->state, HelmetEnemy::kWalking);
    EXPECT_EQ(helmet->facing, 1);

    placePlayer(0, 30);  // behind it now: it keeps its way
    const float startX = helmet->position.x;
    EXPECT_EQ(stepsToNextState(*helmet), 101);
    EXPECT_EQ(helmet->state, HelmetEnemy::kHiding);
    EXPECT_GT(helmet->position.x, startX);
    EXPECT_NEAR(helmet->position.y, kStandY, 0.01f);
}

TEST_F(Helmet, DucksTheSameStepThePlayerIsOnTopOrRightBesideIt) {
    for (const auto& [dx, dy, ducks] : {std::tuple{9.9f, 39.9f, true},
                                        {-9.9f, -39.9f, true},
                                        {10.0f, 0.0f, false},
                                        {0.0f, 40.0f, false}}) {
        SCOPED_TRACE(testing::Message() << dx << ", " << dy);
        enemies().clear();
        HelmetEnemy* helmet = spawnHelmet(150);
        placePlayer(240, 30);
        steps(51 + 120);
        ASSERT_EQ(helmet->state, HelmetEnemy::kWalking);
        placePlayer(helmet->position.x + dx, helmet->position.y + dy);
        steps(1);
        EXPECT_EQ(helmet->state, ducks ? HelmetEnemy::kHiding : HelmetEnemy::kWalking);
    }
}

TEST_F(Helmet, FallsOffALedgeEvenWhileHidingAndIsEndedAScreenBelowTheRoom) {
    const HelmetEnemy* onLedge = spawnHelmet(100, 16 * 6 + kStandY);
    const HelmetEnemy* pastLedge = spawnHelmet(300, 16 * 6 + kStandY);
    spawnHelmet(560, 16 * 6 + kStandY);  // over the drop
    placePlayer(600, 300);
    float lastSeenY = 0;
    for (int step = 0; step < 300; ++step) {
        if (const Enemy* falling = enemies().enemyAt(2)) lastSeenY = falling->position.y;
        steps(1);
    }
    EXPECT_EQ(pastLedge->state, HelmetEnemy::kHiding);
    EXPECT_NEAR(pastLedge->position.y, kStandY, 0.01f);
    EXPECT_NEAR(onLedge->position.y, 16 * 6 + kStandY, 0.01f);
    // The one over the drop went at the first step past the bound.
    EXPECT_EQ(enemies().enemyAt(2), nullptr);
    EXPECT_LT(lastSeenY, -EnemyList::kLostBelow);
    EXPECT_GT(lastSeenY, -EnemyList::kLostBelow - 20);
}
