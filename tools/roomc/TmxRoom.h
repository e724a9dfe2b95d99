#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Diagnostics.h"

// A room as Tiled saves it (.tmx), before any game rule is applied. Tiled's y
// grows downward from the top of the map; the compiler turns it around.

// Tiled keeps mirroring and rotation in the top bits of a tile's gid.
constexpr std::uint32_t kTmxFlipBits = 0xF0000000u;

struct TmxObject {
    int id = 0;
    std::string name;
    std::string kind;  // the object's class ("type" in Tiled 1.8, "class" later)
    double x = 0, y = 0, width = 0, height = 0;  // map pixels, y down
    bool isPoint = false;
    bool isTile = false;  // a tile object: (x, y) is its bottom-left corner
    std::map<std::string, std::string> properties;

    // How messages name the object: "object 7 'exit door' (door)".
    std::string label() const;
    // Centre in map pixels, y down.
    double centreX() const { return x + width / 2; }
    double centreY() const { return isTile ? y - height / 2 : y + height / 2; }
};

struct TmxTileLayer {
    std::string name;
    int index = -1;  // from the leading number of the name: "2 solid" is layer 2
    int width = 0, height = 0;
    std::vector<std::uint32_t> gids;  // row-major from the top row
};

struct TmxTilesetRef {
    std::uint32_t firstGid = 0;
    std::string source;  // the .tsx path as written, relative to the .tmx
};

struct TmxRoom {
    int width = 0, height = 0;          // tiles
    int tileWidth = 0, tileHeight = 0;  // pixels
    std::vector<TmxTilesetRef> tilesets;
    std::vector<TmxTileLayer> layers;
    std::vector<TmxObject> objects;
};

// Reads the XML; reports what cannot be read at all (bad XML, compressed or
// infinite layers, embedded tilesets). Game rules are the compiler's business.
bool parseTmx(const std::string& xml, const std::string& fileName, TmxRoom& out,
              Diagnostics& diagnostics);
bool readTmxFile(const std::string& path, TmxRoom& out, Diagnostics& diagnostics);
