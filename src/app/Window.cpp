#include "app/Window.h"

#include <cstdio>

#include "common/Report.h"
#include "gfx/GlApi.h"

namespace {

void reportSdlError() {
    std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
}

bool fail(GameWindow& gameWindow, const char* message) {
    reportSdlError();
    releaseGameWindow(gameWindow);
    report(gameWindow.reporter, message, "ERROR", BoxIcon::Exclamation);
    return false;
}

// Whether the first display offers width x height at the frequency with at
// least 24 colour bits (SDL counts 32-bit XRGB as 24).
bool findFullscreenMode(int width, int height, int frequency, SDL_DisplayMode& found) {
    const int count = SDL_GetNumDisplayModes(0);
    for (int i = 0; i < count; ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
        if (mode.w == width && mode.h == height && mode.refresh_rate == frequency &&
            SDL_BITSPERPIXEL(mode.format) >= 24) {
            found = mode;
            return true;
        }
    }
    return false;
}

void resizeToDrawable(const GameWindow& gameWindow) {
    int width = 0, height = 0;
    SDL_GL_GetDrawableSize(gameWindow.window, &width, &height);
    resizeScene(width, height);
}

// A full-screen window hides the pointer and keeps its size; a window shows
// the pointer and can be resized.
void showAsFullscreen(const GameWindow& gameWindow, bool fullscreen) {
    SDL_SetWindowResizable(gameWindow.window, fullscreen ? SDL_FALSE : SDL_TRUE);
    SDL_ShowCursor(fullscreen ? SDL_DISABLE : SDL_ENABLE);
}

}  // namespace

int fullscreenFrequency(int refreshRate) {
    return refreshRate < 60 ? 60 : refreshRate;
}

bool createGameWindow(GameWindow& gameWindow, const char* title, int width, int height, int bits,
                      int refreshRate, bool tryFullscreen) {
    const Reporter* reporter = gameWindow.reporter;
    gameWindow = GameWindow{};
    gameWindow.reporter = reporter;
    gameWindow.fullscreenMode = tryFullscreen;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        reportSdlError();
        report(gameWindow.reporter, "Failed To Register The Window Class.", "ERROR",
               BoxIcon::Exclamation);
        return false;
    }
    gameWindow.videoStarted = true;

    // Without the exact mode, full screen covers the desktop as it is: no
    // message, since no modern panel offers 640 x 480.
    SDL_DisplayMode mode{};
    if (gameWindow.fullscreenMode &&
        !findFullscreenMode(width, height, fullscreenFrequency(refreshRate), mode)) {
        gameWindow.fullscreenMode = false;
        gameWindow.desktopFullscreen = true;
    }

    // A legacy (compatibility) context, double-buffered, 32-bit colour and a
    // 16-bit depth buffer.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_BUFFER_SIZE, bits);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);

    gameWindow.window =
        SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                         SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!gameWindow.window) return fail(gameWindow, "Window Creation Error.");

    SDL_SetWindowMinimumSize(gameWindow.window, width, height);
    if (gameWindow.fullscreenMode) {
        if (SDL_SetWindowDisplayMode(gameWindow.window, &mode) != 0 ||
            SDL_SetWindowFullscreen(gameWindow.window, SDL_WINDOW_FULLSCREEN) != 0) {
            reportSdlError();
            report(gameWindow.reporter, "Fullscreen Mode Failed.", "ERROR", BoxIcon::Exclamation);
            gameWindow.fullscreenMode = false;
        }
    }
    if (gameWindow.desktopFullscreen &&
        SDL_SetWindowFullscreen(gameWindow.window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        reportSdlError();  // a window it is, then; nothing the player must act on
        gameWindow.desktopFullscreen = false;
    }
    showAsFullscreen(gameWindow, gameWindow.fullscreenMode || gameWindow.desktopFullscreen);

    gameWindow.context = SDL_GL_CreateContext(gameWindow.window);
    if (!gameWindow.context) return fail(gameWindow, "Can't Create A GL Rendering Context.");
    if (SDL_GL_MakeCurrent(gameWindow.window, gameWindow.context) != 0) {
        return fail(gameWindow, "Can't Activate The GL Rendering Context.");
    }

    SDL_ShowWindow(gameWindow.window);
    SDL_RaiseWindow(gameWindow.window);
    resizeToDrawable(gameWindow);
    if (!initGlState(gameWindow)) return fail(gameWindow, "Initialization Failed.");
    return true;
}

bool toggleFullscreen(GameWindow& gameWindow) {
    const bool fullscreen = gameWindow.fullscreenMode || gameWindow.desktopFullscreen;
    if (SDL_SetWindowFullscreen(gameWindow.window,
                                fullscreen ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        reportSdlError();
        return false;
    }
    gameWindow.fullscreenMode = false;
    gameWindow.desktopFullscreen = !fullscreen;
    showAsFullscreen(gameWindow, !fullscreen);
    resizeToDrawable(gameWindow);
    return true;
}

void releaseGameWindow(GameWindow& gameWindow) {
    if ((gameWindow.fullscreenMode || gameWindow.desktopFullscreen) && gameWindow.window) {
        SDL_SetWindowFullscreen(gameWindow.window, 0);
        SDL_ShowCursor(SDL_ENABLE);
    }
    if (gameWindow.context) {
        if (SDL_GL_MakeCurrent(gameWindow.window, nullptr) != 0) {
            report(gameWindow.reporter, "Release Of DC And RC Failed.", "SHUTDOWN ERROR",
                   BoxIcon::Information);
        }
        SDL_GL_DeleteContext(gameWindow.context);
        gameWindow.context = nullptr;
    }
    if (gameWindow.window) {
        SDL_DestroyWindow(gameWindow.window);
        gameWindow.window = nullptr;
    }
    if (gameWindow.videoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        gameWindow.videoStarted = false;
    }
}

void resizeScene(int width, int height) {
    if (height == 0) height = 1;
    setOrthoView(realGl(), width, height, 640, 480);
}

bool initGlState(GameWindow& gameWindow) {
    const GlApi& gl = realGl();
    gl.enable(GL_TEXTURE_2D);
    gl.shadeModel(GL_SMOOTH);
    gl.clearColor(0, 0, 0, 0);
    gl.clearDepth(0.5);
    gl.disable(GL_DEPTH_TEST);
    gl.hint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    gl.polygonMode(GL_FRONT_AND_BACK, GL_FILL);
    gameWindow.swapControlAvailable = SDL_GL_SetSwapInterval(1) == 0;
    return true;
}

void handleWindowEvent(GameWindow& gameWindow, const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:
            gameWindow.quitRequested = true;
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (event.key.keysym.scancode < SDL_NUM_SCANCODES) {
                gameWindow.keys[event.key.keysym.scancode] = event.type == SDL_KEYDOWN;
                if (event.type == SDL_KEYDOWN && event.key.keysym.scancode == SDL_SCANCODE_ESCAPE) {
                    gameWindow.escapePressed = true;
                }
                if (event.type == SDL_KEYDOWN && !event.key.repeat) {
                    const SDL_Scancode code = event.key.keysym.scancode;
                    const bool alt = (event.key.keysym.mod & KMOD_ALT) != 0;
                    if (code == SDL_SCANCODE_P) gameWindow.pausePressed = true;
                    if (code == SDL_SCANCODE_F11 || (alt && code == SDL_SCANCODE_RETURN)) {
                        gameWindow.fullscreenToggled = true;
                    }
                    if (code == SDL_SCANCODE_F12) gameWindow.screenshotPressed = true;
                }
            }
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    gameWindow.quitRequested = true;
                    break;
                case SDL_WINDOWEVENT_MINIMIZED:
                    gameWindow.windowActive = false;
                    gameWindow.focusLost = true;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    gameWindow.focusLost = true;
                    break;
                case SDL_WINDOWEVENT_RESTORED:
                case SDL_WINDOWEVENT_MAXIMIZED:
                case SDL_WINDOWEVENT_SHOWN:
                    gameWindow.windowActive = true;
                    break;
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    resizeToDrawable(gameWindow);
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

void swapGameWindow(const GameWindow& gameWindow) {
    SDL_GL_SwapWindow(gameWindow.window);
}
