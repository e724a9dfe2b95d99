// Room changes, the rules each room brings, and damaged room files.
#include <gtest/gtest.h>

#include <fstream>

#include "particles/ParticleSystem.h"
#include "support/WorldFixture.h"
#include "weapons/ProjectileSystem.h"

namespace {

const std::vector<std::string> kFloor = {
    "", "", "", "", "", "", "", "", "", "", "", "", "", "", "####################"};

TestRoom room(const std::string& name, int gridX, int gridY, int widthCells = 1,
              int heightCells = 1) {
    TestRoom t;
    t.name = name;
    t.gridX = gridX;
    t.gridY = gridY;
    t.widthCells = widthCells;
    t.heightCells = heightCells;
    t.solid = kFloor;
    return t;
}

class WorldRooms : public WorldFixture {
  protected:
    // A centre room with a neighbour through each edge; the one to the right
    // is two cells high and starts a row lower.
    void buildCross() {
        build({room("centre.sec", 0, 0), room("right.sec", 1, -1, 1, 2), room("left.sec", -1, 0),
               room("below.sec", 0, -1), room("above.sec", 0, 1)});
    }
    void expectAt(const char* name, float x, float y) {
        EXPECT_EQ(world->section().name, name);
        EXPECT_FLOAT_EQ(player->position.x, x);
        EXPECT_FLOAT_EQ(player->position.y, y);
        EXPECT_FLOAT_EQ(player->previousPosition.x, x);  // no blend from the old room
    }
};

}  // namespace

TEST_F(WorldRooms, EachEdgeLeadsFourUnitsIntoTheNeighbour) {
    buildCross();
    player->setPosition(320, 100, 0);
    player->getProjectiles()->spawnPlayerShot(player->position, makeVector3(4, 0, 0), 0);
    ASSERT_TRUE(world->isPlayerOutsideRoom());
    world->leaveRoom();
    expectAt("right.sec", 4, 340);
    EXPECT_EQ(player->getProjectiles()->activeCount(), 0);  // shots stay behind
    // The camera starts centred 20 units above the player, with no easing.
    EXPECT_FLOAT_EQ(world->camera.x, 4);
    EXPECT_FLOAT_EQ(world->camera.y, 360);
    EXPECT_FLOAT_EQ(world->prevCamera.y, 360);

    ASSERT_TRUE(world->changeRoom(0, 0));
    player->setPosition(-1, 50, 0);
    ASSERT_TRUE(world->isPlayerOutsideRoom());
    world->leaveRoom();
    expectAt("left.sec", 315, 50);

    ASSERT_TRUE(world->changeRoom(0, 0));
    player->setPosition(100, -1, 0);
    world->leaveRoom();
    expectAt("below.sec", 100, 235);

    ASSERT_TRUE(world->changeRoom(0, 0));
    player->setPosition(100, 240, 0);
    world->leaveRoom();
    expectAt("above.sec", 100, 4);
}

TEST_F(WorldRooms, LeftAndBottomEdgesAreInsideRightAndTopAreOutside) {
    buildCross();
    for (auto [x, y, outside] :
         {std::tuple{0.0f, 0.0f, false}, std::tuple{319.9f, 239.9f, false},
          std::tuple{320.0f, 10.0f, true}, std::tuple{10.0f, 240.0f, true}}) {
        player->setPosition(x, y, 0);
        EXPECT_EQ(world->isPlayerOutsideRoom(), outside) << x << "," << y;
    }
}

TEST_F(WorldRooms, AnEdgeWithNoRoomBeyondIsAWall) {
    build({room("alone.sec", 0, 0), room("far.sec", 5, 5)});
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

TEST_F(WorldRooms, FloodedAndDarkRoomsSetTheirColoursFlagsAndMusic) {
    build({room("centre.sec", 0, 0), room("fernvale_vertical.sec", 1, 0),
           room("fernvale_roll-under.sec", 2, 0), room("bridge_and_under.sec", 3, 0)});
    world->musicTrack = 1;
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_TRUE(player->inWater);
    EXPECT_FLOAT_EQ(graphics->baseRed(), 0.6f);
    EXPECT_FLOAT_EQ(graphics->baseBlue(), 1.0f);
    EXPECT_EQ(world->musicTrack, 0);
    EXPECT_EQ(takeAudio(), (std::vector<std::string>{"music data\\sound\\music_fernvale.ogg 60"}));
    // Entering again does not restart the track.
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_TRUE(takeAudio().empty());

    ASSERT_TRUE(world->changeRoom(2, 0));
    EXPECT_FALSE(player->inWater);
    EXPECT_TRUE(world->darkRoom);
    EXPECT_TRUE(world->resetFlashlight);
    EXPECT_FLOAT_EQ(graphics->baseRed(), 1.0f);

    // The bridge room stops the music, so the flooded room starts it again.
    ASSERT_TRUE(world->changeRoom(3, 0));
    EXPECT_EQ(world->musicTrack, -1);
    EXPECT_TRUE(world->inBridgeRoom);
    EXPECT_FALSE(world->darkRoom);
    takeAudio();
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_EQ(world->musicTrack, 0);
    EXPECT_EQ(takeAudio().size(), 1u);

    // Drained, the flooded room is an ordinary one; once locked, music stays.
    world->waterDrained = true;
    world->musicLocked = true;
    world->musicTrack = 2;
    ASSERT_TRUE(world->changeRoom(3, 0));
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_FALSE(player->inWater);
    EXPECT_EQ(world->musicTrack, 2);
    EXPECT_TRUE(takeAudio().empty());
}

TEST_F(WorldRooms, TheSaveRoomUsesItsSheetAndTheFeatureKindFollowsTheNamedRooms) {
    TestRoom start = room("starting_room.sec", 0, 0);
    start.feature = true;
    start.featurePos = makeVector3(100, 40, 0);
    TestRoom save = room("save_room1.sec", 1, 0);
    save.feature = true;
    TestRoom other = room("other.sec", 2, 0);
    other.feature = true;
    build({start, save, other});
    EXPECT_EQ(world->featureKind, kFeatureBallItem);
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_EQ(world->tilesetIndex, 1);
    EXPECT_EQ(world->featureKind, kFeatureFormStation);
    ASSERT_TRUE(world->changeRoom(2, 0));
    EXPECT_EQ(world->tilesetIndex, 0);
    EXPECT_EQ(world->featureKind, kFeatureFormStation);  // kept from the last named room
    // A room whose feature was taken never shows it again.
    world->featureTaken[2] = true;
    ASSERT_TRUE(world->changeRoom(2, 0));
    EXPECT_FALSE(world->featurePresent);
}

TEST_F(WorldRooms, DamagedRoomFilesAreReportedAndTheRoomStays) {
    build({room("centre.sec", 0, 0), room("broken.sec", 1, 0)});
    // Cut the neighbour's file short.
    std::ofstream("rooms/broken.sec", std::ios::binary | std::ios::trunc) << "abc";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(world->changeRoom(1, 0));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("rooms/broken.sec"), std::string::npos) << err;
    EXPECT_TRUE(world->roomLoadFailed);
    EXPECT_EQ(world->section().name, "centre.sec");
    EXPECT_EQ(world->width, 20);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(world->loadMap("rooms/missing.map"));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("missing.map"), std::string::npos);
}
