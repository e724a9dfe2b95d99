// Map files (data/map/test.map): the parser, and the writer on what it
// accepted, which must read back to the same sections.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "world/RoomFile.h"

namespace {

bool sameSections(const MapFile& a, const MapFile& b) {
    if (a.sections.size() != b.sections.size()) return false;
    for (std::size_t i = 0; i < a.sections.size(); ++i) {
        const SectionRecord& x = a.sections[i];
        const SectionRecord& y = b.sections[i];
        if (x.name != y.name || x.gridX != y.gridX || x.gridY != y.gridY ||
            x.widthCells != y.widthCells || x.heightCells != y.heightCells) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MapFile map;
    std::string error;
    if (!parseMapFile(data, size, map, &error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (map.sections.empty()) std::abort();
    for (const SectionRecord& s : map.sections) {
        if (s.name.empty() || s.name.size() > kMaxSectionNameLength ||
            s.name.find('\0') != std::string::npos || s.widthCells < 1 || s.heightCells < 1 ||
            s.widthCells > kMaxGridCells || s.heightCells > kMaxGridCells) {
            std::abort();
        }
    }
    const std::vector<std::uint8_t> written = serializeMapFile(map);
    MapFile again;
    if (!parseMapFile(written.data(), written.size(), again, nullptr) ||
        !sameSections(map, again)) {
        std::abort();
    }
    return 0;
}
