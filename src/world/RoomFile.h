#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "math/Vector3.h"

// The map and room file formats: fixed-width little-endian records read one
// after another. These are plain in-memory images of the files, checked when
// parsed so that no loader ever reads past its data; the World turns them
// into its own state, the room compiler writes them and secdump prints them.

// One room of the map: its file name (relative to "data\map\") and the grid
// cells it covers. Grid cells are 320 x 240 units; rows grow upward.
struct SectionRecord {
    std::string name;
    std::int32_t gridX = 0;
    std::int32_t gridY = 0;
    std::int32_t widthCells = 0;
    std::int32_t heightCells = 0;
};

struct MapFile {
    std::vector<SectionRecord> sections;  // section 0 is where the game starts
};

struct EnemyEntry {
    Vector3 pos;
    std::int32_t kind;  // 0 swoop, 1 helmet, 2 raka, 3 dragon
    std::uint8_t flag;
};

struct BlockEntry {
    std::int32_t column;
    std::int32_t row;
    std::int32_t type;  // 0 breakable block, 1 flush target / bridge block, 2 door
};

// Six tile layers: 0 to 3 are drawn behind the actors (2 is also the solid
// one they collide with), 4 and 5 in front of them; 4 holds the bridge's
// front faces, cleared with the solid tiles when it collapses.
constexpr int kLayerCount = 6;
constexpr int kSolidLayer = 2;
constexpr int kLastBackLayer = 3;
constexpr int kFrontLayer = 4;
constexpr int kLastLayer = 5;

struct RoomFile {
    std::int32_t width = 0;                         // tiles
    std::int32_t height = 0;                        // tiles
    std::vector<std::int32_t> layers[kLayerCount];  // row-major, row 0 at the bottom
    std::uint8_t spare = 0;                         // a byte the game reads and ignores
    Vector3 startPos = makeVector3(0, 0, 0);
    std::uint8_t featurePresent = 0;
    Vector3 featurePos = makeVector3(0, 0, 0);
    std::vector<EnemyEntry> enemies;
    std::vector<BlockEntry> blocks;

    std::int32_t& tile(int layer, int column, int row) {
        return layers[layer][static_cast<std::size_t>(row) * width + column];
    }
    std::int32_t tile(int layer, int column, int row) const {
        return layers[layer][static_cast<std::size_t>(row) * width + column];
    }
};

// Sizes of the on-disk records, in bytes.
constexpr std::size_t kSectionNameBytes = 100;
constexpr std::size_t kSectionRecordBytes = 116;
constexpr std::size_t kEnemyEntryBytes = 17;
constexpr std::size_t kBlockEntryBytes = 12;
// "data\map\" and the name share a 100-byte buffer in the game's data tables.
constexpr std::size_t kMaxSectionNameLength = 90;
// A room edge longer than this many tiles is refused as corrupt.
constexpr std::int32_t kMaxRoomTiles = 4096;
// Grid positions beyond this are refused, so cell arithmetic cannot overflow.
constexpr std::int32_t kMaxGridCoordinate = 100000;
constexpr std::int32_t kMaxGridCells = 1000;
// Block records a room may list: far more than any room has (a door is three,
// a bridge a few dozen), far fewer than would slow a step down.
constexpr std::int32_t kMaxRoomBlocks = 4096;
// How far outside its room's rectangle a stored position (start, feature,
// enemy) may lie, in world units: one grid cell every way.
constexpr float kPositionMarginX = 320.0f;
constexpr float kPositionMarginY = 240.0f;

// Parse a whole file image. On failure `error` says what is wrong (and where).
bool parseMapFile(const std::uint8_t* data, std::size_t size, MapFile& out, std::string* error);
bool parseRoomFile(const std::uint8_t* data, std::size_t size, RoomFile& out, std::string* error);

bool readMapFile(const std::string& path, MapFile& out, std::string* error);
bool readRoomFile(const std::string& path, RoomFile& out, std::string* error);

std::vector<std::uint8_t> serializeMapFile(const MapFile& map);
std::vector<std::uint8_t> serializeRoomFile(const RoomFile& room);
