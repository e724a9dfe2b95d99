// The helmet, the raka and the swoop, in one room.
#include <gtest/gtest.h>

#include "enemies/EnemyWorld.h"
#include "enemies/HelmetEnemy.h"
#include "enemies/RakaEnemy.h"
#include "enemies/SwoopEnemy.h"

namespace {

using Audio = std::vector<std::string>;
using Pairs = std::vector<std::pair<float, float>>;

// A floor on row 0, columns 0-29, a drop beyond; a ledge (top 111) on row 6, columns 0-9.
class EnemyRoom : public EnemyWorld {
  protected:
    void SetUp() override {
        EnemyWorld::SetUp();
        if (IsSkipped()) return;
        std::vector<std::string> rows(15, std::string(40, '.'));
        rows[14 - 6] = std::string(10, '#') + std::string(30, '.');
        rows[14 - 0] = std::string(30, '#') + std::string(10, '.');
        buildRoom(rows, 2);
        random.seed(7);
    }
    static constexpr float kStandY = 15.0f + 7.0f;  // a helmet's 14-high box on row 0
    HelmetEnemy* spawnHelmet(float x, float y = kStandY) {
        return spawnAs<HelmetEnemy>(x, y, kHelmet);
    }
    RakaEnemy* spawnRaka(float x, float y, std::uint8_t flag = 0) {
        return spawnAs<RakaEnemy>(x, y, kRaka, flag);
    }
    SwoopEnemy* spawnSwoop(float x, float y) { return spawnAs<SwoopEnemy>(x, y, kSwoop); }
    // The velocities of the shots in flight, all of this kind.
    Pairs shotVelocities(std::int32_t kind) {
        Pairs out;
        for (int i = 0; i < shots().activeCount(); ++i) {
            EXPECT_EQ(shots().projectile(i).kind, kind);
            out.emplace_back(shots().projectile(i).velocity.x, shots().projectile(i).velocity.y);
        }
        return out;
    }
};
using Helmet = EnemyRoom;
using Raka = EnemyRoom;
using Swoop = EnemyRoom;

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
    // The fan of three, mirrored: it faces left.
    EXPECT_EQ(shotVelocities(kHelmetShot), (Pairs{{-2, 2}, {-2.5f, 0}, {-2, -2}}));
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

TEST_F(Raka, AnyHitKillsIt) {
    RakaEnemy* raka = spawnRaka(100, 180);
    raka->hurt(1);
    EXPECT_FALSE(raka->alive);
}

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
    EXPECT_NEAR(swoop->position.y - SwoopEnemy::kHeight / 2, 111, 0.01f);  // on the ledge
    EXPECT_GT(swoop->position.x, 120);  // drawn over toward the player
    placePlayer(100, 40);               // never dives again
    const float restingX = swoop->position.x;
    steps(99);
    EXPECT_EQ(shots().activeCount(), 0);
    EXPECT_FLOAT_EQ(swoop->position.x, restingX);
    takeAudio();
    steps(1);
    EXPECT_FALSE(swoop->alive);
    EXPECT_EQ(shotVelocities(kSwoopShot), (Pairs{{4, 0}, {-4, 0}, {2.5f, 2.5f}, {-2.5f, 2.5f}}));
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
