#pragma once

#include <string>

#include "world/RoomFile.h"

// Readable text for the map and room files: every field, in file order.
// Tile layers print top row first, so the text looks like the room.
std::string describeMap(const MapFile& map);
std::string describeRoom(const RoomFile& room);

// Reads a map or room file and describes it. Files ending in ".map" are maps,
// anything else a room. On failure returns false with the reason in `error`.
bool describeFile(const std::string& path, std::string& text, std::string* error);
