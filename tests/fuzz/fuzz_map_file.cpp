// Map files (data/map/test.map): the parser, and the writer on what it
// accepted, which must read back to the same sections.
#include <vector>

#include "FuzzCheck.h"
#include "world/RoomFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MapFile map;
    std::string error;
    if (!parseMapFile(data, size, map, &error)) {
        require(!error.empty());
        return 0;
    }
    require(!map.sections.empty());
    for (const SectionRecord& s : map.sections) {
        require(!s.name.empty() && s.name.size() <= kMaxSectionNameLength &&
                s.name.find('\0') == std::string::npos && s.widthCells >= 1 && s.heightCells >= 1 &&
                s.widthCells <= kMaxGridCells && s.heightCells <= kMaxGridCells);
    }
    const std::vector<std::uint8_t> written = serializeMapFile(map);
    MapFile again;
    require(parseMapFile(written.data(), written.size(), again, nullptr));
    require(again.sections.size() == map.sections.size());
    for (std::size_t i = 0; i < map.sections.size(); ++i) {
        const SectionRecord &x = map.sections[i], &y = again.sections[i];
        require(x.name == y.name && x.gridX == y.gridX && x.gridY == y.gridY &&
                x.widthCells == y.widthCells && x.heightCells == y.heightCells);
    }
    return 0;
}
