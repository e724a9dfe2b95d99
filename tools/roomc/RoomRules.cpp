#include "RoomRules.h"

#include "world/RoomRules.h"

namespace {
const char* const kSheets[kTileSheetCount] = {"tiles_test", "tiles_combo1", "tiles_test-gearboy"};
const char* const kEnemyKinds[] = {"swoop", "helmet", "raka", "dragon"};
const char* const kBlockTypes[] = {"block", "flush", "door"};

template <std::size_t N>
int indexOf(const char* const (&names)[N], const std::string& name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i]) return static_cast<int>(i);
    }
    return -1;
}

template <std::size_t N>
const char* nameAt(const char* const (&names)[N], int index) {
    return index >= 0 && index < static_cast<int>(N) ? names[index] : "?";
}
}  // namespace

int tileSheetForRoom(const std::string& sectionName) {
    return roomRulesFor(sectionName.c_str()).tileset;
}

const char* tileSheetName(int sheet) {
    return nameAt(kSheets, sheet);
}

int enemyKindFromName(const std::string& name) {
    return indexOf(kEnemyKinds, name);
}
const char* enemyKindName(int kind) {
    return nameAt(kEnemyKinds, kind);
}

int blockTypeFromName(const std::string& name) {
    return indexOf(kBlockTypes, name);
}
const char* blockTypeName(int type) {
    return nameAt(kBlockTypes, type);
}

bool roomSetsFeatureKind(const std::string& sectionName) {
    return roomRulesFor(sectionName.c_str()).featureKind != kKeepFeatureKind;
}

bool roomUsesTypeOneBlocks(const std::string& sectionName) {
    const RoomRules& rules = roomRulesFor(sectionName.c_str());
    return rules.drainsTheFlood || rules.bridge;
}
