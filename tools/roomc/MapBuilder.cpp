#include "MapBuilder.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "RoomRules.h"
#include "TiledTileset.h"
#include "world/RoomRules.h"

namespace fs = std::filesystem;

namespace {

enum Edge { kLeft, kRight, kBottom, kTop };
const char* const kEdgeNames[] = {"left", "right", "bottom", "top"};

bool readText(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::stringstream all;
    all << file.rdbuf();
    text = all.str();
    return true;
}

bool writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::string cellText(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

}  // namespace

bool parseMapLayout(const std::string& text, const std::string& fileName,
                    std::vector<MapLayoutEntry>& out, Diagnostics& diagnostics) {
    out.clear();
    const int errorsBefore = diagnostics.errorCount();
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) line.erase(hash);
        std::istringstream fields(line);
        MapLayoutEntry entry;
        entry.line = number;
        std::string extra;
        if (!(fields >> entry.source)) continue;  // blank or comment
        const std::string where = fileName + ":" + std::to_string(number);
        if (!(fields >> entry.gridX >> entry.gridY) || (fields >> extra)) {
            diagnostics.error(where, "expected 'room.tmx gridX gridY'");
            continue;
        }
        if (std::abs(entry.gridX) > kMaxGridCoordinate / 2 ||
            std::abs(entry.gridY) > kMaxGridCoordinate / 2) {
            diagnostics.error(
                where, "grid position " + cellText(entry.gridX, entry.gridY) + " is too far out");
            continue;
        }
        for (const MapLayoutEntry& other : out) {
            if (other.source == entry.source) {
                diagnostics.error(where, entry.source + " is already placed on line " +
                                             std::to_string(other.line));
            }
        }
        out.push_back(entry);
    }
    if (out.empty()) diagnostics.error(fileName, "the map places no rooms");
    return diagnostics.errorCount() == errorsBefore;
}

bool MapBuilder::build() {
    const int errorsBefore = diagnostics_.errorCount();
    map_ = MapFile{};
    rooms_.clear();
    if (!loadCatalogues()) return false;
    const std::string layoutPath = (fs::path(roomsDir_) / "map.txt").string();
    std::string text;
    if (!readText(layoutPath, text)) {
        diagnostics_.error(layoutPath, "cannot read the map layout");
        return false;
    }
    std::vector<MapLayoutEntry> layout;
    if (!parseMapLayout(text, layoutPath, layout, diagnostics_)) return false;
    for (const MapLayoutEntry& entry : layout) compileRoom(entry, layoutPath);
    if (diagnostics_.errorCount() != errorsBefore) return false;
    checkOverlaps(layoutPath);
    noteGaps(layoutPath);
    checkExits();
    return diagnostics_.errorCount() == errorsBefore;
}

bool MapBuilder::loadCatalogues() {
    bool ok = true;
    for (int sheet = 0; sheet < kTileSheetCount; ++sheet) {
        const std::string name = tileSheetName(sheet);
        ok = catalogues_[sheet].load((fs::path(tilesDir_) / (name + ".txt")).string(),
                                     diagnostics_) &&
             ok;
        const std::string tsxPath = (fs::path(roomsDir_) / "tilesets" / (name + ".tsx")).string();
        TiledTileset tileset;
        if (readTsxFile(tsxPath, tileset, diagnostics_)) {
            const int before = diagnostics_.errorCount();
            checkTilesetAgainstCatalogue(tileset, catalogues_[sheet], tsxPath, diagnostics_);
            ok = ok && diagnostics_.errorCount() == before;
        } else {
            ok = false;
        }
    }
    return ok;
}

void MapBuilder::compileRoom(const MapLayoutEntry& entry, const std::string& layoutPath) {
    const fs::path source = fs::path(roomsDir_) / entry.source;
    if (source.extension() != ".tmx") {
        diagnostics_.error(layoutPath + ":" + std::to_string(entry.line),
                           entry.source + " is not a Tiled room (.tmx)");
        return;
    }
    const std::string sectionName = source.stem().string() + ".sec";
    TmxRoom tmx;
    if (!readTmxFile(source.string(), tmx, diagnostics_)) return;
    CompiledRoom room;
    RoomCompiler compiler(catalogues_[tileSheetForRoom(sectionName)], diagnostics_);
    if (!compiler.compile(tmx, source.string(), sectionName, room)) return;
    map_.sections.push_back(
        SectionRecord{sectionName, entry.gridX, entry.gridY, room.widthCells, room.heightCells});
    rooms_.push_back(std::move(room));
}

void MapBuilder::checkOverlaps(const std::string& layoutPath) {
    std::map<std::pair<int, int>, std::size_t> owner;
    for (std::size_t i = 0; i < map_.sections.size(); ++i) {
        const SectionRecord& s = map_.sections[i];
        for (int y = s.gridY; y < s.gridY + s.heightCells; ++y) {
            for (int x = s.gridX; x < s.gridX + s.widthCells; ++x) {
                const auto placed = owner.emplace(std::make_pair(x, y), i);
                if (!placed.second) {
                    diagnostics_.error(layoutPath, s.name + " overlaps " +
                                                       map_.sections[placed.first->second].name +
                                                       " at grid cell " + cellText(x, y));
                }
            }
        }
    }
}

void MapBuilder::noteGaps(const std::string& layoutPath) {
    if (map_.sections.empty()) return;
    int minX = map_.sections[0].gridX, maxX = minX, minY = map_.sections[0].gridY, maxY = minY;
    for (const SectionRecord& s : map_.sections) {
        minX = std::min(minX, s.gridX);
        minY = std::min(minY, s.gridY);
        maxX = std::max(maxX, s.gridX + s.widthCells - 1);
        maxY = std::max(maxY, s.gridY + s.heightCells - 1);
    }
    std::string gaps;
    for (int y = maxY; y >= minY; --y) {
        for (int x = minX; x <= maxX; ++x) {
            if (sectionAt(x, y) < 0) gaps += " " + cellText(x, y);
        }
    }
    if (!gaps.empty()) {
        diagnostics_.note(layoutPath,
                          "grid cells no room covers (allowed; an edge that faces one "
                          "is a wall):" +
                              gaps);
    }
}

int MapBuilder::sectionAt(int gridX, int gridY) const {
    for (std::size_t i = 0; i < map_.sections.size(); ++i) {
        const SectionRecord& s = map_.sections[i];
        if (gridX >= s.gridX && gridX < s.gridX + s.widthCells && gridY >= s.gridY &&
            gridY < s.gridY + s.heightCells) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// A tile the player can pass once the room is played: empty on the solid
// layer, or a door or breakable block that a shot opens.
bool MapBuilder::tileOpen(const CompiledRoom& room, int column, int row) const {
    if (room.room.tile(kSolidLayer, column, row) == 0) return true;
    for (const BlockEntry& block : room.room.blocks) {
        if (block.column == column && block.row == row && block.type != 1) return true;
    }
    return false;
}

void MapBuilder::checkExits() {
    for (std::size_t i = 0; i < rooms_.size(); ++i) {
        for (int edge = kLeft; edge <= kTop; ++edge) checkEdge(rooms_[i], map_.sections[i], edge);
    }
}

void MapBuilder::checkEdge(const CompiledRoom& room, const SectionRecord& section, int edge) {
    const int w = room.room.width, h = room.room.height;
    const bool vertical = edge == kLeft || edge == kRight;
    const int length = vertical ? h : w;
    for (int i = 0; i < length; ++i) {
        const int column = vertical ? (edge == kLeft ? 0 : w - 1) : i;
        const int row = vertical ? i : (edge == kBottom ? 0 : h - 1);
        if (!tileOpen(room, column, row)) continue;
        // The same place in map tiles, and the tile just across the edge.
        int ax = section.gridX * kCellTilesX + column, ay = section.gridY * kCellTilesY + row;
        ax += edge == kLeft ? -1 : edge == kRight ? 1 : 0;
        ay += edge == kBottom ? -1 : edge == kTop ? 1 : 0;
        const int gx = static_cast<int>(std::floor(static_cast<double>(ax) / kCellTilesX));
        const int gy = static_cast<int>(std::floor(static_cast<double>(ay) / kCellTilesY));
        const std::string where = "the " + std::string(kEdgeNames[edge]) + " edge is open at " +
                                  "column " + std::to_string(column) + ", row " +
                                  std::to_string(row);
        const int next = sectionAt(gx, gy);
        if (next < 0) {
            diagnostics_.error(room.sourcePath,
                               where + " but no room covers grid cell " + cellText(gx, gy));
            continue;
        }
        const SectionRecord& other = map_.sections[next];
        const int nc = ax - other.gridX * kCellTilesX, nr = ay - other.gridY * kCellTilesY;
        if (!tileOpen(rooms_[next], nc, nr)) {
            diagnostics_.error(room.sourcePath, where + " but leads into a wall of " + other.name +
                                                    " at column " + std::to_string(nc) + ", row " +
                                                    std::to_string(nr));
        }
    }
}

bool MapBuilder::write(const std::string& dataDir) const {
    const fs::path mapDir = fs::path(dataDir) / "map";
    std::error_code ignored;
    fs::create_directories(mapDir, ignored);
    if (!writeBytes(mapDir / "test.map", serializeMapFile(map_))) {
        diagnostics_.error((mapDir / "test.map").string(), "cannot write the map");
        return false;
    }
    for (const CompiledRoom& room : rooms_) {
        if (!writeBytes(mapDir / room.sectionName, serializeRoomFile(room.room))) {
            diagnostics_.error((mapDir / room.sectionName).string(), "cannot write the room");
            return false;
        }
    }
    return true;
}

bool checkRoomsTheGameNames(const MapFile& map, const std::string& layoutPath,
                            Diagnostics& diagnostics) {
    const int errorsBefore = diagnostics.errorCount();
    for (const RoomRules& named : namedRooms()) {
        const bool placed =
            std::any_of(map.sections.begin(), map.sections.end(),
                        [&](const SectionRecord& s) { return s.name == named.name; });
        if (!placed) {
            diagnostics.error(layoutPath,
                              std::string("the game's room ") + named.name + " is not on the map");
        }
    }
    return diagnostics.errorCount() == errorsBefore;
}
