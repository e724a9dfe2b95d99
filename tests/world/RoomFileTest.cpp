// Map and room files: the layout the game reads, and refusal of damaged files
// without reading past their data.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "world/RoomFile.h"

namespace {

RoomFile oneCellRoom() {
    RoomFile room;
    room.width = 20;
    room.height = 15;
    for (auto& layer : room.layers) layer.assign(300, 0);
    room.tile(kSolidLayer, 3, 0) = 7;
    room.tile(5, 19, 14) = -2;
    room.startPos = makeVector3(40, 32, 0);
    room.featurePresent = 1;
    room.featurePos = makeVector3(100, 50, 0);
    room.enemies.push_back(EnemyEntry{makeVector3(200, 40, 0), 1, 1});
    room.blocks.push_back(BlockEntry{19, 2, 2});
    return room;
}

std::int32_t int32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    std::int32_t v;
    std::memcpy(&v, &bytes[offset], 4);  // the machine is little-endian like the files
    return v;
}

float floatAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    float v;
    std::memcpy(&v, &bytes[offset], 4);
    return v;
}

bool parses(const std::vector<std::uint8_t>& bytes, std::string* error = nullptr) {
    RoomFile room;
    return parseRoomFile(bytes.data(), bytes.size(), room, error);
}

}  // namespace

TEST(RoomFile, OneCellRoomHasTheDocumentedOffsets) {
    const std::vector<std::uint8_t> bytes = serializeRoomFile(oneCellRoom());
    const std::size_t L = 8 + 24 * 300;
    ASSERT_EQ(bytes.size(), L + 30 + 17 + 4 + 12);
    EXPECT_EQ(int32At(bytes, 0), 20);
    EXPECT_EQ(int32At(bytes, 8 + 4 * 300 * 2 + 4 * 3), 7);  // layer 2, column 3, row 0
    EXPECT_FLOAT_EQ(floatAt(bytes, L + 1), 40.0f);          // startPos after the spare byte
    EXPECT_EQ(bytes[L + 13], 1);                            // featurePresent
    EXPECT_FLOAT_EQ(floatAt(bytes, L + 14 + 4), 50.0f);     // featurePos.y
    EXPECT_EQ(int32At(bytes, L + 26), 1);                   // enemy count
    EXPECT_EQ(int32At(bytes, L + 30 + 12), 1);              // enemy kind
    EXPECT_EQ(bytes[L + 30 + 16], 1);                       // enemy flag
    EXPECT_EQ(int32At(bytes, L + 30 + 17), 1);              // block count

    RoomFile back;
    std::string error;
    ASSERT_TRUE(parseRoomFile(bytes.data(), bytes.size(), back, &error)) << error;
    EXPECT_EQ(back.tile(kSolidLayer, 3, 0), 7);
    EXPECT_EQ(back.tile(5, 19, 14), -2);
    EXPECT_EQ(back.blocks.at(0).type, 2);
    EXPECT_EQ(back.enemies.at(0).flag, 1);
    EXPECT_FLOAT_EQ(back.featurePos.x, 100.0f);

    RoomFile bare = oneCellRoom();
    bare.enemies.clear();
    bare.blocks.clear();
    const std::vector<std::uint8_t> empty = serializeRoomFile(bare);
    ASSERT_TRUE(parseRoomFile(empty.data(), empty.size(), back, nullptr));
    EXPECT_TRUE(back.enemies.empty() && back.blocks.empty());
}

TEST(RoomFile, DamagedRoomsAreRefusedWithAReason) {
    const std::vector<std::uint8_t> good = serializeRoomFile(oneCellRoom());
    std::string error;
    // Every truncation is refused (and ASan sees no read past the data).
    for (std::size_t size = 0; size < good.size(); size += (size < 64 ? 1 : 97)) {
        std::vector<std::uint8_t> cut(good.begin(), good.begin() + size);
        EXPECT_FALSE(parses(cut)) << size;
    }
    EXPECT_FALSE(parses(std::vector<std::uint8_t>(good.begin(), good.end() - 1)));

    auto patched = [&](std::size_t offset, std::int32_t value) {
        std::vector<std::uint8_t> bytes = good;
        std::memcpy(&bytes[offset], &value, 4);
        return bytes;
    };
    const std::size_t L = 8 + 24 * 300;
    EXPECT_FALSE(parses(patched(0, -20), &error));
    EXPECT_NE(error.find("room size"), std::string::npos);
    EXPECT_FALSE(parses(patched(0, 0)));
    EXPECT_FALSE(parses(patched(4, 1 << 30)));
    EXPECT_FALSE(parses(patched(L + 26, -1), &error));
    EXPECT_NE(error.find("negative enemy count"), std::string::npos);
    EXPECT_FALSE(parses(patched(L + 26, 1000000), &error));
    EXPECT_NE(error.find("more than the file holds"), std::string::npos);
    EXPECT_FALSE(parses(patched(L + 30 + 17, 2)));  // block count too big

    // A block names a tile the World writes to: every tile of the room, up
    // to the last row and column, and nothing beyond; and no more blocks
    // than any real room has.
    struct Block {
        int column, row;
        bool inside;
    };
    for (const Block b : {Block{0, 0, true}, Block{19, 14, true}, Block{19, 15, false},
                          Block{20, 14, false}, Block{0, -1, false}, Block{-1, 0, false}}) {
        RoomFile room = oneCellRoom();
        room.blocks = {BlockEntry{b.column, b.row, 0}};
        EXPECT_EQ(parses(serializeRoomFile(room), &error), b.inside) << b.column << ", " << b.row;
        if (!b.inside) {
            EXPECT_NE(error.find("outside the room"), std::string::npos) << error;
        }
    }
    RoomFile crowded = oneCellRoom();
    crowded.blocks.assign(kMaxRoomBlocks, BlockEntry{1, 1, 0});
    EXPECT_TRUE(parses(serializeRoomFile(crowded), &error)) << error;
    crowded.blocks.push_back(BlockEntry{1, 1, 0});
    EXPECT_FALSE(parses(serializeRoomFile(crowded), &error));
    EXPECT_NE(error.find("block count"), std::string::npos) << error;
}

TEST(MapFile, SectionsRoundTripAndDamagedMapsAreRefused) {
    MapFile map;
    map.sections.push_back(SectionRecord{"starting_room.sec", 0, 0, 1, 1});
    map.sections.push_back(SectionRecord{"gearboy_vert.sec", 1, -1, 1, 2});
    std::vector<std::uint8_t> bytes = serializeMapFile(map);
    ASSERT_EQ(bytes.size(), 4u + 2 * 116);
    MapFile back;
    std::string error;
    ASSERT_TRUE(parseMapFile(bytes.data(), bytes.size(), back, &error)) << error;
    EXPECT_EQ(back.sections[1].name, "gearboy_vert.sec");
    EXPECT_EQ(back.sections[1].gridY, -1);
    EXPECT_EQ(back.sections[1].heightCells, 2);

    // Short by one byte, a count past the records, no sections at all.
    EXPECT_FALSE(parseMapFile(bytes.data(), bytes.size() - 1, back, nullptr));
    std::vector<std::uint8_t> more = bytes;
    more[0] = 3;
    EXPECT_FALSE(parseMapFile(more.data(), more.size(), back, nullptr));
    std::vector<std::uint8_t> none = bytes;
    none[0] = 0;
    EXPECT_FALSE(parseMapFile(none.data(), none.size(), back, nullptr));

    // A name with no terminator inside its 100 bytes, or longer than 90.
    std::vector<std::uint8_t> unterminated = bytes;
    std::memset(&unterminated[4], 'a', 100);
    EXPECT_FALSE(parseMapFile(unterminated.data(), unterminated.size(), back, &error));
    EXPECT_NE(error.find("section 0"), std::string::npos);
    MapFile longName;
    longName.sections.push_back(SectionRecord{std::string(91, 'n'), 0, 0, 1, 1});
    bytes = serializeMapFile(longName);
    EXPECT_FALSE(parseMapFile(bytes.data(), bytes.size(), back, nullptr));
    longName.sections[0].name.resize(90);
    bytes = serializeMapFile(longName);
    EXPECT_TRUE(parseMapFile(bytes.data(), bytes.size(), back, nullptr));

    // Zero-size rooms.
    MapFile flat;
    flat.sections.push_back(SectionRecord{"a.sec", 0, 0, 0, 1});
    bytes = serializeMapFile(flat);
    EXPECT_FALSE(parseMapFile(bytes.data(), bytes.size(), back, nullptr));
}

TEST(RoomFile, PositionsThatAreNotNumbersNearTheRoomAreRefused) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    std::string error;
    auto refused = [&](RoomFile room, const char* what) {
        const std::vector<std::uint8_t> bytes = serializeRoomFile(room);
        const bool ok = parses(bytes, &error);
        EXPECT_NE(error.find(what), std::string::npos) << error;
        return !ok;
    };
    for (const Vector3 bad :
         {makeVector3(nan, 40, 0), makeVector3(40, inf, 0), makeVector3(40, 40, -inf),
          makeVector3(-321, 40, 0), makeVector3(40, 240 + 241, 0), makeVector3(3e9f, 40, 0)}) {
        RoomFile start = oneCellRoom();
        start.startPos = bad;
        EXPECT_TRUE(refused(start, "start position"));
        RoomFile feature = oneCellRoom();
        feature.featurePos = bad;
        EXPECT_TRUE(refused(feature, "feature position"));
        RoomFile enemy = oneCellRoom();
        enemy.enemies.push_back(EnemyEntry{bad, 0, 0});
        EXPECT_TRUE(refused(enemy, "enemy 1"));
    }
    // Just inside the margin of one grid cell around the room is fine: a
    // swoop may wait above the view.
    RoomFile edge = oneCellRoom();
    edge.startPos = makeVector3(-320, -240, 0);
    edge.enemies.push_back(EnemyEntry{makeVector3(320 + 320, 240 + 240, 0), 0, 0});
    EXPECT_TRUE(parses(serializeRoomFile(edge), &error)) << error;
}
