// roomc: compiles the rooms made in Tiled into the game's map and room files.
//   roomc ROOMS_DIR TILES_DIR DATA_DIR
//       reads ROOMS_DIR/map.txt and the .tmx rooms it names, checks them against
//       the tile catalogues in TILES_DIR and writes DATA_DIR/map/test.map and
//       DATA_DIR/map/<room>.sec. Nothing is written when a room has an error,
//       an exit leads nowhere or a room the game names is missing.
//   roomc --tilesets TILES_DIR PICTURES_DIR OUT_DIR IMAGE_PREFIX
//       writes the Tiled tilesets OUT_DIR/<sheet>.tsx from the catalogues, the
//       image of each being IMAGE_PREFIX<sheet>.png (PICTURES_DIR gives its size).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Diagnostics.h"
#include "MapBuilder.h"
#include "RoomRules.h"
#include "TiledTileset.h"

namespace fs = std::filesystem;

namespace {

void print(const Diagnostics& diagnostics) {
    for (const std::string& line : diagnostics.lines()) std::fprintf(stderr, "%s\n", line.c_str());
}

// Width and height from a PNG's header.
bool pngSize(const fs::path& path, int& width, int& height) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return false;
    auto be32 = [&](int at) {
        return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3];
    };
    width = be32(16);
    height = be32(20);
    return width > 0 && height > 0;
}

int writeTilesets(const fs::path& tilesDir, const fs::path& picturesDir, const fs::path& outDir,
                  const std::string& imagePrefix) {
    Diagnostics diagnostics;
    fs::create_directories(outDir);
    for (int sheet = 0; sheet < kTileSheetCount; ++sheet) {
        const std::string name = tileSheetName(sheet);
        TileCatalogue catalogue;
        if (!catalogue.load((tilesDir / (name + ".txt")).string(), diagnostics)) continue;
        int width = 0, height = 0;
        if (!pngSize(picturesDir / (name + ".png"), width, height)) {
            diagnostics.error((picturesDir / (name + ".png")).string(), "cannot read the picture");
            continue;
        }
        const TiledTileset set =
            makeTiledTileset(name, catalogue, imagePrefix + name + ".png", width, height);
        std::ofstream out(outDir / (name + ".tsx"), std::ios::binary | std::ios::trunc);
        out << formatTsx(set);
    }
    print(diagnostics);
    return diagnostics.hasErrors() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 6 && std::string(argv[1]) == "--tilesets") {
        return writeTilesets(argv[2], argv[3], argv[4], argv[5]);
    }
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: roomc ROOMS_DIR TILES_DIR DATA_DIR\n"
                     "       roomc --tilesets TILES_DIR PICTURES_DIR OUT_DIR IMAGE_PREFIX\n");
        return 2;
    }
    Diagnostics diagnostics;
    MapBuilder builder(argv[1], argv[2], diagnostics);
    const std::string layoutPath = (fs::path(argv[1]) / "map.txt").string();
    const bool ok = builder.build() &&
                    checkRoomsTheGameNames(builder.map(), layoutPath, diagnostics) &&
                    builder.write(argv[3]);
    print(diagnostics);
    if (!ok) {
        std::fprintf(stderr, "roomc: %d error(s); nothing written\n", diagnostics.errorCount());
        return 1;
    }
    std::printf("roomc: %zu rooms, %d warning(s)\n", builder.rooms().size(),
                diagnostics.warningCount());
    return 0;
}
