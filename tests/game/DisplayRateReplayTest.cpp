// The game is the same on every display: a session played in a window at any
// refresh rate, recorded, replays headless (one step a frame) through exactly
// the same states and sounds, step for step.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/Trace.h"
#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "input/ScriptInput.h"
#include "support/TestImages.h"
#include "support/WorldFixture.h"

namespace fs = std::filesystem;

namespace {

// After "READY": a step, a shot at the first door, through it, a jump, back.
const char* const kSession = "1 -\n420 -\n10 R\n5 F\n20 -\n300 R\n60 RJ\n200 L\n100 -\n";

struct TracedRun {
    std::vector<std::string> states;  // one per frame, without frame number and sounds
    std::vector<long> steps;          // the step each frame ended on
    std::string sounds;               // every sound request, in order
};

// One trace line split into the state (without its frame number) and the
// sounds it lists.
void splitLine(const std::string& line, std::string& state, std::string& sounds) {
    const std::size_t stepField = line.find("\"step\":");
    const std::size_t audio = line.find(",\"audio\":[");
    state = line.substr(stepField, audio - stepField);
    const std::size_t open = audio + 10;
    sounds = line.substr(open, line.rfind(']') - open);
}

std::string readAll(std::FILE* file) {
    std::string text;
    std::rewind(file);
    char buffer[65536];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    return text;
}

class DisplayRateReplay : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* data = std::getenv("QUASARINE_DATA_DIR");
        folder_ = makeGameFolder("rates");
        if (folder_.empty() || !fs::exists(fs::path(data) / "map" / "test.map")) {
            GTEST_SKIP() << "the game's data is not built (QUASARINE_DATA_DIR)";
        }
        for (const auto& entry : fs::directory_iterator(fs::path(data) / "map")) {
            fs::create_symlink(fs::absolute(entry.path()),
                               folder_ + "/data/map/" + entry.path().filename().string());
        }
        previous_ = fs::current_path();
        fs::current_path(folder_);
    }
    void TearDown() override {
        if (folder_.empty()) return;
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

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
        std::FILE* trace = std::tmpfile();
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
        const std::string text = readAll(trace);
        std::fclose(trace);
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            std::string state, sounds;
            splitLine(text.substr(start, end - start), state, sounds);
            result.states.push_back(state);
            if (!sounds.empty()) result.sounds += (result.sounds.empty() ? "" : ",") + sounds;
            start = end + 1;
        }
        return result;
    }

    std::string folder_;
    fs::path previous_;
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
        std::size_t compared = 0;
        for (std::size_t i = 0; i < window.states.size(); ++i) {
            const long step = window.steps[i];
            ASSERT_EQ(window.states[i], headless.states[step - 1]) << "step " << step;
            ++compared;
        }
        EXPECT_EQ(compared, window.states.size());
        EXPECT_EQ(window.sounds, headless.sounds);
        // The session went somewhere: through the door into the next room.
        bool reachedNextRoom = false;
        for (const std::string& state : headless.states) {
            if (state.find("\"room\":\"ruins_hall.sec\"") != std::string::npos)
                reachedNextRoom = true;
        }
        EXPECT_TRUE(reachedNextRoom);
    }
}
