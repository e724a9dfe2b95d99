#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Targa.h"
#include "world/RoomFile.h"

// A picture of a compiled room, for looking at rooms without the game: the
// six layers in drawing order with the room's tint, and outlines for what the
// player cannot see (start, feature, enemies, block records).
struct RoomPicture {
    int width = 0;  // pixels, one a world unit
    int height = 0;
    std::vector<std::uint8_t> rgba;  // top row first
};

// `sheet` is a tile sheet prepared as the game prepares it (colour key, wrap
// borders). `tint` multiplies every tile colour, `clear` fills the background
// (both 0..1), as the flooded room shows them.
struct RoomLook {
    float tint[3] = {1, 1, 1};
    float clear[3] = {0, 0, 0};
    bool dark = false;  // halve the brightness away from the start position
    bool markers = true;
};

RoomPicture drawRoomPicture(const RoomFile& room, const Image& sheet, const RoomLook& look);
// The look the game gives a room by its name.
RoomLook roomLookFor(const std::string& sectionName);

// The whole map at half size: every room's picture at its grid place (a grid
// cell is 160 x 120 pixels), on a dark ground where no room lies. Each
// picture is `pictures[i]` of `map.sections[i]`.
RoomPicture drawWorldPicture(const MapFile& map, const std::vector<RoomPicture>& pictures);
