// A block record names a tile the World will write to: the room loader takes
// every tile of the room, up to the last row and column, and nothing beyond.
#include <gtest/gtest.h>

#include "world/RoomFile.h"
#include "world/World.h"

TEST(RoomBlockBounds, BlocksMayStandOnEveryTileOfTheRoomAndNowhereElse) {
    RoomFile room;
    room.width = 20;
    room.height = 15;
    for (auto& layer : room.layers) layer.assign(300, 0);
    struct Case {
        int column, row;
        bool inside;
    };
    for (const Case c : {Case{0, 0, true}, Case{19, 14, true}, Case{19, 15, false},
                         Case{20, 14, false}, Case{0, -1, false}, Case{-1, 0, false}}) {
        SCOPED_TRACE(testing::Message() << c.column << ", " << c.row);
        room.blocks = {BlockEntry{c.column, c.row, kDoor}};
        const std::vector<std::uint8_t> bytes = serializeRoomFile(room);
        RoomFile back;
        std::string error;
        EXPECT_EQ(parseRoomFile(bytes.data(), bytes.size(), back, &error), c.inside) << error;
        if (!c.inside) {
            EXPECT_NE(error.find("outside the room"), std::string::npos) << error;
        }
    }
}
