// The whole world in one run: tests/journey/journey.txt plays from the
// starting room to the dragon's hall. It must keep working as rooms change:
// every room in order, the ball, the form station, the drain, the bridge
// coming down, the boss music, and the player alive at the end, headless and
// in a window at 60 Hz.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Trace.h"
#include "input/ScriptInput.h"
#include "player/Player.h"
#include "support/ScratchFolder.h"
#include "world/World.h"

namespace {

// What one run went through, frame by frame.
struct Played {
    std::vector<std::string> rooms;  // each room once per visit, in order
    std::set<int> tracks;            // every music track that played
    std::string tookBallIn, becameVantaIn, drainedIn, bridgeDownIn;
    long bossMusicStep = 0, steps = 0;
    int health = 0;
    std::vector<std::string> states;  // a trace line a frame, from the step on, without sounds
    std::string sounds;               // every sound asked for, in order
};

void noteFirst(std::string& where, bool happened, const std::string& room) {
    if (happened && where.empty()) where = room;
}

// Plays the journey to its end: headless (a step a frame) when `hz` is 0,
// else in a window at `hz`.
Played play(double hz) {
    Played seen;
    ScriptInput input;
    std::string error;
    if (!input.load(std::string(QUASARINE_SOURCE_DIR) + "/tests/journey/journey.txt", &error)) {
        ADD_FAILURE() << error;
        return seen;
    }
    GameState game;
    GameServices services = headlessServices(input, input.seed());
    services.headless = hz == 0;
    services.frameRate = hz;
    if (!InitGame(game, services)) {
        ADD_FAILURE() << "the game did not start";
        return seen;
    }
    while (game.steps < input.length()) {
        if (!updateGame(game)) break;
        advanceFrameClock(game);
        if (!drawFrame(game)) break;
        const World& world = *game.world;
        const Player& player = *game.player;
        const std::string room = world.section().name;
        if (seen.rooms.empty() || seen.rooms.back() != room) seen.rooms.push_back(room);
        if (world.musicTrack >= 0) seen.tracks.insert(world.musicTrack);
        noteFirst(seen.tookBallIn, player.hasBall, room);
        noteFirst(seen.becameVantaIn, player.form == kVanta, room);
        noteFirst(seen.drainedIn, world.waterDrained, room);
        noteFirst(seen.bridgeDownIn, world.crushStage == 4, room);
        if (world.bossMusicStarted && seen.bossMusicStep == 0) seen.bossMusicStep = game.steps;

        // The frame's trace line, split into the state and the sounds.
        std::FILE* file = std::tmpfile();
        writeTraceLine(file, 0, game);
        std::rewind(file);
        char buffer[16384] = {};
        const std::string line(buffer, std::fread(buffer, 1, sizeof buffer - 1, file));
        std::fclose(file);
        const std::size_t at = line.find("\"step\""), audio = line.find(",\"audio\":[");
        seen.states.push_back(line.substr(at, audio - at));
        const std::string sounds = line.substr(audio + 10, line.rfind(']') - audio - 10);
        if (!sounds.empty()) seen.sounds += (seen.sounds.empty() ? "" : ",") + sounds;
    }
    seen.steps = game.steps;
    seen.health = game.player->health;
    shutdownGame(game);
    return seen;
}

}  // namespace

TEST(Journey, CrossesTheWholeWorldToTheDragon) {
    REQUIRE_GENERATED_DATA();
    ScratchFolder folder("journey", ScratchFolder::kGameFolder);
    const Played seen = play(0);

    // Every room the journey enters, in order (".sec" left off), a stretch a line or more.
    const std::string order =
        "starting_room\n"
        "ruins_colonnade ruins_stair ruins_gallery ruins_descent ruins_court ruins_tower\n"
        "ruins_sunken ruins_longhall ruins_chasm\n"
        "ruins_hall gearboy_vert save_room1 gearboy_vert fernvale_vertical fernvale_roll-under\n"
        "fernvale_roll-corner gearboyfeeling_passage\n"
        "mire_sinkhall mire_pit mire_twolevel mire_well mire_rise mire_ledges mire_stones\n"
        "mire_return\n"
        "cave_gallery cave_descent cave_chimney cave_burrow cave_crossing cave_gates cave_lowway\n"
        "cave_sentry cave_doors cave_shaft cave_ridge cave_climb cave_maze cave_well cave_swoops\n"
        "cave_overunder cave_rise cave_highrun cave_highgate cave_dropdown cave_perch\n"
        "cave_burrowup cave_stepping cave_twodoors\n"
        "deep_cavern deep_sunken deep_gate deep_rakas deep_gauntlet deep_pit deep_hollow\n"
        "deep_loop deep_stair\n"
        "bridge_and_under dragon_fight_room\n";
    std::vector<std::string> expected;
    std::istringstream names(order);
    for (std::string name; names >> name;) expected.push_back(name + ".sec");
    EXPECT_EQ(seen.rooms, expected);
    EXPECT_EQ(seen.tookBallIn, "starting_room.sec");
    EXPECT_EQ(seen.becameVantaIn, "save_room1.sec");
    EXPECT_EQ(seen.drainedIn, "save_room1.sec");
    EXPECT_EQ(seen.bridgeDownIn, "bridge_and_under.sec");
    EXPECT_GT(seen.bossMusicStep, 0) << "the boss music never started";
    EXPECT_EQ(seen.tracks, (std::set<int>{0, 1, 2, 3})) << "every track is heard on the way";
    EXPECT_GT(seen.health, 50) << "the journey costs more health than a fair one should";
}

TEST(Journey, PlaysTheSameInAWindowAt60Hz) {
    REQUIRE_GENERATED_DATA();
    ScratchFolder folder("journey-window", ScratchFolder::kGameFolder);
    const Played headless = play(0);
    const Played window = play(60);
    // The window's last frame may run one step past the script.
    ASSERT_GE(window.steps, headless.steps);
    ASSERT_LE(window.steps, headless.steps + 1);
    EXPECT_EQ(window.rooms, headless.rooms);
    ASSERT_LT(window.states.size(), headless.states.size()) << "two steps a frame in three";
    EXPECT_EQ(window.sounds, headless.sounds);
    // Each frame shows the state of the step it ended on, exactly as the
    // headless run (a step a frame) had it after that step.
    for (const std::string& state : window.states) {
        const long step = std::stol(state.substr(state.find("\"step\":") + 7));
        if (step > headless.steps) break;
        ASSERT_EQ(state, headless.states[step - 1]) << "step " << step;
    }
}
