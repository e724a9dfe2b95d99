// The whole map: the rooms in assets/rooms build cleanly, and the checks
// between rooms refuse overlaps, exits onto nothing or into a wall, and a
// map without the rooms the game names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "MapBuilder.h"
#include "RoomRules.h"
#include "TiledTileset.h"
#include "rooms/RoomSketch.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

TEST(RealMap, BuildsCleanlyWithTheRoomsTheGameNames) {
    Diagnostics diagnostics;
    MapBuilder builder(QUASARINE_SOURCE_DIR "/assets/rooms", QUASARINE_SOURCE_DIR "/assets/tiles",
                       diagnostics);
    ASSERT_TRUE(builder.build()) << diagnostics.text();
    EXPECT_TRUE(checkRoomsTheGameNames(builder.map(), "map.txt", diagnostics))
        << diagnostics.text();
    EXPECT_EQ(diagnostics.warningCount(), 0) << diagnostics.text();
    EXPECT_EQ(builder.map().sections.at(0).name, "starting_room.sec");
}

// A scratch copy of the asset layout with two sketched rooms.
class SketchMap : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(dir_ / "rooms" / "tilesets");
        fs::create_directories(dir_ / "tiles");
        Diagnostics diagnostics;
        TileCatalogue catalogue;
        ASSERT_TRUE(catalogue.parse(kSketchCatalogue, "catalogue", diagnostics));
        for (int sheet = 0; sheet < kTileSheetCount; ++sheet) {
            const std::string name = tileSheetName(sheet);
            write(dir_ / "tiles" / (name + ".txt"), kSketchCatalogue);
            write(dir_ / "rooms" / "tilesets" / (name + ".tsx"),
                  formatTsx(makeTiledTileset(name, catalogue, name + ".png", 256, 256)));
        }
    }
    static void write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    // A room closed all round except a gap in its right wall at rows 1 and 2.
    void addRoom(const std::string& name, bool openRight) {
        RoomSketch sketch;
        for (int c = 0; c < 20; ++c) {
            sketch.put(2, c, 0, 1);
            sketch.put(2, c, 14, 1);
        }
        for (int r = 0; r < 15; ++r) {
            sketch.put(2, 0, r, 1);
            if (!(openRight && (r == 1 || r == 2))) sketch.put(2, 19, r, 1);
        }
        write(dir_ / "rooms" / (name + ".tmx"), sketch.tmx());
    }
    bool build(const std::string& layout) {
        write(dir_ / "rooms" / "map.txt", layout);
        MapBuilder builder((dir_ / "rooms").string(), (dir_ / "tiles").string(), diagnostics_);
        const bool ok = builder.build();
        if (ok) {
            EXPECT_TRUE(builder.write((dir_ / "data").string()));
            map_ = builder.map();
        }
        return ok;
    }
    bool said(const std::string& text) const {
        return diagnostics_.text().find(text) != std::string::npos;
    }

    ScratchFolder folder_{"map"};
    const fs::path dir_{folder_.path()};
    Diagnostics diagnostics_;
    MapFile map_;
};

TEST_F(SketchMap, WritesTheMapAndRoomsInLayoutOrder) {
    addRoom("a", false);
    addRoom("b", false);
    ASSERT_TRUE(build("b.tmx 5 -2  # starts here\na.tmx 4 -2\n")) << diagnostics_.text();
    ASSERT_EQ(map_.sections.size(), 2u);
    EXPECT_EQ(map_.sections[0].name, "b.sec");
    EXPECT_EQ(map_.sections[1].gridX, 4);
    EXPECT_EQ(map_.sections[1].gridY, -2);
    MapFile reread;
    RoomFile room;
    ASSERT_TRUE(readMapFile((dir_ / "data" / "map" / "test.map").string(), reread, nullptr));
    EXPECT_EQ(reread.sections.size(), 2u);
    EXPECT_TRUE(readRoomFile((dir_ / "data" / "map" / "a.sec").string(), room, nullptr));
}

TEST_F(SketchMap, RefusesExitsOntoNoRoomOrIntoAWall) {
    addRoom("a", true);
    addRoom("b", false);
    // a's right gap meets b's solid left wall: the player would be shut in.
    EXPECT_FALSE(build("b.tmx 5 -2\na.tmx 4 -2\n"));
    EXPECT_TRUE(
        said("a.tmx: error: the right edge is open at column 19, row 1 but leads into "
             "a wall of b.sec at column 0, row 1"))
        << diagnostics_.text();
    // Nothing beyond the gap at all; the cells no room covers are only noted.
    EXPECT_FALSE(build("a.tmx 0 0\nb.tmx 2 1\n"));
    EXPECT_TRUE(
        said("map.txt: note: grid cells no room covers (allowed; an edge that faces one "
             "is a wall): (0, 1) (1, 1) (1, 0) (2, 0)"))
        << diagnostics_.text();
    EXPECT_TRUE(
        said("a.tmx: error: the right edge is open at column 19, row 2 but no room "
             "covers grid cell (1, 0)"))
        << diagnostics_.text();
}

TEST_F(SketchMap, TheGameNeedsEveryRoomItNames) {
    addRoom("starting_room", false);
    ASSERT_TRUE(build("starting_room.tmx 0 0\n")) << diagnostics_.text();
    EXPECT_FALSE(checkRoomsTheGameNames(map_, "map.txt", diagnostics_));
    EXPECT_TRUE(said("map.txt: error: the game's room dragon_fight_room.sec is not on the map"));
    EXPECT_FALSE(said("starting_room.sec is not on the map"));
}

TEST_F(SketchMap, RefusesOverlappingRoomsAndBadLayouts) {
    addRoom("a", false);
    addRoom("b", false);
    EXPECT_FALSE(build("a.tmx 0 0\nb.tmx 0 0\n"));
    EXPECT_TRUE(said("map.txt: error: b.sec overlaps a.sec at grid cell (0, 0)"))
        << diagnostics_.text();
    EXPECT_FALSE(build("a.tmx 0\n"));
    EXPECT_TRUE(said("map.txt:1: error: expected 'room.tmx gridX gridY'"));
    EXPECT_FALSE(build("a.tmx 0 0\nmissing.tmx 1 0\n"));
    EXPECT_TRUE(said("missing.tmx: error: cannot read the room"));
}

TEST_F(SketchMap, RefusesATilesetThatNoLongerMatchesItsCatalogue) {
    addRoom("a", false);
    write(dir_ / "tiles" / "tiles_test.txt", std::string(kSketchCatalogue) + "8 lamp 3 none\n");
    EXPECT_FALSE(build("a.tmx 0 0\n"));
    EXPECT_TRUE(
        said("tiles_test.tsx: error: tile 7 is named '' but the catalogue calls code 8 'lamp'"))
        << diagnostics_.text();
}

}  // namespace
