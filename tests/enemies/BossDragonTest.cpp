// The dragon: unseen until a scene starts; the fly-past that brings the
// bridge down in two crushes; the hovering fight.
#include <gtest/gtest.h>

#include "enemies/BossDragon.h"
#include "enemies/EnemyWorld.h"
#include "gfx/Graphics.h"
#include "support/RecordingGl.h"

namespace {

using Audio = std::vector<std::string>;

class Dragon : public EnemyWorld {
  protected:
    // A solid floor three rows deep; the rest open.
    void SetUp() override {
        EnemyWorld::SetUp();
        if (IsSkipped()) return;
        buildGroundRoom(2);
    }
    BossDragon* spawnDragon(float x, float y, std::uint8_t flag = 0) {
        return static_cast<BossDragon*>(enemies().spawn(makeVector3(x, y, 0), kBossDragon, flag));
    }
    static BoundingBox probe(float x, float y) {
        BoundingBox b;
        b.set(makeVector3(x, y, 0), makeVector3(0, 0, 0), 4, 4);
        return b;
    }
};

}  // namespace

TEST_F(Dragon, WaitsUnseenAndUntouchableUntilASceneStarts) {
    BossDragon* dragon = spawnDragon(160, 120);
    steps(300);
    EXPECT_EQ(dragon->state, BossDragon::kWaiting);
    EXPECT_FLOAT_EQ(dragon->position.y, 120);
    BoundingBox onIt = probe(160, 105);
    EXPECT_EQ(enemies().hitTest(&onIt), nullptr);
}

TEST_F(Dragon, TheFlyPastGrowsBrightensPausesAndClimbsOutCrushingTheBridgeTwice) {
    BossDragon* dragon = spawnDragon(40, 700);
    world->wooshPlayed = true;
    world->inBridgeRoom = false;  // the World's own fly-past trigger stays out of this
    takeAudio();
    steps(1);
    ASSERT_EQ(dragon->state, BossDragon::kSwoopingIn);
    // It swoops for 150 more steps, head to the right, growing 1 % a step,
    // untouchable.
    steps(149);
    EXPECT_EQ(dragon->state, BossDragon::kSwoopingIn);
    EXPECT_EQ(dragon->facing, 0);
    EXPECT_GT(dragon->scale, 0.33f);
    EXPECT_LT(dragon->scale, 0.5f);
    BoundingBox onIt = probe(dragon->position.x, dragon->position.y);
    EXPECT_EQ(enemies().hitTest(&onIt), nullptr);
    steps(1);
    EXPECT_EQ(dragon->state, BossDragon::kSwoopingIn);
    steps(1);
    EXPECT_EQ(dragon->state, BossDragon::kPausing);
    EXPECT_NEAR(dragon->scale, 1.01f, 1e-6);
    EXPECT_EQ(takeAudio(), (Audio{"play dragon_woosh_rev 70"}));
    steps(51);
    EXPECT_EQ(dragon->state, BossDragon::kClimbingOut);

    // Climbing, through the World's steps: the first crush on the first step
    // that starts above 768, the second (after the World's answer) above 840.
    world->inBridgeRoom = true;
    std::vector<int> stages;  // each new crush stage, as the dragon asks and the World answers
    for (int step = 0; step < 100 && world->crushStage < 4; ++step) {
        const float startY = dragon->position.y;
        const int before = world->crushStage;
        world->update();
        if (world->crushStage == 1) {
            EXPECT_GT(startY, BossDragon::kFirstCrushAbove);
        }
        if (world->crushStage == 3) {
            EXPECT_GT(startY, BossDragon::kSecondCrushAbove);
        }
        if (world->crushStage != before) stages.push_back(world->crushStage);
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
    EXPECT_FLOAT_EQ(dragon->scale, 1.0f);
    EXPECT_EQ(dragon->facing, 1);  // head to the left

    // It loops on its path whatever the tiles: up out of the floor and down.
    float highest = dragon->position.y, lowest = dragon->position.y;
    for (int step = 0; step < 400; ++step) {
        steps(1);
        highest = std::max(highest, dragon->position.y);
        lowest = std::min(lowest, dragon->position.y);
    }
    EXPECT_GT(highest - lowest, 80);
    EXPECT_LT(lowest, 40);  // inside the floor, whose top is at 47

    // Head box left of the position, body box below it; both hurt on contact.
    const Vector3 at = dragon->position;
    BoundingBox head = probe(at.x - 38, at.y + 23);
    BoundingBox body = probe(at.x, at.y - 40);
    BoundingBox right = probe(at.x + 38, at.y + 23);
    EXPECT_EQ(enemies().hitTest(&head), dragon);
    EXPECT_TRUE(dragon->headHit);
    EXPECT_EQ(dragon->contactDamage, 5);
    EXPECT_EQ(enemies().hitTest(&body), dragon);
    EXPECT_FALSE(dragon->headHit);
    EXPECT_EQ(enemies().hitTest(&right), nullptr);

    // Shots: on the head a cry, on the body the shot just ends.
    takeAudio();
    for (const Vector3 target :
         {makeVector3(at.x - 38, at.y + 23, 0), makeVector3(at.x, at.y - 40, 0)}) {
        shots().clear();
        shots().spawnPlayerShot(vectorAdd(target, makeVector3(0, -6, 0)), makeVector3(0, 4, 0),
                                kVantaShot);
        shots().update();
        EXPECT_FALSE(shots().projectile(0).active);
    }
    EXPECT_EQ(takeAudio(), (Audio{"play gearboy_enemyhurt 30"}));
    EXPECT_TRUE(dragon->alive);
}

TEST_F(Dragon, IsDrawnDarkAndSmallFromAfarAndWholeAndMirroredInTheFight) {
    Graphics recording(recgl::recordingGl());
    const std::unique_ptr<Texture> sheet = recording.loadTexture("data\\enemy_bossdragon.tga");
    recording.bindTexture(sheet.get());
    BossDragon dragon(&recording, makeVector3(100, 100, 0), kBossDragon, 0);
    dragon.setWorld(world, &actors);
    auto drawn = [&dragon](float& brightness) {
        recgl::calls().clear();
        dragon.draw(1.0f);
        for (const recgl::Call& call : recgl::calls()) {
            if (call.kind == recgl::Call::Color) brightness = call.red;
        }
        return recgl::sprites();
    };
    float brightness = -1;
    EXPECT_TRUE(drawn(brightness).empty());  // waiting: nothing, though the colour is set
    EXPECT_NEAR(brightness, 0.3f, 1e-6);

    world->wooshPlayed = true;
    dragon.update();  // to the swoop
    dragon.update();
    std::vector<recgl::Call> parts = drawn(brightness);
    EXPECT_EQ(parts.size(), 15u);
    EXPECT_NEAR(brightness, 3 * 0.1f * 1.01f, 1e-5);
    EXPECT_FALSE(parts[0].mirrored);
    // Part 13 (the hind leg) first, 12 units right of the centre at scale 0.101.
    EXPECT_NEAR(parts[0].worldX(), dragon.position.x + 12 * dragon.scale, 1e-3);

    world->wooshPlayed = false;
    world->inDragonRoom = true;
    world->bossMusicStarted = true;
    BossDragon fighter(&recording, makeVector3(100, 100, 0), kBossDragon, 0);
    fighter.setWorld(world, &actors);
    fighter.update();
    recgl::calls().clear();
    fighter.draw(1.0f);
    parts = recgl::sprites();
    EXPECT_EQ(parts.size(), 13u);  // no hind leg while hovering
    for (const recgl::Call& part : parts) EXPECT_TRUE(part.mirrored);
    // Part 0 at (-15, 15.5) is drawn right of the centre when facing left.
    EXPECT_NEAR(parts[0].worldX(), fighter.position.x + 15, 1e-3);
    EXPECT_NEAR(parts[0].worldY(), fighter.position.y + 15.5f, 1e-3);
}
