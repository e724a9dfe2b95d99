#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Data files are named the way the game's data tables write them, with
// backslash separators ("data\map\test.map"); this turns such a name into a
// path the host file system understands.
std::string nativePath(const std::string& gamePath);

// Reads a whole file into `out`. Refuses files larger than `maxBytes` so that a
// corrupt or hostile file can never make a loader allocate without bound.
// On failure `out` is emptied and `error` (when given) says why.
bool readWholeFile(const std::string& path, std::vector<std::uint8_t>& out, std::size_t maxBytes,
                   std::string* error);
