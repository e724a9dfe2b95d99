#pragma once

#include <cstdint>
#include <string>

#include "gfx/Targa.h"

// Small pictures built inside tests. Rows are stored rows (row 0 is the
// bottom as seen), as the loader keeps them.
struct Color {
    std::uint8_t r, g, b, a;
};

constexpr Color kMagenta{255, 0, 255, 255};
constexpr Color kCyan{0, 255, 255, 255};

Image makeImage(int width, int height, Color fill = kMagenta);
void setPixel(Image& image, int row, int column, Color c);
Color pixelAt(const Image& image, int row, int column);
void fillCell(Image& image, int row0, int column0, int rows, int columns, Color c);
bool sameColor(Color a, Color b);

// The whole contents of a file ("" when it cannot be read).
std::string readTextFile(const std::string& path);

// A fresh path in the test's temporary folder.
std::string tempPath(const std::string& name);
// Writes the picture as a Targa (32 bits with alpha, else 24) and returns its path.
std::string writeTempTarga(const Image& image, const std::string& name, bool withAlpha = true);
