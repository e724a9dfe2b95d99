// The room compiler on small rooms written here: what a room says comes out
// in the room file (and in secdump's text), and each mistake a hand-edited
// room can hold is refused with a message naming the file and the object.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "RoomCompiler.h"
#include "SecDump.h"
#include "rooms/RoomSketch.h"

namespace {

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

TEST(RoomCompiler, TheRoomFileSaysWhatTheSourceSays) {
    const Result result = compileSketch(furnishedRoom());
    ASSERT_TRUE(result.ok) << result.diagnostics.text();
    const RoomFile& room = result.compiled.room;
    EXPECT_EQ(result.compiled.widthCells, 1);
    EXPECT_EQ(room.width, 20);
    EXPECT_EQ(room.height, 15);
    // Rows count from the bottom in the game, from the top in Tiled.
    EXPECT_EQ(room.tile(2, 7, 0), 1);
    EXPECT_EQ(room.tile(0, 5, 5), 2);
    EXPECT_EQ(room.tile(4, 3, 1), 5);
    EXPECT_EQ(room.tile(2, 7, 14), 0);
    EXPECT_FLOAT_EQ(room.startPos.x, 40);
    EXPECT_FLOAT_EQ(room.startPos.y, 40);
    EXPECT_EQ(room.featurePresent, 1);
    EXPECT_FLOAT_EQ(room.featurePos.x, 105);
    EXPECT_FLOAT_EQ(room.featurePos.y, 45);
    ASSERT_EQ(room.enemies.size(), 2u);
    EXPECT_EQ(room.enemies[0].kind, 1);
    EXPECT_EQ(room.enemies[0].flag, 1);
    EXPECT_FLOAT_EQ(room.enemies[0].pos.y, 24);
    EXPECT_EQ(room.enemies[1].kind, 0);
    EXPECT_FLOAT_EQ(room.enemies[1].pos.x, 150.5f);
    EXPECT_EQ(room.enemies[1].flag, 0);
    // The door rectangle gives one record a tile, top first.
    ASSERT_EQ(room.blocks.size(), 3u);
    EXPECT_EQ(room.blocks[0].column, 18);
    EXPECT_EQ(room.blocks[0].row, 2);
    EXPECT_EQ(room.blocks[0].type, 2);
    EXPECT_EQ(room.blocks[1].row, 1);
    EXPECT_EQ(room.blocks[2].column, 10);
    EXPECT_EQ(room.blocks[2].type, 0);
}

TEST(RoomCompiler, SecdumpOfTheWrittenFileGivesBackTheSource) {
    const Result result = compileSketch(furnishedRoom());
    ASSERT_TRUE(result.ok) << result.diagnostics.text();
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
          "block 2: block (type 0) at column 10 row 1\n",
          "  row 0: 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n",
          "  row 1: 0 0 0 0 0 0 0 0 0 0 6 0 0 0 0 0 0 0 3 0\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << "missing: " << line << text;
    }
    EXPECT_EQ(describeRoom(reread), describeRoom(result.compiled.room));
}

struct Mistake {
    const char* what;
    std::function<void(RoomSketch&)> make;
    const char* message;  // part of the error, which must also name the file
    std::string section = "test_room.sec";
};

class RoomMistakes : public ::testing::TestWithParam<Mistake> {};

TEST_P(RoomMistakes, AreRefusedWithAMessageNamingTheFileAndTheObject) {
    RoomSketch sketch = furnishedRoom();
    GetParam().make(sketch);
    const Result result = compileSketch(sketch, GetParam().section);
    EXPECT_FALSE(result.ok) << GetParam().what;
    bool found = false;
    for (const std::string& line : result.diagnostics.lines()) {
        found = found || (line.rfind(std::string(kFile) + ": error: ", 0) == 0 &&
                          line.find(GetParam().message) != std::string::npos);
    }
    EXPECT_TRUE(found) << GetParam().what << "\n" << result.diagnostics.text();
}

void addObject(RoomSketch& s, const std::string& xml) {
    s.objects += "\n" + xml;
}

INSTANTIATE_TEST_SUITE_P(
    Rooms, RoomMistakes,
    ::testing::Values(
        Mistake{"layer narrower than the room", [](RoomSketch& s) { s.layers[3].resize(10 * 15); },
                "tile layer '3 near' is 10x15 with 150 tiles, but the room is 20x15"},
        Mistake{"room not whole cells",
                [](RoomSketch& s) {
                    s.width = 25;
                    for (auto& layer : s.layers) layer.assign(25 * 15, 0);
                },
                "it must cover whole grid cells"},
        Mistake{"missing layer", [](RoomSketch& s) { s.layers.pop_back(); },
                "tile layer 5 is missing"},
        Mistake{"unknown tile", [](RoomSketch& s) { s.put(1, 2, 3, 42); },
                "tile layer '1 back detail' at column 2, row 3: unknown tile (gid 42"},
        Mistake{"solid tile on a drawing layer", [](RoomSketch& s) { s.put(4, 6, 6, 1); },
                "'ground-top' (code 1) is a solid tile on drawing-only layer 4"},
        Mistake{"drawing tile on the solid layer", [](RoomSketch& s) { s.put(2, 6, 6, 2); },
                "'cave-back' (code 2) is a drawing tile"},
        Mistake{"mirrored tile", [](RoomSketch& s) { s.put(2, 6, 6, 0x80000001u); },
                "mirrored or rotated"},
        Mistake{
            "unknown enemy kind",
            [](RoomSketch& s) { addObject(s, R"(<object id="9" type="goblin" x="5" y="5"/>)"); },
            "object 9 (goblin): unknown object class 'goblin'"},
        Mistake{"bad spawn flag",
                [](RoomSketch& s) {
                    addObject(s, R"(<object id="9" type="raka" x="5" y="5"><properties>
                        <property name="flag" value="300"/></properties></object>)");
                },
                "object 9 (raka): the flag '300'"},
        Mistake{"block off the grid",
                [](RoomSketch& s) {
                    addObject(
                        s,
                        R"(<object id="9" type="block" x="164" y="208" width="16" height="16"/>)");
                },
                "object 9 (block) is off the grid"},
        Mistake{"block outside the room",
                [](RoomSketch& s) {
                    addObject(
                        s,
                        R"(<object id="9" type="block" x="320" y="16" width="16" height="16"/>)");
                },
                "object 9 (block) lies outside the room"},
        Mistake{"block on an empty tile",
                [](RoomSketch& s) {
                    addObject(
                        s, R"(<object id="9" type="block" x="32" y="32" width="16" height="16"/>)");
                },
                "object 9 (block) at column 2, row 12: no solid tile there"},
        Mistake{
            "door record on a wall tile",
            [](RoomSketch& s) {
                addObject(
                    s,
                    R"(<object id="9" name="bad" type="door" x="0" y="224" width="16" height="16"/>)");
            },
            "object 9 'bad' (door) at column 0, row 0: a door record needs a closed door tile"},
        Mistake{"unknown block type",
                [](RoomSketch& s) {
                    addObject(
                        s, R"(<object id="9" type="gate" x="0" y="224" width="16" height="16"/>)");
                },
                "unknown object class 'gate'"},
        Mistake{"two records on one tile",
                [](RoomSketch& s) {
                    addObject(
                        s,
                        R"(<object id="9" type="door" x="288" y="192" width="16" height="16"/>)");
                },
                "object 9 (door) at column 18, row 2: the tile already has a block record"},
        Mistake{
            "no start position",
            [](RoomSketch& s) { s.objects = R"(<object id="2" type="swoop" x="150" y="40"/>)"; },
            "the room has no start position"},
        Mistake{"start outside the room",
                [](RoomSketch& s) {
                    s.objects = R"(<object id="1" type="start" x="400" y="200"><point/></object>)";
                },
                "object 1 (start) lies outside the room"},
        Mistake{"another room's tileset", [](RoomSketch&) {},
                "but save_room1.sec is drawn with tiles_combo1.tsx", "save_room1.sec"},
        Mistake{"name over 90 characters", [](RoomSketch&) {}, "is longer than 90 characters",
                std::string(88, 'n') + ".sec"}),
    [](const ::testing::TestParamInfo<Mistake>& info) {
        std::string name = info.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST(RoomCompiler, ReadsTheLayerEncodingsTiledOffers) {
    // Codes 1 and 6 as little-endian words: the uncompressed base64 layout.
    const std::string base64 = "AQAAAAYAAAA=";
    Diagnostics diagnostics;
    TmxRoom room;
    const std::string xml = R"(<map width="2" height="1" tilewidth="16" tileheight="16">
      <layer name="0 a" width="2" height="1"><data encoding="base64">)" +
                            base64 +
                            R"(</data></layer>
      <layer name="1 b" width="2" height="1"><data><tile gid="6"/><tile/></data></layer>
      <layer name="2 c" width="2" height="1"><data encoding="base64" compression="zlib">eJw=</data></layer>
    </map>)";
    EXPECT_FALSE(parseTmx(xml, kFile, room, diagnostics));
    ASSERT_EQ(room.layers.size(), 3u);
    EXPECT_EQ(room.layers[0].gids, (std::vector<std::uint32_t>{1, 6}));
    EXPECT_EQ(room.layers[1].gids, (std::vector<std::uint32_t>{6, 0}));
    EXPECT_NE(diagnostics.text().find("tile layer '2 c' is compressed"), std::string::npos)
        << diagnostics.text();
}

TEST(RoomCompiler, WarnsWithoutFailingOnAFeatureWhoseKindNoRoomSets) {
    const Result result = compileSketch(furnishedRoom(), "some_cave.sec");
    EXPECT_TRUE(result.ok) << result.diagnostics.text();
    EXPECT_EQ(result.diagnostics.warningCount(), 1);
    EXPECT_NE(result.diagnostics.text().find("object 2 (feature): only starting_room.sec"),
              std::string::npos);
}

}  // namespace
