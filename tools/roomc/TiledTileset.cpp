#include "TiledTileset.h"

#include <fstream>
#include <pugixml.hpp>
#include <sstream>

namespace {

std::string joinLayers(const std::vector<int>& layers) {
    std::string text;
    for (int layer : layers) text += (text.empty() ? "" : ",") + std::to_string(layer);
    return text;
}

std::string valueOr(const std::map<int, std::string>& table, int key) {
    const auto it = table.find(key);
    return it == table.end() ? std::string() : it->second;
}

}  // namespace

TiledTileset makeTiledTileset(const std::string& name, const TileCatalogue& catalogue,
                              const std::string& imageSource, int imageWidth, int imageHeight) {
    TiledTileset set;
    set.name = name;
    set.tileWidth = set.tileHeight = kSheetCell;
    set.columns = imageWidth / kSheetCell;
    set.tileCount = set.columns * (imageHeight / kSheetCell);
    set.offsetX = kTileOffsetX;
    set.offsetY = kTileOffsetY;
    set.imageSource = imageSource;
    set.imageWidth = imageWidth;
    set.imageHeight = imageHeight;
    for (const auto& entry : catalogue.tiles()) {
        const int id = entry.first - 1;
        set.tileNames[id] = entry.second.name;
        set.tileLayers[id] = joinLayers(entry.second.layers);
        set.tileShapes[id] = entry.second.shape;
    }
    return set;
}

std::string formatTsx(const TiledTileset& set) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<tileset version=\"1.8\" tiledversion=\"1.8.2\" name=\"" << set.name
        << "\" tilewidth=\"" << set.tileWidth << "\" tileheight=\"" << set.tileHeight
        << "\" tilecount=\"" << set.tileCount << "\" columns=\"" << set.columns << "\">\n"
        << " <tileoffset x=\"" << set.offsetX << "\" y=\"" << set.offsetY << "\"/>\n"
        << " <image source=\"" << set.imageSource << "\" width=\"" << set.imageWidth
        << "\" height=\"" << set.imageHeight << "\"/>\n";
    for (const auto& tile : set.tileNames) {
        out << " <tile id=\"" << tile.first << "\" type=\"" << tile.second << "\">\n"
            << "  <properties>\n"
            << "   <property name=\"layers\" value=\"" << valueOr(set.tileLayers, tile.first)
            << "\"/>\n"
            << "   <property name=\"shape\" value=\"" << valueOr(set.tileShapes, tile.first)
            << "\"/>\n"
            << "  </properties>\n"
            << " </tile>\n";
    }
    out << "</tileset>\n";
    return out.str();
}

bool parseTsx(const std::string& xml, const std::string& fileName, TiledTileset& out,
              Diagnostics& diagnostics) {
    out = TiledTileset{};
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_string(xml.c_str());
    const pugi::xml_node root = document.child("tileset");
    if (!parsed || !root) {
        diagnostics.error(fileName, "not a Tiled tileset");
        return false;
    }
    out.name = root.attribute("name").as_string();
    out.tileWidth = root.attribute("tilewidth").as_int();
    out.tileHeight = root.attribute("tileheight").as_int();
    out.tileCount = root.attribute("tilecount").as_int();
    out.columns = root.attribute("columns").as_int();
    out.offsetX = root.child("tileoffset").attribute("x").as_int();
    out.offsetY = root.child("tileoffset").attribute("y").as_int();
    out.imageSource = root.child("image").attribute("source").as_string();
    out.imageWidth = root.child("image").attribute("width").as_int();
    out.imageHeight = root.child("image").attribute("height").as_int();
    for (pugi::xml_node tile : root.children("tile")) {
        const pugi::xml_attribute kind =
            tile.attribute("class") ? tile.attribute("class") : tile.attribute("type");
        out.tileNames[tile.attribute("id").as_int()] = kind.as_string();
    }
    return true;
}

bool readTsxFile(const std::string& path, TiledTileset& out, Diagnostics& diagnostics) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        diagnostics.error(path, "cannot read the tileset");
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return parseTsx(text.str(), path, out, diagnostics);
}

void checkTilesetAgainstCatalogue(const TiledTileset& set, const TileCatalogue& catalogue,
                                  const std::string& fileName, Diagnostics& diagnostics) {
    const std::string regenerate = " (regenerate the tilesets with roomc --tilesets)";
    if (set.tileWidth != kSheetCell || set.tileHeight != kSheetCell ||
        set.offsetX != kTileOffsetX || set.offsetY != kTileOffsetY) {
        diagnostics.error(fileName,
                          "tiles must be 32x32 cells drawn at offset (-8, 8)" + regenerate);
    }
    if (set.tileCount < catalogue.highestCode()) {
        diagnostics.error(fileName, "holds " + std::to_string(set.tileCount) +
                                        " tiles but the catalogue goes up to code " +
                                        std::to_string(catalogue.highestCode()) + regenerate);
    }
    for (const auto& entry : catalogue.tiles()) {
        const auto it = set.tileNames.find(entry.first - 1);
        const std::string found = it == set.tileNames.end() ? std::string() : it->second;
        if (found != entry.second.name) {
            diagnostics.error(fileName, "tile " + std::to_string(entry.first - 1) + " is named '" +
                                            found + "' but the catalogue calls code " +
                                            std::to_string(entry.first) + " '" + entry.second.name +
                                            "'" + regenerate);
            return;  // one stale name means the whole file is stale
        }
    }
}
