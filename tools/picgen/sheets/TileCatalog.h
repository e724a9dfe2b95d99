#pragma once

#include <string>
#include <vector>

#include "Canvas.h"
#include "TilePainter.h"

// What a tile's solid area is when it lies on the solid layer: the snapped
// frame box its visible pixels give (full 16 x 16, one half, or nothing).
enum class TileShape { Full, TopHalf, BottomHalf, LeftHalf, RightHalf, None };

// The catalogue's word for a shape ("full", "top-half", ...).
const char* tileShapeName(TileShape shape);

// One tile of a sheet. `code` is what rooms store (frame code - 1);
// `layers` lists the layers it is meant for, comma separated ("2", "0,1").
struct TileDefinition {
    int code;
    const char* name;
    const char* layers;
    TileShape shape;
    void (*paint)(TilePainter& painter);
};

struct TileSet {
    std::string path;  // the sheet under data/, e.g. "tiles_test.tga"
    std::vector<TileDefinition> tiles;
};

// Every tile sheet registers its table, so the catalogue check and the
// drawing share it.
struct TileSetRegistration {
    explicit TileSetRegistration(const TileSet& set);
};
const std::vector<TileSet>& registeredTileSets();
const TileSet* findTileSet(const std::string& path);

// Paints every tile of the set into its cell.
void drawTileSet(Canvas& canvas, const std::string& path);

// The text of the set's catalogue file (assets/tiles/<sheet name>.txt).
std::string formatTileCatalog(const TileSet& set);
