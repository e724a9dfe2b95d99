// The whole world in one run: tests/journey/journey.txt plays from the
// starting room to the dragon's hall. It must keep working as rooms change:
// every room in order, the ball, the form station, the drain, the bridge
// coming down, the boss music, and the player alive at the end, headless and
// in a window at 60 Hz.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Trace.h"
#include "input/ScriptInput.h"
#include "player/Player.h"
#include "support/ScratchFolder.h"
#include "world/World.h"

namespace {

const std::string kJourney = std::string(QUASARINE_SOURCE_DIR) + "/tests/journey/journey.txt";

// What one run went through, step by step.
struct Journey {
    std::vector<std::string> rooms;  // each room once per visit, in order
    std::set<int> tracks;            // every music track that played
    std::string tookBallIn, becameVantaIn, drainedIn, bridgeDownIn;
    long bossMusicStep = 0, steps = 0;
    int health = 0;
    std::vector<std::string> states;  // a trace line a frame, without the frame number
    std::string sounds;               // every sound asked for, in order
};

// The trace line of the frame just run, split into the state (from the step
// on) and the sounds it asked for.
void traceOf(const GameState& game, std::string& state, std::string& sounds) {
    std::FILE* line = std::tmpfile();
    writeTraceLine(line, 0, game);
    std::rewind(line);
    char buffer[16384] = {};
    const std::size_t n = std::fread(buffer, 1, sizeof buffer - 1, line);
    std::fclose(line);
    const std::string text(buffer, n);
    const std::size_t step = text.find("\"step\""), audio = text.find(",\"audio\":[");
    state = text.substr(step, audio - step);
    sounds = text.substr(audio + 10, text.rfind(']') - audio - 10);
}

// Plays the journey: headless (a step a frame) or as a window at `hz`.
Journey play(bool headless, double hz) {
    Journey seen;
    ScriptInput script;
    std::string error;
    if (!script.load(kJourney, &error)) {
        ADD_FAILURE() << error;
        return seen;
    }
    GameState game;
    GameServices services = headlessServices(script, script.seed());
    services.headless = headless;
    services.frameRate = hz;
    if (!InitGame(game, services)) {
        ADD_FAILURE() << "the game did not start";
        return seen;
    }
    const long totalSteps = script.length();
    while (game.steps < totalSteps) {
        if (!updateGame(game)) break;
        advanceFrameClock(game);
        if (!drawFrame(game)) break;
        const World& world = *game.world;
        const Player& player = *game.player;
        const std::string room = world.section().name;
        if (seen.rooms.empty() || seen.rooms.back() != room) seen.rooms.push_back(room);
        if (world.musicTrack >= 0) seen.tracks.insert(world.musicTrack);
        if (player.hasBall && seen.tookBallIn.empty()) seen.tookBallIn = room;
        if (player.form == kVanta && seen.becameVantaIn.empty()) seen.becameVantaIn = room;
        if (world.waterDrained && seen.drainedIn.empty()) seen.drainedIn = room;
        if (world.crushStage == 4 && seen.bridgeDownIn.empty()) seen.bridgeDownIn = room;
        if (world.bossMusicStarted && seen.bossMusicStep == 0) seen.bossMusicStep = game.steps;
        std::string state, sounds;
        traceOf(game, state, sounds);
        seen.states.push_back(state);
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
    const Journey seen = play(true, 90);

    const std::vector<std::string> order = {
        "starting_room.sec",       "ruins_hall.sec",           "gearboy_vert.sec",
        "save_room1.sec",          "gearboy_vert.sec",         "fernvale_vertical.sec",
        "fernvale_roll-under.sec", "fernvale_roll-corner.sec", "gearboyfeeling_passage.sec",
        "cave_gallery.sec",        "cave_descent.sec",         "cave_chimney.sec",
        "cave_burrow.sec",         "cave_crossing.sec",        "cave_gates.sec",
        "cave_lowway.sec",         "cave_sentry.sec",          "bridge_and_under.sec",
        "dragon_fight_room.sec"};
    EXPECT_EQ(seen.rooms, order);
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
    const Journey headless = play(true, 90);
    const Journey window = play(false, 60);
    // The window ends on the frame that ran the script's last step, which may
    // run one step past it.
    ASSERT_GE(window.steps, headless.steps);
    ASSERT_LE(window.steps, headless.steps + 1);
    EXPECT_EQ(window.rooms, headless.rooms);
    EXPECT_EQ(window.sounds, headless.sounds);
    // Two steps a frame in three: each frame shows the state of the step it
    // ended on, exactly as the headless run had it after that step.
    ASSERT_LT(window.states.size(), headless.states.size());
    std::size_t frame = 0;
    for (const std::string& state : window.states) {
        const std::size_t at = state.find("\"step\":") + 7;
        const long step = std::stol(state.substr(at));
        if (step > headless.steps) break;
        ASSERT_EQ(state, headless.states[step - 1]) << "frame " << frame << ", step " << step;
        ++frame;
    }
}
