#pragma once

#include <SDL.h>

class Reporter;

// The game window and its OpenGL context, over SDL; the program entry owns
// it. Full screen is 640 x 480 at the configured rate when the display has
// that mode, and otherwise (as on any modern panel) a borderless window over
// the whole desktop with the picture letterboxed; a window is resizable, at
// least 640 x 480. Alt+Enter and F11 switch between window and full screen.
// Whatever the drawable's size, the logical drawing space is 640 x 480 with y
// growing downwards.
struct GameWindow {
    const Reporter* reporter = nullptr;  // where failures are shown
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool videoStarted = false;
    bool fullscreenMode = false;     // the display mode is changed for full screen
    bool desktopFullscreen = false;  // full screen over the desktop, no mode change
    bool windowActive = true;        // false while minimised
    bool quitRequested = false;      // the window was closed
    bool swapControlAvailable = false;
    bool keys[SDL_NUM_SCANCODES] = {};
    // Escape went down since the loop last looked: a tap whose release comes
    // in the same batch of events still ends the game.
    bool escapePressed = false;  // by scancode: set on key-down, cleared on key-up
    // Since the loop last looked: P went down (the pause key), the window lost
    // the keyboard's focus or was minimised (the game pauses itself).
    bool pausePressed = false;
    bool focusLost = false;
    bool fullscreenToggled = false;  // Alt+Enter or F11
    bool screenshotPressed = false;  // F12
};

// The full-screen frequency asked for: the configured rate, at least 60 Hz.
int fullscreenFrequency(int refreshRate);

// Opens the window with its GL context current. `tryFullscreen` false skips
// the full-screen attempt and its message. On failure it releases what it
// made, shows the failure's message box and returns false.
bool createGameWindow(GameWindow& window, const char* title, int width, int height, int bits,
                      int refreshRate, bool tryFullscreen);

// Switches between a window and full screen over the desktop (leaving a
// changed display mode too); false, and no change, when the display refuses.
bool toggleFullscreen(GameWindow& window);

// Undoes every step of createGameWindow that was reached, in reverse order.
void releaseGameWindow(GameWindow& window);

// Maps the 640 x 480 logical space over a drawable of width x height pixels;
// a height of 0 is taken as 1.
void resizeScene(int width, int height);

// Fixed GL state for the whole run, and a swap on every vertical retrace when
// the driver allows it.
bool initGlState(GameWindow& window);

// The window's event handling: keys, minimising, resizing, closing.
void handleWindowEvent(GameWindow& window, const SDL_Event& event);

// Shows the frame drawn into the back buffer.
void swapGameWindow(const GameWindow& window);
