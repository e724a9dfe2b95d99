#include "SecDump.h"

#include <cstdio>
#include <sstream>

#include "RoomRules.h"

namespace {

// Shortest text that reads back as the same float.
std::string number(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(v));
    return text;
}

std::string vector3(const Vector3& v) {
    return number(v.x) + " " + number(v.y) + " " + number(v.z);
}

void describeLayer(const RoomFile& room, int layer, std::ostringstream& out) {
    out << "layer " << layer << (layer == kSolidLayer ? " (solid)" : "") << ":\n";
    for (int row = room.height - 1; row >= 0; --row) {
        out << "  row " << row << ":";
        for (int column = 0; column < room.width; ++column) {
            out << ' ' << room.tile(layer, column, row);
        }
        out << '\n';
    }
}

}  // namespace

std::string describeMap(const MapFile& map) {
    std::ostringstream out;
    out << "map: " << map.sections.size() << " sections\n";
    for (std::size_t i = 0; i < map.sections.size(); ++i) {
        const SectionRecord& s = map.sections[i];
        out << "section " << i << ": " << s.name << " grid " << s.gridX << " " << s.gridY
            << " size " << s.widthCells << " x " << s.heightCells << " cells\n";
    }
    return out.str();
}

std::string describeRoom(const RoomFile& room) {
    std::ostringstream out;
    out << "room: " << room.width << " x " << room.height << " tiles\n";
    for (int layer = 0; layer < kLayerCount; ++layer) describeLayer(room, layer, out);
    out << "spare byte: " << static_cast<int>(room.spare) << '\n';
    out << "start: " << vector3(room.startPos) << '\n';
    out << "feature: " << (room.featurePresent ? "present" : "absent") << " ("
        << static_cast<int>(room.featurePresent) << ") at " << vector3(room.featurePos) << '\n';
    out << "enemies: " << room.enemies.size() << '\n';
    for (std::size_t i = 0; i < room.enemies.size(); ++i) {
        const EnemyEntry& e = room.enemies[i];
        out << "enemy " << i << ": " << enemyKindName(e.kind) << " (kind " << e.kind << ") at "
            << vector3(e.pos) << " flag " << static_cast<int>(e.flag) << '\n';
    }
    out << "blocks: " << room.blocks.size() << '\n';
    for (std::size_t i = 0; i < room.blocks.size(); ++i) {
        const BlockEntry& b = room.blocks[i];
        out << "block " << i << ": " << blockTypeName(b.type) << " (type " << b.type
            << ") at column " << b.column << " row " << b.row << '\n';
    }
    return out.str();
}

bool describeFile(const std::string& path, std::string& text, std::string* error) {
    const bool isMap = path.size() >= 4 && path.compare(path.size() - 4, 4, ".map") == 0;
    if (isMap) {
        MapFile map;
        if (!readMapFile(path, map, error)) return false;
        text = describeMap(map);
    } else {
        RoomFile room;
        if (!readRoomFile(path, room, error)) return false;
        text = describeRoom(room);
    }
    return true;
}
