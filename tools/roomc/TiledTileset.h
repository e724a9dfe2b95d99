#pragma once

#include <map>
#include <string>

#include "Diagnostics.h"
#include "TileCatalogue.h"

// A Tiled tileset (.tsx) made from a tile sheet's PNG copy. Sheet cells are 32
// pixels with the 16 x 16 tile at offsets 8..23; rooms use a 16-pixel grid, so
// the tileset shifts each cell by (-8, +8) and Tiled draws the tile where the
// game will (Tiled anchors a tall tile at the bottom-left of its grid cell).
struct TiledTileset {
    std::string name;  // the sheet's name: "tiles_test"
    int tileWidth = 0, tileHeight = 0, tileCount = 0, columns = 0;
    int offsetX = 0, offsetY = 0;
    std::string imageSource;
    int imageWidth = 0, imageHeight = 0;
    std::map<int, std::string> tileNames;  // tile id (= code - 1) -> catalogue name
    // Shown to the designer as tile properties; not read back.
    std::map<int, std::string> tileLayers, tileShapes;
};

constexpr int kSheetCell = 32;
constexpr int kTileOffsetX = -8;
constexpr int kTileOffsetY = 8;

// The tileset for a sheet of imageWidth x imageHeight pixels, every catalogued
// tile carrying its catalogue name as its class and its layers and shape as
// properties, so the designer sees them in Tiled.
TiledTileset makeTiledTileset(const std::string& name, const TileCatalogue& catalogue,
                              const std::string& imageSource, int imageWidth, int imageHeight);
std::string formatTsx(const TiledTileset& tileset);

bool parseTsx(const std::string& xml, const std::string& fileName, TiledTileset& out,
              Diagnostics& diagnostics);
bool readTsxFile(const std::string& path, TiledTileset& out, Diagnostics& diagnostics);

// Reports (against fileName) every way the tileset disagrees with its
// catalogue or with the grid: cell size, offset, and each tile's name.
void checkTilesetAgainstCatalogue(const TiledTileset& tileset, const TileCatalogue& catalogue,
                                  const std::string& fileName, Diagnostics& diagnostics);
