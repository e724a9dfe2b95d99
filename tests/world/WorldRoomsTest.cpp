// Room changes, the rules each named room brings, and damaged room files.
#include <gtest/gtest.h>

#include <fstream>
#include <tuple>

#include "support/WorldFixture.h"
#include "weapons/ProjectileSystem.h"

namespace {

class WorldRooms : public WorldFixture {
  protected:
    void expectAt(const char* name, float x, float y) {
        EXPECT_EQ(world->section().name, name);
        EXPECT_FLOAT_EQ(player->position.x, x);
        EXPECT_FLOAT_EQ(player->position.y, y);
        EXPECT_FLOAT_EQ(player->previousPosition.x, x);  // no blend from the old room
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
    ASSERT_TRUE(world->isPlayerOutsideRoom());
    world->leaveRoom();
    expectAt("right.sec", 4, 340);
    EXPECT_EQ(player->getProjectiles()->activeCount(), 0);  // shots stay behind
    // The camera starts centred 20 units above the player, with no easing.
    EXPECT_FLOAT_EQ(world->camera.x, 4);
    EXPECT_FLOAT_EQ(world->camera.y, 360);
    EXPECT_FLOAT_EQ(world->prevCamera.y, 360);

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

TEST_F(WorldRooms, NamedRoomsTakeTheirSheetDarknessMusicAndEvents) {
    const struct {
        const char* name;
        int tileset;
        bool dark;
        int music;  // the track playing after entering from a room with track 3
        bool bridge, dragon;
    } rooms[] = {
        {"ordinary.sec", 0, false, 3, false, false},
        {"save_room1.sec", 1, false, 3, false, false},
        {"gearboy_vert.sec", 2, false, 3, false, false},
        {"gearboyfeeling_passage.sec", 2, false, 1, false, false},
        {"fernvale_roll-under.sec", 0, true, 3, false, false},
        {"bridge_and_under.sec", 0, false, -1, true, false},
        {"dragon_fight_room.sec", 0, false, 3, false, true},
    };
    std::vector<TestRoom> row;
    for (const auto& r : rooms) row.push_back(floorRoom(r.name, static_cast<int>(row.size())));
    build(row);
    for (std::size_t i = 0; i < row.size(); ++i) {
        SCOPED_TRACE(rooms[i].name);
        world->musicTrack = 3;
        ASSERT_TRUE(world->changeRoom(static_cast<int>(i), 0));
        EXPECT_EQ(world->tilesetIndex, rooms[i].tileset);
        EXPECT_EQ(world->darkRoom, rooms[i].dark);
        EXPECT_EQ(world->musicTrack, rooms[i].music);
        EXPECT_EQ(world->inBridgeRoom, rooms[i].bridge);
        EXPECT_EQ(world->inDragonRoom, rooms[i].dragon);
    }
}

TEST_F(WorldRooms, TheFloodedRoomIsWetWithItsOwnMusicUntilDrained) {
    TestRoom flooded = floorRoom("fernvale_vertical.sec", 1);
    flooded.backTile = kWaterBackTile;
    flooded.nearTile = kWaterSurfaceTile;
    build({floorRoom("centre.sec"), flooded, floorRoom("bridge_and_under.sec", 2)});
    world->musicTrack = 1;
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_TRUE(player->inWater);
    EXPECT_FLOAT_EQ(graphics->baseRed(), 0.6f);
    EXPECT_EQ(takeAudio(), (std::vector<std::string>{"music data\\sound\\music_fernvale.ogg 60"}));
    // Entering again does not restart the track; after the bridge room's
    // silence it does.
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_TRUE(takeAudio().empty());
    ASSERT_TRUE(world->changeRoom(2, 0));
    EXPECT_FALSE(player->inWater);
    EXPECT_FLOAT_EQ(graphics->baseRed(), 1.0f);
    takeAudio();
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_EQ(takeAudio().size(), 1u);

    // Drained, it is a dry room: cave wall where the water was, no surface
    // line; and locked music plays on.
    world->waterDrained = true;
    world->musicLocked = true;
    world->musicTrack = 2;
    ASSERT_TRUE(world->changeRoom(2, 0));
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_FALSE(player->inWater);
    EXPECT_EQ(world->musicTrack, 2);
    EXPECT_TRUE(takeAudio().empty());
    EXPECT_EQ(world->tileAt(0, 5, 5), kDryBackTile);
    EXPECT_EQ(world->tileAt(3, 5, 5), 0);
}

TEST_F(WorldRooms, TheFeatureIsTheBallInTheStartRoomAStationInTheSaveRoomAndGoneOnceTaken) {
    std::vector<TestRoom> rooms{floorRoom("starting_room.sec"), floorRoom("save_room1.sec", 1),
                                floorRoom("other.sec", 2)};
    for (TestRoom& t : rooms) t.feature = true;
    build(rooms);
    EXPECT_EQ(world->featureKind, kFeatureBallItem);
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_EQ(world->featureKind, kFeatureFormStation);
    ASSERT_TRUE(world->changeRoom(2, 0));
    EXPECT_EQ(world->featureKind, kFeatureFormStation);  // kept from the last named room
    EXPECT_TRUE(world->featurePresent);
    world->featureTaken[2] = true;
    ASSERT_TRUE(world->changeRoom(2, 0));
    EXPECT_FALSE(world->featurePresent);
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
