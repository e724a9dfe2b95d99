#include "TileCatalogue.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

const char* const kShapes[] = {"full",      "top-half",   "bottom-half",
                               "left-half", "right-half", "none"};

bool knownShape(const std::string& shape) {
    return std::find(std::begin(kShapes), std::end(kShapes), shape) != std::end(kShapes);
}

// "0,1" -> {0, 1}; false on anything but layer numbers 0..5.
bool parseLayers(const std::string& text, std::vector<int>& layers) {
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, ',')) {
        if (part.size() != 1 || part[0] < '0' || part[0] > '5') return false;
        layers.push_back(part[0] - '0');
    }
    return !layers.empty();
}

}  // namespace

bool CatalogueTile::meantFor(int layer) const {
    return std::find(layers.begin(), layers.end(), layer) != layers.end();
}

bool TileCatalogue::load(const std::string& path, Diagnostics& diagnostics) {
    std::ifstream file(path);
    if (!file) {
        diagnostics.error(path, "cannot read the tile catalogue");
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return parse(text.str(), path, diagnostics);
}

bool TileCatalogue::parse(const std::string& text, const std::string& fileName,
                          Diagnostics& diagnostics) {
    tiles_.clear();
    const int errorsBefore = diagnostics.errorCount();
    std::istringstream in(text);
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (line.empty() || line[0] == '#') continue;
        const std::string where = fileName + ":" + std::to_string(lineNumber);
        std::istringstream fields(line);
        CatalogueTile tile;
        std::string layers, extra;
        if (!(fields >> tile.code >> tile.name >> layers >> tile.shape) || (fields >> extra)) {
            diagnostics.error(where, "expected 'code name layers shape'");
            continue;
        }
        if (tile.code < 1) diagnostics.error(where, "tile code must be 1 or more");
        if (!parseLayers(layers, tile.layers)) {
            diagnostics.error(where, "layers '" + layers + "' are not a list of 0 to 5");
        }
        if (!knownShape(tile.shape)) diagnostics.error(where, "unknown shape '" + tile.shape + "'");
        if (tiles_.count(tile.code)) {
            diagnostics.error(where, "code " + std::to_string(tile.code) + " is listed twice");
        } else if (findByName(tile.name)) {
            diagnostics.error(where, "name '" + tile.name + "' is listed twice");
        }
        tiles_.emplace(tile.code, tile);
    }
    if (tiles_.empty()) diagnostics.error(fileName, "the catalogue lists no tiles");
    return diagnostics.errorCount() == errorsBefore;
}

const CatalogueTile* TileCatalogue::find(int code) const {
    const auto it = tiles_.find(code);
    return it == tiles_.end() ? nullptr : &it->second;
}

const CatalogueTile* TileCatalogue::findByName(const std::string& name) const {
    for (const auto& entry : tiles_) {
        if (entry.second.name == name) return &entry.second;
    }
    return nullptr;
}
