#include "TmxRoom.h"

#include <cctype>
#include <fstream>
#include <pugixml.hpp>
#include <sstream>

namespace {

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

bool decodeBase64(const std::string& text, std::vector<std::uint8_t>& out) {
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '=') continue;
        const int v = base64Value(c);
        if (v < 0) return false;
        bits = (bits << 6) | static_cast<std::uint32_t>(v);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            out.push_back(static_cast<std::uint8_t>(bits >> bitCount));
        }
    }
    return true;
}

bool readCsv(const std::string& text, std::vector<std::uint32_t>& gids) {
    std::stringstream in(text);
    std::string cell;
    while (std::getline(in, cell, ',')) {
        std::size_t start = cell.find_first_not_of(" \t\r\n");
        if (start == std::string::npos) return false;
        std::size_t used = 0;
        try {
            const unsigned long v = std::stoul(cell.substr(start), &used);
            if (v > 0xFFFFFFFFul) return false;
            gids.push_back(static_cast<std::uint32_t>(v));
        } catch (...) {
            return false;
        }
        if (cell.find_first_not_of(" \t\r\n", start + used) != std::string::npos) return false;
    }
    return true;
}

// The layer's codes in any of the unpacked encodings Tiled offers.
bool readLayerData(const pugi::xml_node data, std::vector<std::uint32_t>& gids,
                   std::string& problem) {
    const std::string encoding = data.attribute("encoding").as_string();
    if (data.attribute("compression")) {
        problem = "is compressed; save rooms with the CSV layer format";
        return false;
    }
    if (data.child("chunk")) {
        problem = "is infinite; rooms must be fixed-size maps";
        return false;
    }
    if (encoding == "csv") {
        if (readCsv(data.child_value(), gids)) return true;
        problem = "has a malformed CSV tile list";
        return false;
    }
    if (encoding == "base64") {
        std::vector<std::uint8_t> bytes;
        if (!decodeBase64(data.child_value(), bytes) || bytes.size() % 4 != 0) {
            problem = "has malformed base64 tile data";
            return false;
        }
        for (std::size_t i = 0; i < bytes.size(); i += 4) {
            gids.push_back(bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 |
                           static_cast<std::uint32_t>(bytes[i + 3]) << 24);
        }
        return true;
    }
    if (!encoding.empty()) {
        problem = "uses the unknown encoding '" + encoding + "'";
        return false;
    }
    for (pugi::xml_node tile : data.children("tile"))
        gids.push_back(tile.attribute("gid").as_uint());
    return true;
}

int layerIndexFromName(const std::string& name) {
    std::size_t digits = 0;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) ++digits;
    if (digits == 0 || digits > 2) return -1;
    return std::stoi(name.substr(0, digits));
}

TmxObject readObject(const pugi::xml_node node) {
    TmxObject object;
    object.id = node.attribute("id").as_int();
    object.name = node.attribute("name").as_string();
    // Tiled 1.8 writes an object's class as "type"; later versions as "class".
    object.kind = node.attribute("class") ? node.attribute("class").as_string()
                                          : node.attribute("type").as_string();
    object.x = node.attribute("x").as_double();
    object.y = node.attribute("y").as_double();
    object.width = node.attribute("width").as_double();
    object.height = node.attribute("height").as_double();
    object.isPoint = static_cast<bool>(node.child("point"));
    object.isTile = static_cast<bool>(node.attribute("gid"));
    for (pugi::xml_node p : node.child("properties").children("property")) {
        // Multi-line string properties keep their text in the element body.
        const pugi::xml_attribute value = p.attribute("value");
        object.properties[p.attribute("name").as_string()] =
            value ? value.as_string() : p.child_value();
    }
    return object;
}

}  // namespace

std::string TmxObject::label() const {
    std::string text = "object " + std::to_string(id);
    if (!name.empty()) text += " '" + name + "'";
    return text + " (" + (kind.empty() ? std::string("no class") : kind) + ")";
}

bool parseTmx(const std::string& xml, const std::string& fileName, TmxRoom& out,
              Diagnostics& diagnostics) {
    out = TmxRoom{};
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_string(xml.c_str());
    if (!parsed) {
        diagnostics.error(fileName, std::string("not readable XML: ") + parsed.description() +
                                        " at byte " + std::to_string(parsed.offset));
        return false;
    }
    const pugi::xml_node map = document.child("map");
    if (!map) {
        diagnostics.error(fileName, "not a Tiled map (no <map> element)");
        return false;
    }
    const int errorsBefore = diagnostics.errorCount();
    if (std::string(map.attribute("orientation").as_string("orthogonal")) != "orthogonal") {
        diagnostics.error(fileName, "the map must be orthogonal");
    }
    if (map.attribute("infinite").as_int() != 0) {
        diagnostics.error(fileName, "the map is infinite; rooms must be fixed-size maps");
    }
    out.width = map.attribute("width").as_int();
    out.height = map.attribute("height").as_int();
    out.tileWidth = map.attribute("tilewidth").as_int();
    out.tileHeight = map.attribute("tileheight").as_int();

    for (pugi::xml_node node : map.children("tileset")) {
        if (!node.attribute("source")) {
            diagnostics.error(fileName, std::string("tileset '") +
                                            node.attribute("name").as_string() +
                                            "' is embedded; use the shared .tsx tilesets");
            continue;
        }
        out.tilesets.push_back(
            {node.attribute("firstgid").as_uint(), node.attribute("source").as_string()});
    }
    for (pugi::xml_node node : map.children()) {
        const std::string element = node.name();
        if (element == "layer") {
            TmxTileLayer layer;
            layer.name = node.attribute("name").as_string();
            layer.index = layerIndexFromName(layer.name);
            layer.width = node.attribute("width").as_int();
            layer.height = node.attribute("height").as_int();
            std::string problem;
            if (!readLayerData(node.child("data"), layer.gids, problem)) {
                diagnostics.error(fileName, "tile layer '" + layer.name + "' " + problem);
            }
            out.layers.push_back(layer);
        } else if (element == "objectgroup") {
            for (pugi::xml_node object : node.children("object")) {
                out.objects.push_back(readObject(object));
            }
        } else if (element == "group" || element == "imagelayer") {
            diagnostics.error(
                fileName, std::string("layer '") + node.attribute("name").as_string() + "' is a " +
                              element + "; rooms hold six tile layers and object layers");
        }
    }
    return diagnostics.errorCount() == errorsBefore;
}

bool readTmxFile(const std::string& path, TmxRoom& out, Diagnostics& diagnostics) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        diagnostics.error(path, "cannot read the room");
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return parseTmx(text.str(), path, out, diagnostics);
}
