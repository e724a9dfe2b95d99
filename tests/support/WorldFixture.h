#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/AudioEventLog.h"
#include "audio/NullAudioBackend.h"
#include "audio/SoundSystem.h"
#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "input/InputDevice.h"
#include "math/Random.h"
#include "player/Player.h"
#include "support/ScratchFolder.h"
#include "world/ActorContext.h"
#include "world/RoomFile.h"
#include "world/World.h"

// A room described for a test: its grid place and size, and its solid layer
// drawn as text, top row first, one character a tile:
//   '.' empty   '#' solid ground   '=' thin platform (top half solid)
//   'B' breakable block   'D' door tile   'F' flush target
// Blocks and doors get their block records. Missing rows and columns are
// empty; enemies and the start position can be added to `room` directly.
struct TestRoom {
    std::string name;
    int gridX = 0;
    int gridY = 0;
    int widthCells = 1;
    int heightCells = 1;
    std::vector<std::string> solid;
    RoomFile room;  // filled by the fixture; add enemies or a feature before build
    Vector3 start = makeVector3(40, 40, 0);
    bool feature = false;
    Vector3 featurePos = makeVector3(0, 0, 0);
    std::int32_t backTile = 0;  // fills layer 0
    std::int32_t nearTile = 0;  // fills layer 3
};

// A one-cell room at (gridX, gridY) with solid ground along its bottom row
// (top at y 15) and its start at (100, 20).
TestRoom floorRoom(const std::string& name, int gridX = 0, int gridY = 0);

// Writes the rooms (the first is section 0) and their map, test.map, into a
// folder.
void writeTestRooms(const std::string& folder, std::vector<TestRoom>& rooms);

// What the log heard since it was last cleared, oldest first, and clears it:
// "play NAME VOLUME" (unless `withPlays` is false), "music FILE VOLUME",
// "stop", "pause", "resume".
std::vector<std::string> takeAudioEvents(AudioEventLog& log, bool withPlays = true);

// A headless game world: the real pictures (tile collision needs their frame
// boxes), a recording sound system with the game's sounds, a Player and a
// World, in a scratch working folder whose `data` is the generated data.
// Rooms are written by the test into rooms/ and loaded from there.
class WorldFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the rooms (the first is section 0) and loads the map.
    void build(std::vector<TestRoom> rooms);
    // The sound system's events since the last call (see takeAudioEvents).
    std::vector<std::string> takeAudio() { return takeAudioEvents(audio->log()); }
    // Runs the World for some steps.
    void stepWorld(int steps);

    NullInput input;
    Controls controls{input};  // set by hand; what the player reads when stepped
    Random random;
    ActorContext actors;
    Graphics* graphics = nullptr;
    NullAudioBackend* audio = nullptr;
    SoundSystem* sound = nullptr;
    Player* player = nullptr;
    World* world = nullptr;
    std::unique_ptr<ScratchFolder> scratch;
};

// Tile codes on the cavern sheet the text pictures use.
constexpr std::int32_t kGroundTile = 2;
constexpr std::int32_t kPlatformTile = 15;
constexpr std::int32_t kBreakableTile = 22;
constexpr std::int32_t kDoorTile = 27;
constexpr std::int32_t kFlushTile = 17;
