// Program entry: settings, window, game start-up, the main loop and shut-down.
#include <SDL.h>

#include <cstdio>
#include <string>

#include "app/CommandLine.h"
#include "app/Screenshot.h"
#include "app/Settings.h"
#include "app/Window.h"
#include "common/Report.h"
#include "game/Game.h"
#include "input/SdlInput.h"

namespace {

// Runs until Escape, a window close, or a false result from the game; with
// --frames, also after that many drawn frames.
void runMainLoop(const CommandLine& options) {
    long framesDrawn = 0;
    bool done = false;
    while (!done) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) handleWindowEvent(event);
        if (gameWindow.quitRequested) break;

        // Idle pass: one update, one draw, one swap.
        if (!updateGame()) break;
        bool drew = false;
        if (gameWindow.windowActive) {
            if (!drawFrame()) break;
            drew = true;
            ++framesDrawn;
        }
        // Escape ends the game after the update, without showing the frame.
        if (gameWindow.keys[SDL_SCANCODE_ESCAPE]) break;

        const bool lastFrame = drew && options.frames > 0 && framesDrawn >= options.frames;
        if (lastFrame && !options.screenshotPath.empty()) {
            std::string error;
            if (!saveScreenshot(options.screenshotPath, &error)) {
                std::fprintf(stderr, "screenshot %s: %s\n", options.screenshotPath.c_str(),
                             error.c_str());
            }
        }
        swapGameWindow();
        if (lastFrame) done = true;
        // A minimised window shows nothing; do not spin the processor on it.
        if (!gameWindow.windowActive) SDL_Delay(10);
    }
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
    if (options.noBoxes) setMessageBoxesEnabled(false);

    const Settings settings = loadSettings("config.txt");
    if (!createGameWindow("Quasarine", 640, 480, 32, settings.refreshRate, !options.windowed)) {
        return 1;
    }
    {
        SdlInput input;
        if (!InitGame(GameServices{&realGl(), &input, settings, options.mute})) {
            showMessage("InitGame() Failed.", "ERROR", BoxIcon::Exclamation);
            releaseGameWindow();
            SDL_Quit();
            return 1;
        }
        runMainLoop(options);
        shutdownGame();
    }
    releaseGameWindow();
    SDL_Quit();
    return 0;
}
