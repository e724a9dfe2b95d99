// What the window makes of its events, with no window: the keys the loop
// looks at once a frame and the pause it owes the game.
#include <gtest/gtest.h>

#include "app/Window.h"

namespace {

SDL_Event key(Uint32 type, SDL_Scancode code, bool repeat = false) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = code;
    e.key.repeat = repeat ? 1 : 0;
    return e;
}

SDL_Event windowEvent(Uint8 what) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    return e;
}

}  // namespace

TEST(WindowEvents, PPausesOncePerPressAndEscapeOutlivesItsRelease) {
    GameWindow window;
    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_P));
    EXPECT_TRUE(window.pausePressed);
    window.pausePressed = false;
    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_P, true));  // held: auto-repeat
    EXPECT_FALSE(window.pausePressed);
    handleWindowEvent(window, key(SDL_KEYUP, SDL_SCANCODE_P));
    EXPECT_FALSE(window.pausePressed);

    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE));
    handleWindowEvent(window, key(SDL_KEYUP, SDL_SCANCODE_ESCAPE));
    EXPECT_TRUE(window.escapePressed);
    EXPECT_FALSE(window.keys[SDL_SCANCODE_ESCAPE]);
}

TEST(WindowEvents, LosingTheFocusOrMinimisingAsksForAPause) {
    for (const Uint8 what : {SDL_WINDOWEVENT_FOCUS_LOST, SDL_WINDOWEVENT_MINIMIZED}) {
        GameWindow window;
        handleWindowEvent(window, windowEvent(what));
        EXPECT_TRUE(window.focusLost) << int(what);
    }
    GameWindow window;
    handleWindowEvent(window, windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_FALSE(window.windowActive);
    handleWindowEvent(window, windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    handleWindowEvent(window, windowEvent(SDL_WINDOWEVENT_RESTORED));
    EXPECT_TRUE(window.windowActive);
    EXPECT_TRUE(window.focusLost) << "coming back does not resume by itself";
}
