// The room compiler on small rooms written here: what a room says comes out
// in the room file and secdump's text, and a hand-edited room's mistakes are
// refused with a message naming the file and the object.
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
        {"mirrored or rotated", [](RoomSketch& s) { s.put(2, 6, 6, 0x80000001u); }},
        {"object 9 (goblin): unknown object class 'goblin'",
         adding(R"(<object id="9" type="goblin" x="5" y="5"/>)")},
        {"object 9 (raka): the flag '300'",
         adding(R"(<object id="9" type="raka" x="5" y="5"><properties>
                   <property name="flag" value="300"/></properties></object>)")},
        {"object 9 (block) at column 2, row 12: no solid tile there",
         adding(blockObject("block", 32, 32))},
        {"object 9 'bad' (door) at column 0, row 0: a door record needs a closed door tile",
         adding(blockObject("door", 0, 224, "bad"))},
        {"object 9 (door) at column 18, row 2: the tile already has a block record",
         adding(blockObject("door", 288, 192))},
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

}  // namespace
