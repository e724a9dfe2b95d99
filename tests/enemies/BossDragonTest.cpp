// The dragon: waiting for its scene, the fly-past crushing the bridge, the fight.
#include <gtest/gtest.h>

#include "enemies/BossDragon.h"
#include "enemies/EnemyWorld.h"

namespace {

using Audio = std::vector<std::string>;

class Dragon : public EnemyWorld {
  protected:
    // A solid floor three rows deep (its top at 47); the rest open.
    void SetUp() override {
        EnemyWorld::SetUp();
        if (IsSkipped()) return;
        std::vector<std::string> rows(15, std::string(20, '.'));
        rows[12] = rows[13] = rows[14] = std::string(20, '#');
        buildRoom(rows);
    }
    BossDragon* spawnDragon(float x, float y) { return spawnAs<BossDragon>(x, y, kBossDragon); }
    Enemy* hitAt(float x, float y) {
        BoundingBox b;
        b.set(makeVector3(x, y, 0), makeVector3(0, 0, 0), 4, 4);
        return enemies().hitTest(&b);
    }
};

}  // namespace

TEST_F(Dragon, WaitsForItsSceneThenSwoopsUntouchablePausesAndClimbsOutCrushingTheBridge) {
    BossDragon* dragon = spawnDragon(40, 700);
    steps(300);
    EXPECT_EQ(dragon->state, BossDragon::kWaiting);
    world->wooshPlayed = true;
    world->inBridgeRoom = false;  // the World's own fly-past trigger stays out of this
    takeAudio();
    steps(1);
    ASSERT_EQ(dragon->state, BossDragon::kSwoopingIn);
    steps(75);
    EXPECT_EQ(hitAt(dragon->position.x, dragon->position.y), nullptr);
    EXPECT_EQ(stepsToNextState(*dragon), 151 - 75);
    EXPECT_EQ(dragon->state, BossDragon::kPausing);
    EXPECT_NEAR(dragon->scale, 1.01f, 1e-6);  // grown 1 % a step, then whole
    EXPECT_EQ(takeAudio(), (Audio{"play dragon_woosh_rev 70"}));
    EXPECT_EQ(stepsToNextState(*dragon), 51);
    EXPECT_EQ(dragon->state, BossDragon::kClimbingOut);

    // Climbing: crushes from steps starting above 768, then (once answered) 840.
    world->inBridgeRoom = true;
    std::vector<int> stages;  // each new crush stage, as the dragon asks and the World answers
    for (int step = 0; step < 100 && world->crushStage < 4; ++step) {
        const float startY = dragon->position.y;
        const int before = world->crushStage;
        world->update();
        if (world->crushStage != before) stages.push_back(world->crushStage);
        if (world->crushStage == 1) {
            EXPECT_GT(startY, BossDragon::kFirstCrushAbove);
        } else if (world->crushStage == 3) {
            EXPECT_GT(startY, BossDragon::kSecondCrushAbove);
        }
    }
    EXPECT_EQ(stages, (std::vector<int>{1, 2, 3, 4}));
    steps(200);
    EXPECT_EQ(dragon->state, BossDragon::kResting);
}

TEST_F(Dragon, HoversInTheFightAndAnswersOnlyAHitOnTheHead) {
    world->inDragonRoom = true;
    world->bossMusicStarted = true;
    BossDragon* dragon = spawnDragon(160, 20);  // its body deep in the floor
    steps(1);
    ASSERT_EQ(dragon->state, BossDragon::kHovering);
    EXPECT_EQ(dragon->facing, 1);  // head to the left
    steps(100);                    // the boxes follow it along its path
    // Head box left of the position, body box below it; both hurt on contact.
    const Vector3 head = makeVector3(dragon->position.x - 38, dragon->position.y + 23, 0);
    const Vector3 body = makeVector3(dragon->position.x, dragon->position.y - 40, 0);
    EXPECT_EQ(hitAt(head.x, head.y), dragon);
    EXPECT_TRUE(dragon->headHit);
    EXPECT_EQ(hitAt(body.x, body.y), dragon);
    EXPECT_FALSE(dragon->headHit);
    EXPECT_EQ(hitAt(dragon->position.x + 38, head.y), nullptr);

    // Only a hit on the head makes it cry out, and nothing kills it.
    takeAudio();
    for (const Vector3 at : {head, body}) {
        hitAt(at.x, at.y);
        dragon->hurt(10);
    }
    EXPECT_EQ(takeAudio(), (Audio{"play gearboy_enemyhurt 30"}));
    EXPECT_TRUE(dragon->alive);
}
