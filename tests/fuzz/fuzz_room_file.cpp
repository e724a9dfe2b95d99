// Room files (data/map/*.sec): the parser, and the writer on what it accepted.
// Every field is stored raw, so writing an accepted room gives back exactly
// the bytes it was read from (anything after the last block is ignored).
#include <cstring>
#include <vector>

#include "FuzzCheck.h"
#include "world/RoomFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RoomFile room;
    std::string error;
    if (!parseRoomFile(data, size, room, &error)) {
        require(!error.empty());
        return 0;
    }
    for (const auto& layer : room.layers)
        require(layer.size() == static_cast<std::size_t>(room.width) * room.height);
    for (const BlockEntry& b : room.blocks)
        require(b.column >= 0 && b.row >= 0 && b.column < room.width && b.row < room.height);
    const std::vector<std::uint8_t> written = serializeRoomFile(room);
    require(written.size() <= size && std::memcmp(written.data(), data, written.size()) == 0);
    return 0;
}
