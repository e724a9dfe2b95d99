// Room changes, the flooded room, and the scripted rooms step by step (boss
// music, the dragon's fly-past, the bridge coming down); damaged room files.
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "enemies/Enemy.h"
#include "enemies/EnemyList.h"
#include "particles/ParticleSystem.h"
#include "support/WorldFixture.h"
#include "weapons/ProjectileSystem.h"

namespace {

using Audio = std::vector<std::string>;

class WorldRooms : public WorldFixture {
  protected:
    void expectAt(const char* name, float x, float y) {
        EXPECT_EQ(world->section().name, name);
        EXPECT_FLOAT_EQ(player->position.x, x);
        EXPECT_FLOAT_EQ(player->position.y, y);
        EXPECT_FLOAT_EQ(player->previousPosition.x, x);  // no blend from the old room
    }

    // A plain room, the bridge room (4 cells high, a ledge on row 45 whose
    // first stage is columns 12..15, its second 16..19) and the dragon room.
    void buildScriptedRooms() {
        TestRoom bridge = floorRoom("bridge_and_under.sec", 1);
        bridge.heightCells = 4;
        bridge.solid.assign(60, "");
        bridge.solid[60 - 1 - 45] = "############BBBBFFFF";
        TestRoom dragon = floorRoom("dragon_fight_room.sec", 2);
        dragon.widthCells = 3;
        build({floorRoom("plain.sec"), bridge, dragon});
    }
    void enter(int gridX, float x, float y) {
        ASSERT_TRUE(world->changeRoom(gridX, 0));
        player->setPosition(x, y, 0);
        takeAudio();
    }
    // Steps once at x, y in the current room; the sounds of that step.
    Audio stepAt(float x, float y) {
        player->setPosition(x, y, 0);
        stepWorld(1);
        return takeAudio();
    }
    bool ledgeOpen(int from, int to) {
        for (int c = from; c <= to; ++c) {
            if (world->tileAt(kSolidLayer, c, 45) != 0) return false;
        }
        return true;
    }
    int kindAt(int slot) {
        const Enemy* e = world->getEnemies()->enemyAt(slot);
        return e ? e->kind : -1;
    }
};

}  // namespace

TEST_F(WorldRooms, EachEdgeLeadsFourUnitsIntoTheNeighbourAndOnlyRightAndTopAreOutside) {
    // A centre room with a neighbour through each edge; the one to the right
    // is two cells high and starts a row lower.
    TestRoom right = floorRoom("right.sec", 1, -1);
    right.heightCells = 2;
    build({floorRoom("centre.sec"), right, floorRoom("left.sec", -1, 0),
           floorRoom("below.sec", 0, -1), floorRoom("above.sec", 0, 1)});
    for (auto [x, y, outside] :
         {std::tuple{0.0f, 0.0f, false}, std::tuple{319.9f, 239.9f, false},
          std::tuple{320.0f, 10.0f, true}, std::tuple{10.0f, 240.0f, true}}) {
        player->setPosition(x, y, 0);
        EXPECT_EQ(world->isPlayerOutsideRoom(), outside) << x << "," << y;
    }

    player->setPosition(320, 100, 0);
    player->getProjectiles()->spawnPlayerShot(player->position, makeVector3(4, 0, 0), 0);
    world->leaveRoom();
    expectAt("right.sec", 4, 340);
    EXPECT_EQ(player->getProjectiles()->activeCount(), 0);  // shots stay behind
    EXPECT_FLOAT_EQ(world->prevCamera.y, 360);              // the camera jumps above the player

    const struct {
        float x, y;
        const char* room;
        float arriveX, arriveY;
    } exits[] = {{-1, 50, "left.sec", 315, 50},
                 {100, -1, "below.sec", 100, 235},
                 {100, 240, "above.sec", 100, 4}};
    for (const auto& e : exits) {
        ASSERT_TRUE(world->changeRoom(0, 0));
        player->setPosition(e.x, e.y, 0);
        world->leaveRoom();
        expectAt(e.room, e.arriveX, e.arriveY);
    }
}

TEST_F(WorldRooms, AnEdgeWithNoRoomBeyondIsAWall) {
    build({floorRoom("alone.sec"), floorRoom("far.sec", 5, 5)});
    player->setPosition(-3, 60, 0);
    player->velocity = makeVector3(-2, 1, 0);
    EXPECT_FALSE(world->isPlayerOutsideRoom());
    EXPECT_FLOAT_EQ(player->position.x, 0);
    EXPECT_FLOAT_EQ(player->velocity.x, 0);
    EXPECT_FLOAT_EQ(player->velocity.y, 1);
    player->setPosition(100, 241, 0);
    EXPECT_FALSE(world->isPlayerOutsideRoom());
    EXPECT_LT(player->position.y, 240);
    EXPECT_FALSE(world->changeRoom(3, 3));
    EXPECT_EQ(world->section().name, "alone.sec");
}

// The flooded room's water, bubbles and rakas: once it is drained, none of
// them comes back (the other kinds of enemy still do).
TEST_F(WorldRooms, TheFloodedRoomIsWetWithItsOwnMusicAndRakasUntilDrained) {
    TestRoom flooded = floorRoom("fernvale_vertical.sec", 1);
    flooded.backTile = kWaterBackTile;
    flooded.nearTile = kWaterSurfaceTile;
    flooded.room.enemies = {EnemyEntry{makeVector3(100, 60, 0), kRaka, 0},
                            EnemyEntry{makeVector3(150, 200, 0), kSwoop, 0}};
    build({floorRoom("centre.sec"), flooded, floorRoom("bridge_and_under.sec", 2)});
    world->musicTrack = 1;
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_TRUE(player->inWater);
    EXPECT_EQ(takeAudio(), (Audio{"music data\\sound\\music_fernvale.ogg 60"}));
    EXPECT_EQ(kindAt(0), kRaka);
    stepWorld(1000);  // about one bubble in 101 steps
    EXPECT_GT(world->getParticles()->activeCount(), 0);
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_TRUE(takeAudio().empty());  // entering again does not restart the track

    // Drained, it is a dry room: cave wall where the water was, no surface
    // line, no bubbles, no rakas; and locked music plays on.
    world->waterDrained = true;
    world->musicLocked = true;
    ASSERT_TRUE(world->changeRoom(2, 0));
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_FALSE(player->inWater);
    EXPECT_TRUE(takeAudio().empty());
    EXPECT_EQ(world->tileAt(0, 5, 5), kDryBackTile);
    EXPECT_EQ(world->tileAt(3, 5, 5), 0);
    EXPECT_EQ(kindAt(0), kSwoop);
    EXPECT_EQ(kindAt(1), -1);
    stepWorld(1000);
    EXPECT_EQ(world->getParticles()->activeCount(), 0);
}

TEST_F(WorldRooms, DamagedRoomFilesAreReportedAndTheRoomStays) {
    build({floorRoom("centre.sec"), floorRoom("broken.sec", 1)});
    std::ofstream("rooms/broken.sec", std::ios::binary | std::ios::trunc) << "abc";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(world->changeRoom(1, 0));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("rooms/broken.sec"), std::string::npos) << err;
    EXPECT_TRUE(world->roomLoadFailed);
    EXPECT_EQ(world->section().name, "centre.sec");

    testing::internal::CaptureStderr();
    EXPECT_FALSE(world->loadMap("rooms/missing.map"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("missing.map"), std::string::npos);
}

TEST_F(WorldRooms, TheBossMusicStartsOncePerGamePastTheMiddleOfTheFightRoom) {
    buildScriptedRooms();
    enter(2, 640, 100);
    EXPECT_TRUE(stepAt(640, 100).empty());
    EXPECT_EQ(stepAt(640.5f, 100).size(), 1u);
    EXPECT_EQ(world->musicTrack, 3);
    enter(0, 100, 100);
    enter(2, 700, 100);
    EXPECT_TRUE(stepAt(700, 100).empty());
}

TEST_F(WorldRooms, TheFlyPastStartsJustAbove720OncePerVisit) {
    buildScriptedRooms();
    enter(1, 170, 720);
    EXPECT_TRUE(stepAt(170, 720).empty());
    EXPECT_EQ(stepAt(170, 720.5f), (Audio{"play dragon_woosh 40"}));
    EXPECT_EQ(world->freezeTimer, kFlyPastFreezeSteps);
    EXPECT_TRUE(world->updateDuringFreeze);
    EXPECT_TRUE(stepAt(170, 730).empty());
    enter(0, 100, 100);
    enter(1, 170, 730);  // a new visit, with the bridge still up
    EXPECT_EQ(stepAt(170, 730), (Audio{"play dragon_woosh 40"}));
}

TEST_F(WorldRooms, TheBridgeComesDownInTwoStagesAndStaysDown) {
    buildScriptedRooms();
    enter(1, 100, 760);
    world->crushStage = 1;
    EXPECT_EQ(stepAt(100, 760).at(0), "play big_crush 100");
    EXPECT_EQ(world->musicTrack, 2);
    EXPECT_TRUE(ledgeOpen(12, 15));
    EXPECT_NE(world->tileAt(kSolidLayer, 16, 45), 0);
    world->crushStage = 3;
    EXPECT_EQ(stepAt(100, 760), (Audio{"play big_crush 100"}));
    EXPECT_EQ(world->crushStage, 4);
    EXPECT_TRUE(ledgeOpen(12, 19));

    // Track 2 is locked in through other rooms, and the bridge stays down.
    enter(0, 100, 100);
    enter(1, 100, 760);
    EXPECT_EQ(world->musicTrack, 2);
    EXPECT_TRUE(ledgeOpen(12, 19));
    EXPECT_NE(world->tileAt(kSolidLayer, 11, 45), 0);  // the rest of the ledge
}
