// Program entry: settings, window, game start-up, the main loop and shut-down;
// or, with --headless, the same game with no window, GL, audio or joystick.
#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/FramePacer.h"
#include "app/GameFolder.h"
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
        ScriptRecorder* to = recorder.get();
        services.controlsPolled = [to](const Controls& controls) { to->record(controls); };
    }

    // False when the trace could not be written.
    bool frameDone(const GameState& game) {
        ++frame;
        if (!trace) return true;
        errno = 0;
        writeTraceLine(trace, frame, game);
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

// F12: the frame just drawn, into the next free numbered file; says where,
// or why not (the game goes on either way).
// Where the picture lies in the window's drawable.
PictureArea windowPicture(const GameState& game, const GameWindow& window) {
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(window.window, &width, &height);
    return pictureArea(game.services, width, height);
}

void saveNumberedScreenshot(const GameState& game, const GameWindow& window) {
    const std::string path = numberedScreenshotPath(screenshotFolder());
    std::string error = path.empty() ? "every numbered name is taken" : "";
    if (!path.empty() && saveScreenshot(window.window, windowPicture(game, window), path, &error)) {
        std::printf("quasarine: screenshot saved to %s\n", path.c_str());
        std::fflush(stdout);
    } else {
        std::fprintf(stderr, "quasarine: cannot save a screenshot: %s\n", error.c_str());
    }
}

int displayRefreshRate(const GameWindow& window) {
    SDL_DisplayMode mode;
    if (SDL_GetWindowDisplayMode(window.window, &mode) != 0) return 0;
    return mode.refresh_rate;
}

// Runs until Escape, a window close, or a false result from the game; with
// --frames, also after that many drawn frames.
void runWindowed(GameState& game, GameWindow& window, const CommandLine& options, Session& session,
                 FramePacer& pacer, SdlInput* keyboard) {
    long framesDrawn = 0;
    for (;;) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            handleWindowEvent(window, event);
            if (keyboard) {
                if (event.type == SDL_KEYDOWN) keyboard->notePress(event.key.keysym.scancode);
                keyboard->handleEvent(event);  // controllers plugged in or out
            }
        }
        if (window.quitRequested) break;
        // P pauses and resumes; losing the focus pauses until P.
        if (window.pausePressed) setPaused(game, !game.paused);
        if (window.focusLost) setPaused(game, true);
        window.pausePressed = window.focusLost = false;
        if (window.fullscreenToggled) toggleFullscreen(window);
        window.fullscreenToggled = false;

        // Idle pass: one update, one draw, one swap.
        if (!updateGame(game)) break;
        bool drew = false;
        if (window.windowActive) {
            advanceFrameClock(game);
            if (!drawFrame(game)) break;
            drew = true;
            ++framesDrawn;
            if (!session.frameDone(game)) break;
        }
        // Escape ends the game after the update, without showing the frame.
        if (window.keys[SDL_SCANCODE_ESCAPE] || window.escapePressed) break;

        if (drew && window.screenshotPressed) saveNumberedScreenshot(game, window);
        window.screenshotPressed = false;
        const bool lastFrame = drew && options.frames > 0 && framesDrawn >= options.frames;
        if (lastFrame && !options.screenshotPath.empty()) {
            std::string error;
            if (!saveScreenshot(window.window, windowPicture(game, window), options.screenshotPath,
                                &error)) {
                session.writeError =
                    "cannot save the screenshot " + options.screenshotPath + ": " + error;
            }
        }
        swapGameWindow(window);
        if (lastFrame) break;
        if (!window.windowActive) {
            SDL_Delay(10);  // a minimised window shows nothing: do not spin on it
            continue;
        }
        pacer.frameShown();
        game.updateStep = static_cast<float>(pacer.rate() / 90.0);
    }
}

void runHeadless(GameState& game, const CommandLine& options, Session& session) {
    for (long frame = 0; frame < options.frames; ++frame) {
        if (!updateGame(game)) break;
        advanceFrameClock(game);
        if (!drawFrame(game)) break;
        if (!session.frameDone(game)) break;
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
    const Reporter reporter(!options.noBoxes && !options.headless &&
                            Reporter::boxesAllowedByEnvironment());

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

    // Run where the data is (the current folder, beside the program, or the
    // installed share folder); a screenshot path given relative to where the
    // program was started stays there.
    char* base = SDL_GetBasePath();
    const GameFolder folder = findGameFolder(base ? base : "");
    SDL_free(base);
    std::error_code ignored;
    if (!options.screenshotPath.empty()) {
        options.screenshotPath =
            std::filesystem::absolute(options.screenshotPath, ignored).string();
    }
    std::filesystem::current_path(folder.root, ignored);
    makeConfigFolder(folder);
    const Settings settings = loadSettings(folder.configPath);
    GameWindow window;
    window.reporter = &reporter;
    if (!options.headless && !createGameWindow(window, "Quasarine", 640, 480, 32,
                                               settings.refreshRate, !options.windowed)) {
        return 1;
    }
    int status = 0;
    {
        // The platform's side of the game, headless or in the window.
        // The keyboard and joystick only with a window: a headless run opens
        // no device.
        NullInput noInput;
        std::optional<SdlInput> keyboard;
        if (!options.headless) keyboard.emplace(nullptr, settings.keys);
        InputDevice* input = &script;
        if (options.inputPath.empty()) {
            input = keyboard ? static_cast<InputDevice*>(&*keyboard) : &noInput;
        }
        SystemFrameClock clock;
        FramePacer pacer(clock, options.headless ? 0 : displayRefreshRate(window),
                         window.swapControlAvailable, settings.refreshRate);
        GameServices services = headlessServices(*input, seed);
        services.textureFiltering = settings.textureFiltering;
        services.integerScaling = settings.integerScaling;
        services.reporter = &reporter;
        services.frameRate = pacer.rate();
        if (!options.headless) {
            services.gl = &realGl();
            services.headless = false;
            services.mute = options.mute;
            services.drawableSize = [&window](int& width, int& height) {
                SDL_GL_GetDrawableSize(window.window, &width, &height);
            };
        }
        session.hookRecorder(services);

        GameState game;
        if (InitGame(game, services)) {
            if (options.headless) {
                runHeadless(game, options, session);
            } else {
                runWindowed(game, window, options, session, pacer,
                            options.inputPath.empty() ? &*keyboard : nullptr);
            }
            if (game.failed) status = 1;
        } else {
            reporter.show("InitGame() Failed.", "ERROR", BoxIcon::Exclamation);
            status = 1;
        }
        shutdownGame(game);
    }
    if (!options.headless) releaseGameWindow(window);
    if (!session.finish()) {
        std::fprintf(stderr, "quasarine: %s\n", session.writeError.c_str());
        if (status == 0) status = 1;
    }
    SDL_Quit();
    return status;
}
