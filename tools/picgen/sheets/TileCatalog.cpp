#include "TileCatalog.h"

#include <sstream>

namespace {
std::vector<TileSet>& tileSetTable() {
    static std::vector<TileSet> table;
    return table;
}
}  // namespace

const char* tileShapeName(TileShape shape) {
    switch (shape) {
        case TileShape::Full:
            return "full";
        case TileShape::TopHalf:
            return "top-half";
        case TileShape::BottomHalf:
            return "bottom-half";
        case TileShape::LeftHalf:
            return "left-half";
        case TileShape::RightHalf:
            return "right-half";
        case TileShape::None:
            return "none";
    }
    return "?";
}

TileSetRegistration::TileSetRegistration(const TileSet& set) {
    tileSetTable().push_back(set);
}

const std::vector<TileSet>& registeredTileSets() {
    return tileSetTable();
}

const TileSet* findTileSet(const std::string& path) {
    for (const TileSet& set : tileSetTable()) {
        if (set.path == path) return &set;
    }
    return nullptr;
}

void drawTileSet(Canvas& canvas, const std::string& path) {
    const TileSet* set = findTileSet(path);
    if (!set) return;
    for (const TileDefinition& tile : set->tiles) {
        TilePainter painter(canvas, tile.code - 1);
        tile.paint(painter);
    }
}

std::string formatTileCatalog(const TileSet& set) {
    std::ostringstream out;
    out << "# Tiles of data/" << set.path << ": code name layers shape\n";
    out << "# (format and meaning: README.md in this folder)\n";
    for (const TileDefinition& tile : set.tiles) {
        out << tile.code << ' ' << tile.name << ' ' << tile.layers << ' '
            << tileShapeName(tile.shape) << '\n';
    }
    return out.str();
}
