#include "RoomCompiler.h"

#include <cmath>
#include <filesystem>
#include <set>
#include <utility>

#include "RoomRules.h"

namespace {

// A layer with many bad tiles is one mistake; a few examples say enough.
constexpr int kTileReportsPerLayer = 5;

std::string cellName(int column, int row) {
    return "column " + std::to_string(column) + ", row " + std::to_string(row);
}

bool isWhole(double v) {
    return std::floor(v) == v;
}

bool parseFlag(const std::string& text, int& flag) {
    if (text == "true") return flag = 1, true;
    if (text == "false") return flag = 0, true;
    try {
        std::size_t used = 0;
        flag = std::stoi(text, &used);
        return used == text.size() && flag >= 0 && flag <= 255;
    } catch (...) {
        return false;
    }
}

}  // namespace

bool RoomCompiler::compile(const TmxRoom& source, const std::string& sourcePath,
                           const std::string& sectionName, CompiledRoom& out) {
    file_ = sourcePath;
    const int errorsBefore = diagnostics_.errorCount();
    out = CompiledRoom{};
    out.sectionName = sectionName;
    out.sourcePath = sourcePath;
    if (sectionName.size() > kMaxSectionNameLength) {
        error("the room name '" + sectionName + "' is longer than " +
              std::to_string(kMaxSectionNameLength) + " characters");
    }
    if (!checkShape(source)) return false;
    out.widthCells = source.width / kCellTilesX;
    out.heightCells = source.height / kCellTilesY;
    RoomFile& room = out.room;
    room.width = source.width;
    room.height = source.height;
    for (auto& layer : room.layers)
        layer.assign(static_cast<std::size_t>(room.width) * room.height, 0);

    if (const TmxTilesetRef* tileset = checkTileset(source, sectionName)) {
        convertLayers(source, tileset->firstGid, room);
    }
    convertObjects(source, sectionName, room);
    return diagnostics_.errorCount() == errorsBefore;
}

bool RoomCompiler::checkShape(const TmxRoom& source) {
    if (source.tileWidth != kTileUnits || source.tileHeight != kTileUnits) {
        error("the map's tiles are " + std::to_string(source.tileWidth) + "x" +
              std::to_string(source.tileHeight) + "; rooms use a 16x16 grid");
    }
    if (source.width < kCellTilesX || source.height < kCellTilesY ||
        source.width % kCellTilesX != 0 || source.height % kCellTilesY != 0 ||
        source.width > kMaxRoomTiles || source.height > kMaxRoomTiles) {
        error("the room is " + std::to_string(source.width) + "x" + std::to_string(source.height) +
              " tiles; it must cover whole grid cells of 20x15 tiles");
        return false;
    }
    return true;
}

const TmxTilesetRef* RoomCompiler::checkTileset(const TmxRoom& source,
                                                const std::string& sectionName) {
    const std::string wanted = std::string(tileSheetName(tileSheetForRoom(sectionName))) + ".tsx";
    if (source.tilesets.size() != 1) {
        error("the room must use exactly one tileset, " + wanted + " (it uses " +
              std::to_string(source.tilesets.size()) + ")");
        return nullptr;
    }
    const TmxTilesetRef& ref = source.tilesets.front();
    if (std::filesystem::path(ref.source).filename() != wanted) {
        error("the room uses tileset " + ref.source + " but " + sectionName + " is drawn with " +
              wanted);
        return nullptr;
    }
    return &ref;
}

void RoomCompiler::convertLayers(const TmxRoom& source, std::uint32_t firstGid, RoomFile& room) {
    const TmxTileLayer* byIndex[kLayerCount] = {};
    for (const TmxTileLayer& layer : source.layers) {
        if (layer.index < 0 || layer.index >= kLayerCount) {
            error("tile layer '" + layer.name +
                  "': the name must start with its layer number, 0 to 5 (\"2 solid\")");
        } else if (byIndex[layer.index]) {
            error("tile layers '" + byIndex[layer.index]->name + "' and '" + layer.name +
                  "' are both layer " + std::to_string(layer.index));
        } else {
            byIndex[layer.index] = &layer;
        }
    }
    for (int index = 0; index < kLayerCount; ++index) {
        if (!byIndex[index]) {
            error("tile layer " + std::to_string(index) + " is missing");
            continue;
        }
        const TmxTileLayer& layer = *byIndex[index];
        const std::size_t cells = static_cast<std::size_t>(room.width) * room.height;
        if (layer.width != room.width || layer.height != room.height ||
            layer.gids.size() != cells) {
            error("tile layer '" + layer.name + "' is " + std::to_string(layer.width) + "x" +
                  std::to_string(layer.height) + " with " + std::to_string(layer.gids.size()) +
                  " tiles, but the room is " + std::to_string(room.width) + "x" +
                  std::to_string(room.height) + " tiles (" +
                  std::to_string(room.width / kCellTilesX) + "x" +
                  std::to_string(room.height / kCellTilesY) + " cells)");
            continue;
        }
        convertLayer(layer, firstGid, room);
    }
}

void RoomCompiler::convertLayer(const TmxTileLayer& layer, std::uint32_t firstGid, RoomFile& room) {
    int problems = 0;
    bool anyError = false;
    auto report = [&](bool isError, const std::string& message) {
        anyError = anyError || isError;
        if (++problems > kTileReportsPerLayer) return;
        isError ? error(message) : warning(message);
    };
    for (int top = 0; top < room.height; ++top) {
        for (int column = 0; column < room.width; ++column) {
            const std::uint32_t gid =
                layer.gids[static_cast<std::size_t>(top) * room.width + column];
            if (gid == 0) continue;
            const int row = room.height - 1 - top;  // the game counts rows from the bottom
            const std::string where = "tile layer '" + layer.name + "' at " + cellName(column, row);
            if (gid & kTmxFlipBits) {
                report(true, where +
                                 ": the tile is mirrored or rotated; the game draws tiles only "
                                 "as they are");
                continue;
            }
            const CatalogueTile* tile =
                gid >= firstGid ? catalogue_.find(static_cast<int>(gid - firstGid + 1)) : nullptr;
            if (!tile) {
                report(true, where + ": unknown tile (gid " + std::to_string(gid) +
                                 " is not in the catalogue)");
                continue;
            }
            bool isError = false;
            const std::string problem = tileUseProblem(layer.index, *tile, isError);
            if (!problem.empty()) report(isError, where + ": " + problem);
            room.tile(layer.index, column, row) = tile->code;
        }
    }
    if (problems > kTileReportsPerLayer) {
        const std::string more = "tile layer '" + layer.name +
                                 "': " + std::to_string(problems - kTileReportsPerLayer) +
                                 " more tile problems";
        anyError ? error(more) : warning(more);
    }
}

std::string RoomCompiler::tileUseProblem(int layer, const CatalogueTile& tile, bool& isError) {
    isError = true;
    if (tile.meantFor(layer)) return {};
    const std::string name = "'" + tile.name + "' (code " + std::to_string(tile.code) + ")";
    if (layer == kSolidLayer) {
        return name + " is a drawing tile; on the solid layer it would block the player";
    }
    if (tile.isSolid()) {
        return name + " is a solid tile on drawing-only layer " + std::to_string(layer) +
               ": it looks solid but nothing collides with it";
    }
    isError = false;
    return name + " is meant for other layers than " + std::to_string(layer);
}

void RoomCompiler::convertObjects(const TmxRoom& source, const std::string& sectionName,
                                  RoomFile& room) {
    int starts = 0;
    int features = 0;
    for (const TmxObject& object : source.objects) {
        Vector3 pos = makeVector3(0, 0, 0);
        if (object.kind == "start") {
            if (objectPosition(object, room, pos)) room.startPos = pos;
            if (++starts == 2)
                error(object.label() + ": the room has more than one start position");
        } else if (object.kind == "feature") {
            if (objectPosition(object, room, pos)) room.featurePos = pos;
            room.featurePresent = 1;
            if (++features == 2) error(object.label() + ": the room has more than one feature");
            if (!roomSetsFeatureKind(sectionName)) {
                warning(object.label() +
                        ": only starting_room.sec (ability item) and "
                        "save_room1.sec (form station) say what their feature "
                        "is; here it takes the kind of the last of those loaded");
            }
        } else if (enemyKindFromName(object.kind) >= 0) {
            addEnemy(object, enemyKindFromName(object.kind), room);
        } else if (blockTypeFromName(object.kind) >= 0) {
            addBlocks(object, blockTypeFromName(object.kind), sectionName, room);
        } else {
            error(object.label() + ": unknown object class '" + object.kind +
                  "' (expected start, feature, swoop, helmet, raka, dragon, block, flush or door)");
        }
    }
    if (starts == 0) error("the room has no start position (an object of class 'start')");
}

bool RoomCompiler::objectPosition(const TmxObject& object, const RoomFile& room, Vector3& out) {
    const double roomWidth = room.width * kTileUnits;
    const double roomHeight = room.height * kTileUnits;
    const double x = object.centreX();
    const double y = roomHeight - object.centreY();  // the game's y grows upward
    if (x < 0 || x >= roomWidth || y < 0 || y >= roomHeight) {
        error(object.label() + " lies outside the room");
        return false;
    }
    out = makeVector3(static_cast<float>(x), static_cast<float>(y), 0);
    return true;
}

void RoomCompiler::addEnemy(const TmxObject& object, int kind, RoomFile& room) {
    EnemyEntry entry{makeVector3(0, 0, 0), kind, 0};
    if (!objectPosition(object, room, entry.pos)) return;
    int flag = 0;
    const auto it = object.properties.find("flag");
    if (it != object.properties.end() && !parseFlag(it->second, flag)) {
        error(object.label() + ": the flag '" + it->second + "' is not a number from 0 to 255");
        return;
    }
    entry.flag = static_cast<std::uint8_t>(flag);
    room.enemies.push_back(entry);
}

void RoomCompiler::addBlocks(const TmxObject& object, int type, const std::string& sectionName,
                             RoomFile& room) {
    if (object.isPoint || object.isTile || !isWhole(object.x / kTileUnits) ||
        !isWhole(object.y / kTileUnits) || !isWhole(object.width / kTileUnits) ||
        !isWhole(object.height / kTileUnits) || object.width <= 0 || object.height <= 0) {
        error(object.label() +
              " is off the grid: a block must be a rectangle on whole 16x16 "
              "tiles (x " +
              std::to_string(object.x) + ", y " + std::to_string(object.y) + ", " +
              std::to_string(object.width) + "x" + std::to_string(object.height) + ")");
        return;
    }
    const int left = static_cast<int>(object.x) / kTileUnits;
    const int top = static_cast<int>(object.y) / kTileUnits;
    const int columns = static_cast<int>(object.width) / kTileUnits;
    const int rows = static_cast<int>(object.height) / kTileUnits;
    if (left < 0 || top < 0 || left + columns > room.width || top + rows > room.height) {
        error(object.label() + " lies outside the room");
        return;
    }
    if (type == 1 && !roomUsesTypeOneBlocks(sectionName)) {
        warning(object.label() +
                ": a flush block does something only in save_room1.sec and "
                "bridge_and_under.sec");
    }
    for (int t = top; t < top + rows; ++t) {
        for (int column = left; column < left + columns; ++column) {
            const int row = room.height - 1 - t;
            if (!checkBlockTile(object, type, column, row, room)) continue;
            room.blocks.push_back(BlockEntry{column, row, type});
        }
    }
}

bool RoomCompiler::checkBlockTile(const TmxObject& object, int type, int column, int row,
                                  const RoomFile& room) {
    const std::string where = object.label() + " at " + cellName(column, row);
    for (const BlockEntry& other : room.blocks) {
        if (other.column == column && other.row == row) {
            error(where + ": the tile already has a block record");
            return false;
        }
    }
    const int code = room.tile(kSolidLayer, column, row);
    if (code == 0) {
        error(where + ": no solid tile there for the record to act on");
        return false;
    }
    if (type == 2) {
        // The door shows code + 1 while it moves: a closed door tile followed by its half-open one.
        const CatalogueTile* closed = catalogue_.find(code);
        const CatalogueTile* moving = catalogue_.find(code + 1);
        if (!closed || !moving || closed->name.compare(0, 5, "door-") != 0 ||
            moving->name != closed->name + "-half-open") {
            error(where + ": a door record needs a closed door tile on the solid layer, found '" +
                  (closed ? closed->name : std::to_string(code)) + "'");
            return false;
        }
    }
    return true;
}
