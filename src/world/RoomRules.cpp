#include "world/RoomRules.h"

#include <cstring>

#include "world/World.h"

namespace {

// clang-format off
constexpr RoomRules kRoomTable[] = {
    // name                          sheet  feature             music       flooded drains dark   bridge dragon
    {"starting_room.sec",            0,     kFeatureBallItem,    kKeepMusic, false,  false, false, false, false},
    {"save_room1.sec",               1,     kFeatureFormStation, kKeepMusic, false,  true,  false, false, false},
    {"gearboy_vert.sec",             2,     kKeepFeatureKind,    kKeepMusic, false,  false, false, false, false},
    {"gearboyfeeling_passage.sec",   2,     kKeepFeatureKind,    1,          false,  false, false, false, false},
    {"fernvale_vertical.sec",        0,     kKeepFeatureKind,    0,          true,   false, false, false, false},
    {"fernvale_roll-under.sec",      0,     kKeepFeatureKind,    kKeepMusic, false,  false, true,  false, false},
    {"fernvale_roll-corner.sec",     0,     kKeepFeatureKind,    kKeepMusic, false,  false, true,  false, false},
    {"bridge_and_under.sec",         0,     kKeepFeatureKind,    kSilence,   false,  false, false, true,  false},
    {"dragon_fight_room.sec",        0,     kKeepFeatureKind,    kKeepMusic, false,  false, false, false, true},
};
// clang-format on

constexpr RoomRules kOrdinaryRoom = {"",    0,    kKeepFeatureKind, kKeepMusic, false, false, false,
                                     false, false};

}  // namespace

const RoomRules& roomRulesFor(const char* name) {
    for (const RoomRules& rules : kRoomTable) {
        if (std::strcmp(rules.name, name) == 0) return rules;
    }
    return kOrdinaryRoom;
}

NamedRooms namedRooms() {
    return {kRoomTable, sizeof kRoomTable / sizeof kRoomTable[0]};
}
