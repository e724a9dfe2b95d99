#pragma once

#include <cstddef>
#include <cstdint>

// What the rooms the game knows by name do differently from the rest: one
// row per room, looked up by the section's file name (compared exactly). A
// room not in the table follows the default row: tile sheet 0, nothing
// special.
struct RoomRules {
    const char* name;
    std::int32_t tileset;      // which of the World's tile sheets draws the room
    std::int32_t featureKind;  // the room feature's kind here; kKeepFeatureKind: as before
    std::int32_t musicTrack;   // started on entry (unless locked); kKeepMusic, kSilence
    bool flooded;              // under water (and its rakas alive) until drained
    bool drainsTheFlood;       // its flush target drains the flooded room
    bool dark;                 // lit by the flashlight only
    bool bridge;               // the dragon's fly-past and the collapse
    bool dragonFight;          // the boss music at x above 640
};

constexpr std::int32_t kKeepFeatureKind = -1;
constexpr std::int32_t kKeepMusic = -1;
constexpr std::int32_t kSilence = -2;

// The rules of the named room, or the default row.
const RoomRules& roomRulesFor(const char* name);

// Every room the game knows by name, for tools that check a map holds them.
struct NamedRooms {
    const RoomRules* begin() const { return first; }
    const RoomRules* end() const { return first + count; }
    const RoomRules* first;
    std::size_t count;
};
NamedRooms namedRooms();
