// Program entry: settings, window, game start-up, the main loop and shut-down;
// or, with --headless, the same game with no window, GL, audio or joystick.
#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include "app/CommandLine.h"
#include "app/FramePacer.h"
#include "app/Screenshot.h"
#include "app/Settings.h"
#include "app/Window.h"
#include "common/Report.h"
#include "game/Game.h"
#include "game/Trace.h"
#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "input/ScriptInput.h"
#include "input/SdlInput.h"

namespace {

void recordPoll(void* context);

// Per-frame outputs shared by both loops: the trace and the recording. A
// write that fails (a full disk, a closed stdout) ends the run: its output
// would be worthless, and the program says so with a failure status.
struct Session {
    std::FILE* trace = nullptr;
    std::string tracePath;
    std::unique_ptr<ScriptRecorder> recorder;
    std::string recordPath;
    long frame = 0;
    std::string writeError;  // why an output could not be written

    void hookRecorder(GameServices& services) {
        if (!recorder) return;
        services.controlsPolled = recordPoll;
        services.controlsPolledContext = recorder.get();
    }

    // False when the trace could not be written.
    bool frameDone() {
        ++frame;
        if (!trace) return true;
        errno = 0;
        writeTraceLine(trace, frame);
        if (!std::ferror(trace)) return true;
        traceFailed();
        return false;
    }

    // Finishes both outputs; false (with the reason in writeError) when
    // either lost anything.
    bool finish() {
        if (trace) {
            if (std::fflush(trace) != 0 || std::ferror(trace)) traceFailed();
            if (trace != stdout && std::fclose(trace) != 0 && writeError.empty()) traceFailed();
            trace = nullptr;
        }
        std::string error;
        if (recorder && !recorder->finish(&error) && writeError.empty()) {
            writeError = "cannot write the recording " + recordPath + ": " + error;
        }
        recorder.reset();
        return writeError.empty();
    }

  private:
    void traceFailed() {
        if (!writeError.empty()) return;
        const int code = errno != 0 ? errno : EIO;
        writeError = "cannot write the trace " +
                     (tracePath == "-" ? std::string("to standard output") : tracePath) + ": " +
                     std::strerror(code);
    }
};

void recordPoll(void* context) {
    static_cast<ScriptRecorder*>(context)->record(gameState.graphics->getControls());
}

void drawableSize(int& width, int& height) {
    SDL_GL_GetDrawableSize(gameWindow.window, &width, &height);
}

int displayRefreshRate() {
    SDL_DisplayMode mode;
    if (SDL_GetWindowDisplayMode(gameWindow.window, &mode) != 0) return 0;
    return mode.refresh_rate;
}

// Runs until Escape, a window close, or a false result from the game; with
// --frames, also after that many drawn frames.
void runWindowed(const CommandLine& options, Session& session, FramePacer& pacer,
                 SdlInput* keyboard) {
    long framesDrawn = 0;
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            handleWindowEvent(event);
            if (event.type == SDL_KEYDOWN && keyboard)
                keyboard->notePress(event.key.keysym.scancode);
        }
        if (gameWindow.quitRequested) break;

        // Idle pass: one update, one draw, one swap.
        if (!updateGame()) break;
        bool drew = false;
        if (gameWindow.windowActive) {
            if (!drawFrame()) break;
            drew = true;
            ++framesDrawn;
            if (!session.frameDone()) break;
        }
        // Escape ends the game after the update, without showing the frame.
        if (gameWindow.keys[SDL_SCANCODE_ESCAPE] || gameWindow.escapePressed) break;

        const bool lastFrame = drew && options.frames > 0 && framesDrawn >= options.frames;
        if (lastFrame && !options.screenshotPath.empty()) {
            std::string error;
            if (!saveScreenshot(options.screenshotPath, &error)) {
                session.writeError =
                    "cannot save the screenshot " + options.screenshotPath + ": " + error;
            }
        }
        swapGameWindow();
        if (lastFrame) break;
        if (!gameWindow.windowActive) {
            SDL_Delay(10);  // a minimised window shows nothing: do not spin on it
            continue;
        }
        pacer.frameShown();
        const float step = static_cast<float>(pacer.rate() / 90.0);
        if (step != gameState.updateStep) gameState.updateStep = step;
    }
}

void runHeadless(const CommandLine& options, Session& session) {
    for (long frame = 0; frame < options.frames; ++frame) {
        if (!updateGame() || !drawFrame()) break;
        if (!session.frameDone()) break;
    }
}

int fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "quasarine: %s%s\n", what, detail.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    CommandLine options;
    std::string error;
    if (!parseCommandLine(argc, argv, options, error)) {
        std::fprintf(stderr, "quasarine: %s\n\n%s", error.c_str(), kUsageText);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsageText, stdout);
        return 0;
    }
    if (options.noBoxes || options.headless) setMessageBoxesEnabled(false);

    ScriptInput script;
    if (!options.inputPath.empty() && !script.load(options.inputPath, &error)) {
        return fail("--input ", options.inputPath + ": " + error);
    }
    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (script.hasSeed()) seed = script.seed();
    if (options.hasSeed) seed = static_cast<std::uint32_t>(options.seed);

    Session session;
    session.tracePath = options.tracePath;
    session.recordPath = options.recordPath;
    if (!options.tracePath.empty()) {
        session.trace =
            options.tracePath == "-" ? stdout : std::fopen(options.tracePath.c_str(), "w");
        if (!session.trace) return fail("cannot write the trace ", options.tracePath);
    }
    if (!options.recordPath.empty()) {
        session.recorder = std::make_unique<ScriptRecorder>(options.recordPath, seed);
        if (!session.recorder->isOpen()) return fail("cannot write ", options.recordPath);
    }

    const Settings settings = loadSettings("config.txt");
    int status = 0;
    if (options.headless) {
        NullInput noInput;
        InputDevice* input =
            options.inputPath.empty() ? static_cast<InputDevice*>(&noInput) : &script;
        GameServices services;
        services.gl = &nullGl();
        services.input = input;
        services.settings = settings;
        services.mute = true;
        services.headless = true;
        services.seed = seed;
        session.hookRecorder(services);
        if (InitGame(services)) {
            runHeadless(options, session);
            if (gameState.failed) status = 1;
        } else {
            showMessage("InitGame() Failed.", "ERROR", BoxIcon::Exclamation);
            status = 1;
        }
        shutdownGame();
    } else {
        if (!createGameWindow("Quasarine", 640, 480, 32, settings.refreshRate, !options.windowed)) {
            return 1;
        }
        {
            SdlInput keyboard;
            InputDevice* input =
                options.inputPath.empty() ? static_cast<InputDevice*>(&keyboard) : &script;
            SystemFrameClock clock;
            FramePacer pacer(clock, displayRefreshRate(), gameWindow.swapControlAvailable,
                             settings.refreshRate);
            GameServices services;
            services.gl = &realGl();
            services.input = input;
            services.settings = settings;
            services.mute = options.mute;
            services.seed = seed;
            services.drawableSize = drawableSize;
            services.frameRate = pacer.rate();
            session.hookRecorder(services);
            if (InitGame(services)) {
                runWindowed(options, session, pacer,
                            options.inputPath.empty() ? &keyboard : nullptr);
                if (gameState.failed) status = 1;
            } else {
                showMessage("InitGame() Failed.", "ERROR", BoxIcon::Exclamation);
                status = 1;
            }
            shutdownGame();
        }
        releaseGameWindow();
    }
    if (!session.finish()) {
        std::fprintf(stderr, "quasarine: %s\n", session.writeError.c_str());
        if (status == 0) status = 1;
    }
    SDL_Quit();
    return status;
}
