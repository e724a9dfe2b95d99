#pragma once

#include <string>

// What the game ties to room names and codes, as the compiler needs it.

constexpr int kCellTilesX = 20;  // a map-grid cell is 20 x 15 tiles of 16 units
constexpr int kCellTilesY = 15;
constexpr int kTileUnits = 16;

// The tile sheet a room is drawn with, from the game's own table of named
// rooms: 1 for the save room, 2 for the machine rooms, 0 for the rest.
int tileSheetForRoom(const std::string& sectionName);
// "tiles_test", "tiles_combo1", "tiles_test-gearboy" for sheets 0, 1, 2.
const char* tileSheetName(int sheet);
constexpr int kTileSheetCount = 3;

// Enemy kinds by the names rooms use; -1 for an unknown name.
int enemyKindFromName(const std::string& name);
const char* enemyKindName(int kind);  // "?" when out of range

// Block record types: 0 breakable block, 1 flush target (or second-stage
// bridge block), 2 door; -1 for an unknown name.
int blockTypeFromName(const std::string& name);
const char* blockTypeName(int type);

// The two rooms whose feature kind the game sets, and the rooms where a type-1
// block means something.
bool roomSetsFeatureKind(const std::string& sectionName);
bool roomUsesTypeOneBlocks(const std::string& sectionName);
