// The room compiler and map builder on rooms written here: rooms come out as
// written, mistakes are refused by name, and the map refuses overlaps, exits
// onto nothing or into a wall, and missing rooms the game names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "MapBuilder.h"
#include "RoomCompiler.h"
#include "RoomRules.h"
#include "SecDump.h"
#include "TiledTileset.h"
#include "support/ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

// Small Tiled rooms written by the tests: six layers of codes (row-major from
// the top, as Tiled stores them) and the object layer's XML.
struct RoomSketch {
    int width = 20;
    int height = 15;
    std::string tileset = "tilesets/tiles_test.tsx";
    std::vector<std::vector<unsigned>> layers =
        std::vector<std::vector<unsigned>>(6, std::vector<unsigned>(20 * 15, 0));
    std::string objects = R"(<object id="1" type="start" x="40" y="200"><point/></object>)";

    // Puts a code at (column, row) with row 0 at the bottom, as the game counts.
    void put(int layer, int column, int row, unsigned code) {
        layers[layer][static_cast<std::size_t>(height - 1 - row) * width + column] = code;
    }
    std::string tmx() const;
};

// The tile catalogue every sketch uses (codes 1 to 7).
const char* const kSketchCatalogue =
    "# code name layers shape\n"
    "1 ground-top 2 full\n"
    "2 cave-back 0,1 full\n"
    "3 door-top 2 full\n"
    "4 door-top-half-open 2 top-half\n"
    "5 grass 4,5 bottom-half\n"
    "6 breakable 2 full\n"
    "7 crystals 1,3 full\n";

std::string RoomSketch::tmx() const {
    static const char* const names[] = {"0 back", "1 back detail", "2 solid",
                                        "3 near", "4 front",       "5 frame"};
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<map version=\"1.8\" "
           "orientation=\"orthogonal\" width=\""
        << width << "\" height=\"" << height
        << "\" tilewidth=\"16\" tileheight=\"16\" infinite=\"0\">\n"
        << " <tileset firstgid=\"1\" source=\"" << tileset << "\"/>\n";
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const std::size_t cells = layers[i].size();
        out << " <layer name=\"" << names[i % 6] << "\" width=\""
            << cells / static_cast<std::size_t>(height) << "\" height=\"" << height
            << "\">\n  <data encoding=\"csv\">";
        for (std::size_t k = 0; k < cells; ++k) out << (k ? "," : "") << layers[i][k];
        out << "</data>\n </layer>\n";
    }
    out << " <objectgroup name=\"objects\">\n" << objects << "\n </objectgroup>\n</map>\n";
    return out.str();
}

const char* const kFile = "sketch.tmx";

struct Result {
    bool ok = false;
    CompiledRoom compiled;
    Diagnostics diagnostics;
};

Result compileSketch(const RoomSketch& sketch, const std::string& section = "test_room.sec") {
    Result result;
    TileCatalogue catalogue;
    EXPECT_TRUE(catalogue.parse(kSketchCatalogue, "catalogue", result.diagnostics));
    TmxRoom tmx;
    if (parseTmx(sketch.tmx(), kFile, tmx, result.diagnostics)) {
        RoomCompiler compiler(catalogue, result.diagnostics);
        result.ok = compiler.compile(tmx, kFile, section, result.compiled);
    }
    return result;
}

// A room with a floor, a two-tile door, a breakable block and two enemies.
RoomSketch furnishedRoom() {
    RoomSketch sketch;
    for (int c = 0; c < 20; ++c) sketch.put(2, c, 0, 1);
    sketch.put(0, 5, 5, 2);
    sketch.put(4, 3, 1, 5);
    sketch.put(2, 18, 1, 3);
    sketch.put(2, 18, 2, 3);
    sketch.put(2, 10, 1, 6);
    // Tiled's y runs down from the top of the 240-unit room.
    sketch.objects = R"(
  <object id="1" type="start" x="40" y="200"><point/></object>
  <object id="2" type="feature" x="100" y="190" width="10" height="10"/>
  <object id="3" class="helmet" x="60" y="208" width="16" height="16">
   <properties><property name="flag" type="int" value="1"/></properties>
  </object>
  <object id="4" type="swoop" x="150.5" y="40"><point/></object>
  <object id="5" name="exit" type="door" x="288" y="192" width="16" height="32"/>
  <object id="6" type="block" x="160" y="208" width="16" height="16"/>)";
    return sketch;
}

TEST(RoomCompiler, TheRoomFileAndSecdumpSayWhatTheSourceSays) {
    const Result result = compileSketch(furnishedRoom());
    ASSERT_TRUE(result.ok) << result.diagnostics.text();
    EXPECT_EQ(result.compiled.widthCells, 1);
    // Written, read back and described as secdump does. Rows count from the
    // bottom in the game, from the top in Tiled; y grows upward; a door
    // rectangle gives one record a tile, top first.
    const std::vector<std::uint8_t> bytes = serializeRoomFile(result.compiled.room);
    RoomFile reread;
    std::string error;
    ASSERT_TRUE(parseRoomFile(bytes.data(), bytes.size(), reread, &error)) << error;
    const std::string text = describeRoom(reread);
    for (const char* line :
         {"room: 20 x 15 tiles\n", "start: 40 40 0\n", "feature: present (1) at 105 45 0\n",
          "enemy 0: helmet (kind 1) at 68 24 0 flag 1\n",
          "enemy 1: swoop (kind 0) at 150.5 200 0 flag 0\n",
          "block 0: door (type 2) at column 18 row 2\n",
          "block 1: door (type 2) at column 18 row 1\n",
          "block 2: block (type 0) at column 10 row 1\n",
          "  row 0: 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n",
          "  row 1: 0 0 0 0 0 0 0 0 0 0 6 0 0 0 0 0 0 0 3 0\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line << text;
    }
    EXPECT_EQ(reread.tile(0, 5, 5), 2);
    EXPECT_EQ(reread.tile(4, 3, 1), 5);
    EXPECT_EQ(text, describeRoom(result.compiled.room));
}

// A one-tile rectangle object 9 of a block class at Tiled (x, y).
std::string blockObject(const char* type, int x, int y, const char* name = "") {
    return "<object id=\"9\" name=\"" + std::string(name) + "\" type=\"" + type + "\" x=\"" +
           std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"16\" height=\"16\"/>";
}

TEST(RoomCompiler, RefusesMistakesWithAMessageNamingTheFileAndTheObject) {
    struct Mistake {
        const char* message;  // part of the error, which must also name the file
        std::function<void(RoomSketch&)> make;
        std::string section = "test_room.sec";
    };
    auto adding = [](const std::string& xml) {
        return [xml](RoomSketch& s) { s.objects += "\n" + xml; };
    };
    const Mistake mistakes[] = {
        {"tile layer '3 near' is 10x15 with 150 tiles, but the room is 20x15",
         [](RoomSketch& s) { s.layers[3].resize(10 * 15); }},
        {"it must cover whole grid cells",
         [](RoomSketch& s) {
             s.width = 25;
             for (auto& layer : s.layers) layer.assign(25 * 15, 0);
         }},
        {"tile layer '1 back detail' at column 2, row 3: unknown tile (gid 42",
         [](RoomSketch& s) { s.put(1, 2, 3, 42); }},
        {"'ground-top' (code 1) is a solid tile on drawing-only layer 4",
         [](RoomSketch& s) { s.put(4, 6, 6, 1); }},
        {"object 9 (goblin): unknown object class 'goblin'",
         adding(R"(<object id="9" type="goblin" x="5" y="5"/>)")},
        {"object 9 (block) at column 2, row 12: no solid tile there",
         adding(blockObject("block", 32, 32))},
        {"object 9 'bad' (door) at column 0, row 0: a door record needs a closed door tile",
         adding(blockObject("door", 0, 224, "bad"))},
        {"the room has no start position",
         [](RoomSketch& s) { s.objects = R"(<object id="2" type="swoop" x="150" y="40"/>)"; }},
        {"but save_room1.sec is drawn with tiles_combo1.tsx", [](RoomSketch&) {}, "save_room1.sec"},
    };
    for (const Mistake& mistake : mistakes) {
        RoomSketch sketch = furnishedRoom();
        mistake.make(sketch);
        const Result result = compileSketch(sketch, mistake.section);
        EXPECT_FALSE(result.ok) << mistake.message;
        bool found = false;
        for (const std::string& line : result.diagnostics.lines()) {
            found = found || (line.rfind(std::string(kFile) + ": error: ", 0) == 0 &&
                              line.find(mistake.message) != std::string::npos);
        }
        EXPECT_TRUE(found) << mistake.message << "\n" << result.diagnostics.text();
    }
}

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
    EXPECT_TRUE(readMapFile((dir_ / "data" / "map" / "test.map").string(), reread, nullptr) &&
                reread.sections.size() == 2u);
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
