#pragma once

#include <cstdint>
#include <string>

// Writes an 8-bit RGBA PNG. `rgba` holds `height` rows of `width` pixels,
// 4 bytes each, the first row being the top of the picture.
bool writePngFile(const std::string& path, int width, int height, const std::uint8_t* rgba,
                  std::string* error);
