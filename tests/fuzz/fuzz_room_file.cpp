// Room files (data/map/*.sec): the parser, and the writer on what it accepted.
// Every field is stored raw, so writing an accepted room gives back exactly
// the bytes it was read from (anything after the last block is ignored).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "world/RoomFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RoomFile room;
    std::string error;
    if (!parseRoomFile(data, size, room, &error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    const std::size_t cells = static_cast<std::size_t>(room.width) * room.height;
    for (const auto& layer : room.layers) {
        if (layer.size() != cells) std::abort();
    }
    for (const BlockEntry& b : room.blocks) {
        if (b.column < 0 || b.row < 0 || b.column >= room.width || b.row >= room.height) {
            std::abort();
        }
    }
    const std::vector<std::uint8_t> written = serializeRoomFile(room);
    if (written.size() > size || std::memcmp(written.data(), data, written.size()) != 0) {
        std::abort();
    }
    return 0;
}
