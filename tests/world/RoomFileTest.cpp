// Map and room files: the layout the game reads, and refusal of damaged files
// without reading past their data.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "world/RoomFile.h"

namespace {

constexpr std::size_t kTail = 8 + 24 * 300;  // a one-cell room's size and six layers

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

// The file with a 4-byte value written at `offset` (the machine is
// little-endian like the files).
std::vector<std::uint8_t> patched(std::vector<std::uint8_t> bytes, std::size_t offset,
                                  std::int32_t value) {
    std::memcpy(&bytes[offset], &value, 4);
    return bytes;
}

bool parses(const std::vector<std::uint8_t>& bytes, std::string* error = nullptr) {
    RoomFile room;
    return parseRoomFile(bytes.data(), bytes.size(), room, error);
}

}  // namespace

TEST(RoomFile, OneCellRoomReadsBackWhatWasWritten) {
    const std::vector<std::uint8_t> bytes = serializeRoomFile(oneCellRoom());
    ASSERT_EQ(bytes.size(), kTail + 30 + 17 + 4 + 12);
    RoomFile back;
    std::string error;
    ASSERT_TRUE(parseRoomFile(bytes.data(), bytes.size(), back, &error)) << error;
    EXPECT_EQ(back.tile(kSolidLayer, 3, 0), 7);
    EXPECT_EQ(back.tile(5, 19, 14), -2);
    EXPECT_FLOAT_EQ(back.startPos.y, 32.0f);
    EXPECT_EQ(back.featurePresent, 1);
    EXPECT_FLOAT_EQ(back.featurePos.x, 100.0f);
    EXPECT_EQ(back.enemies.at(0).kind, 1);
    EXPECT_EQ(back.enemies.at(0).flag, 1);
    EXPECT_EQ(back.blocks.at(0).column, 19);
    EXPECT_EQ(back.blocks.at(0).type, 2);
}

TEST(RoomFile, DamagedRoomsAreRefusedWithAReason) {
    const std::vector<std::uint8_t> good = serializeRoomFile(oneCellRoom());
    std::string error;
    // Every truncation is refused (and ASan sees no read past the data).
    for (std::size_t size = 0; size < good.size(); size += (size < 64 ? 1 : 97)) {
        EXPECT_FALSE(parses(std::vector<std::uint8_t>(good.begin(), good.begin() + size))) << size;
    }
    EXPECT_FALSE(parses(std::vector<std::uint8_t>(good.begin(), good.end() - 1)));

    EXPECT_FALSE(parses(patched(good, 0, 0), &error));
    EXPECT_NE(error.find("room size"), std::string::npos);
    EXPECT_FALSE(parses(patched(good, 4, 1 << 30)));
    EXPECT_FALSE(parses(patched(good, kTail + 26, -1), &error));
    EXPECT_NE(error.find("negative enemy count"), std::string::npos);
    EXPECT_FALSE(parses(patched(good, kTail + 26, 1000000), &error));
    EXPECT_NE(error.find("more than the file holds"), std::string::npos);
    EXPECT_FALSE(parses(patched(good, kTail + 30 + 17, 2)));  // block count too big

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

TEST(RoomFile, PositionsThatAreNotNumbersNearTheRoomAreRefused) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    std::string error;
    for (const Vector3 bad :
         {makeVector3(nan, 40, 0), makeVector3(40, inf, 0), makeVector3(40, 40, -inf),
          makeVector3(-321, 40, 0), makeVector3(40, 240 + 241, 0), makeVector3(3e9f, 40, 0)}) {
        RoomFile start = oneCellRoom(), feature = oneCellRoom(), enemy = oneCellRoom();
        start.startPos = bad;
        feature.featurePos = bad;
        enemy.enemies.push_back(EnemyEntry{bad, 0, 0});
        EXPECT_FALSE(parses(serializeRoomFile(start), &error));
        EXPECT_NE(error.find("start position"), std::string::npos) << error;
        EXPECT_FALSE(parses(serializeRoomFile(feature), &error));
        EXPECT_NE(error.find("feature position"), std::string::npos) << error;
        EXPECT_FALSE(parses(serializeRoomFile(enemy), &error));
        EXPECT_NE(error.find("enemy 1"), std::string::npos) << error;
    }
    // Up to one grid cell around the room is fine: a swoop may wait above the view.
    RoomFile edge = oneCellRoom();
    edge.startPos = makeVector3(-320, -240, 0);
    edge.enemies.push_back(EnemyEntry{makeVector3(320 + 320, 240 + 240, 0), 0, 0});
    EXPECT_TRUE(parses(serializeRoomFile(edge), &error)) << error;
}

TEST(MapFile, SectionsRoundTripAndDamagedMapsAreRefused) {
    MapFile map;
    map.sections.push_back(SectionRecord{"starting_room.sec", 0, 0, 1, 1});
    map.sections.push_back(SectionRecord{"gearboy_vert.sec", 1, -1, 1, 2});
    const std::vector<std::uint8_t> bytes = serializeMapFile(map);
    ASSERT_EQ(bytes.size(), 4u + 2 * 116);
    MapFile back;
    std::string error;
    auto parsesMap = [&](const std::vector<std::uint8_t>& data, std::size_t cut = 0) {
        return parseMapFile(data.data(), data.size() - cut, back, &error);
    };
    ASSERT_TRUE(parsesMap(bytes)) << error;
    EXPECT_EQ(back.sections[1].name, "gearboy_vert.sec");
    EXPECT_EQ(back.sections[1].gridY, -1);

    // Short by one byte, a count past the records, no sections at all.
    EXPECT_FALSE(parsesMap(bytes, 1));
    EXPECT_FALSE(parsesMap(patched(bytes, 0, 3)));
    EXPECT_FALSE(parsesMap(patched(bytes, 0, 0)));
    // A name with no terminator inside its 100 bytes, or longer than 90.
    std::vector<std::uint8_t> unterminated = bytes;
    std::memset(&unterminated[4], 'a', 100);
    EXPECT_FALSE(parsesMap(unterminated));
    EXPECT_NE(error.find("section 0"), std::string::npos);
    for (const std::size_t length : {90, 91}) {
        MapFile named;
        named.sections.push_back(SectionRecord{std::string(length, 'n'), 0, 0, 1, 1});
        EXPECT_EQ(parsesMap(serializeMapFile(named)), length == 90) << length;
    }
    MapFile flat;  // a room of no size
    flat.sections.push_back(SectionRecord{"a.sec", 0, 0, 0, 1});
    EXPECT_FALSE(parsesMap(serializeMapFile(flat)));
}
