#pragma once

#include <sstream>
#include <string>
#include <vector>

// Small Tiled rooms written by the tests: six layers of codes (row-major from
// the top, as Tiled stores them) and the object layer's XML.
struct RoomSketch {
    int width = 20;
    int height = 15;
    std::string tileset = "tilesets/tiles_test.tsx";
    std::vector<std::vector<unsigned>> layers =
        std::vector<std::vector<unsigned>>(6, std::vector<unsigned>(20 * 15, 0));
    std::string objects = R"(<object id="1" type="start" x="40" y="200"><point/></object>)";

    // Puts a code at (column, row) with row 0 at the bottom, as the game counts.
    void put(int layer, int column, int row, unsigned code) {
        layers[layer][static_cast<std::size_t>(height - 1 - row) * width + column] = code;
    }
    std::string tmx() const;
};

// The tile catalogue every sketch uses (codes 1 to 7).
inline const char* const kSketchCatalogue =
    "# code name layers shape\n"
    "1 ground-top 2 full\n"
    "2 cave-back 0,1 full\n"
    "3 door-top 2 full\n"
    "4 door-top-half-open 2 top-half\n"
    "5 grass 4,5 bottom-half\n"
    "6 breakable 2 full\n"
    "7 crystals 1,3 full\n";

inline std::string RoomSketch::tmx() const {
    static const char* const names[] = {"0 back", "1 back detail", "2 solid",
                                        "3 near", "4 front",       "5 frame"};
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<map version=\"1.8\" "
           "orientation=\"orthogonal\" width=\""
        << width << "\" height=\"" << height
        << "\" tilewidth=\"16\" tileheight=\"16\" infinite=\"0\">\n"
        << " <tileset firstgid=\"1\" source=\"" << tileset << "\"/>\n";
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const std::size_t cells = layers[i].size();
        out << " <layer name=\"" << names[i % 6] << "\" width=\""
            << cells / static_cast<std::size_t>(height) << "\" height=\"" << height
            << "\">\n  <data encoding=\"csv\">";
        for (std::size_t k = 0; k < cells; ++k) out << (k ? "," : "") << layers[i][k];
        out << "</data>\n </layer>\n";
    }
    out << " <objectgroup name=\"objects\">\n" << objects << "\n </objectgroup>\n</map>\n";
    return out.str();
}
