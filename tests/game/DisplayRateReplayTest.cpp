// The game is the same on every display: a session played in a window at any
// refresh rate, recorded, replays headless (one step a frame) through exactly
// the same states and sounds, step for step.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Trace.h"
#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "input/ScriptInput.h"
#include "support/ScratchFolder.h"
#include "support/TestImages.h"

namespace {

// After "READY": a step, a shot at the first door, through it, a jump, back.
const char* const kSession = "1 -\n420 -\n10 R\n5 F\n20 -\n300 R\n60 RJ\n200 L\n100 -\n";

struct TracedRun {
    std::vector<std::string> states;  // one per frame, without frame number and sounds
    std::vector<long> steps;          // the step each frame ended on
    std::string sounds;               // every sound request, in order
};

class DisplayRateReplay : public ::testing::Test {
  protected:
    void SetUp() override { REQUIRE_GENERATED_DATA(); }

    // Runs `frames` frames; a window's frames at `hz` (the measured rate
    // wandering by 2 %, as a real pacer's does), or headless ones.
    TracedRun run(InputDevice& input, bool headless, double hz, long frames,
                  ScriptRecorder* recorder = nullptr) {
        GameState game;
        GameServices services = headlessServices(input, 3);
        services.headless = headless;
        services.frameRate = hz;
        if (recorder) {
            services.controlsPolled = [recorder](const Controls& c) { recorder->record(c); };
        }
        TracedRun result;
        if (!InitGame(game, services)) {
            ADD_FAILURE() << "the game did not start";
            return result;
        }
        std::FILE* trace = std::fopen("trace.jsonl", "w");
        for (long frame = 1; frame <= frames; ++frame) {
            if (!headless) {
                game.updateStep = static_cast<float>(hz * (1 + 0.02 * std::sin(frame * 0.37)) / 90);
            }
            EXPECT_TRUE(updateGame(game));
            advanceFrameClock(game);
            EXPECT_TRUE(drawFrame(game));
            writeTraceLine(trace, frame, game);
            result.steps.push_back(game.steps);
        }
        shutdownGame(game);
        std::fclose(trace);
        // Each line without its frame number, and the sounds it lists.
        std::istringstream lines(readTextFile("trace.jsonl"));
        for (std::string line; std::getline(lines, line);) {
            const std::size_t audio = line.find(",\"audio\":[");
            const std::size_t step = line.find("\"step\":");
            result.states.push_back(line.substr(step, audio - step));
            const std::string sounds = line.substr(audio + 10, line.rfind(']') - audio - 10);
            if (!sounds.empty()) result.sounds += (result.sounds.empty() ? "" : ",") + sounds;
        }
        return result;
    }

    ScratchFolder folder_{"rates", ScratchFolder::kGameFolder};  // the game's own map
};

}  // namespace

TEST_F(DisplayRateReplay, AWindowAtAnyRateReplaysHeadlessStepForStep) {
    for (const double hz : {60.0, 144.0}) {
        SCOPED_TRACE(hz);
        ScriptInput played;
        ASSERT_TRUE(played.parse(kSession, nullptr));
        TracedRun window;
        {
            ScriptRecorder recorder("session.txt", 3);
            window = run(played, false, hz, static_cast<long>(1100 * hz / 90), &recorder);
            std::string error;
            ASSERT_TRUE(recorder.finish(&error)) << error;
        }
        const long steps = window.steps.back();
        ASSERT_GT(steps, 1000);

        ScriptInput recording;
        ASSERT_TRUE(recording.load("session.txt", nullptr));
        EXPECT_EQ(recording.seed(), 3u);
        const TracedRun headless = run(recording, true, 90, steps);
        ASSERT_EQ(headless.steps.back(), steps);

        // Every frame the window showed matches the headless frame of the
        // same step, and the sounds come in the same order.
        for (std::size_t i = 0; i < window.states.size(); ++i) {
            const long step = window.steps[i];
            ASSERT_EQ(window.states[i], headless.states[step - 1]) << "step " << step;
        }
        EXPECT_EQ(window.sounds, headless.sounds);
        // The session went somewhere: through the door into the next room.
        EXPECT_TRUE(std::any_of(headless.states.begin(), headless.states.end(), [](auto& state) {
            return state.find("\"room\":\"ruins_hall.sec\"") != std::string::npos;
        }));
    }
}
