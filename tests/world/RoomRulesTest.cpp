// Each room the game knows by name, entered: the sheet it is drawn with, its
// darkness, its music and its scripted part. (The flooded room's water and
// colours are covered with the room changes.)
#include <gtest/gtest.h>

#include "support/WorldFixture.h"

namespace {

class RoomRulesTest : public WorldFixture {
  protected:
    // A row of one-cell rooms, in the order given, from grid column 0.
    void buildRow(const std::vector<std::string>& names) {
        std::vector<TestRoom> rooms;
        for (std::size_t i = 0; i < names.size(); ++i) {
            TestRoom t;
            t.name = names[i];
            t.gridX = static_cast<int>(i);
            t.solid = {"", "", "", "", "", "", "", "", "", "", "", "", "", "",
                       "####################"};
            rooms.push_back(t);
        }
        build(rooms);
    }
};

}  // namespace

TEST_F(RoomRulesTest, NamedRoomsTakeTheirSheetDarknessMusicAndEvents) {
    struct Expected {
        const char* name;
        int tileset;
        bool dark;
        int music;  // the track playing after entering from a room with track 3
        bool bridge;
        bool dragon;
    };
    const Expected rooms[] = {
        {"ordinary.sec", 0, false, 3, false, false},
        {"save_room1.sec", 1, false, 3, false, false},
        {"gearboy_vert.sec", 2, false, 3, false, false},
        {"gearboyfeeling_passage.sec", 2, false, 1, false, false},
        {"fernvale_roll-under.sec", 0, true, 3, false, false},
        {"fernvale_roll-corner.sec", 0, true, 3, false, false},
        {"bridge_and_under.sec", 0, false, -1, true, false},
        {"dragon_fight_room.sec", 0, false, 3, false, true},
    };
    std::vector<std::string> names;
    for (const Expected& e : rooms) names.push_back(e.name);
    buildRow(names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(rooms[i].name);
        world->musicTrack = 3;
        ASSERT_TRUE(world->changeRoom(static_cast<int>(i), 0));
        EXPECT_EQ(world->tilesetIndex, rooms[i].tileset);
        EXPECT_EQ(world->darkRoom, rooms[i].dark);
        EXPECT_EQ(world->musicTrack, rooms[i].music);
        EXPECT_EQ(world->inBridgeRoom, rooms[i].bridge);
        EXPECT_EQ(world->inDragonRoom, rooms[i].dragon);
        EXPECT_FALSE(player->inWater);
    }
}

TEST_F(RoomRulesTest, TheFeatureIsTheBallInTheStartRoomAndAStationInTheSaveRoom) {
    buildRow({"starting_room.sec", "save_room1.sec", "ordinary.sec"});
    EXPECT_EQ(world->featureKind, kFeatureBallItem);
    ASSERT_TRUE(world->changeRoom(1, 0));
    EXPECT_EQ(world->featureKind, kFeatureFormStation);
    // Elsewhere the kind is left as it was.
    ASSERT_TRUE(world->changeRoom(2, 0));
    EXPECT_EQ(world->featureKind, kFeatureFormStation);
}
