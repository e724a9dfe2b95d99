// What the window makes of its events, with no window: the keys the loop
// looks at once a frame (pause, full screen, screenshot) and the pause it
// owes the game when it loses the focus.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Screenshot.h"
#include "app/Window.h"
#include "support/ScratchFolder.h"

namespace {

SDL_Event key(Uint32 type, SDL_Scancode code, bool repeat = false, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.scancode = code;
    e.key.keysym.mod = mod;
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

TEST(WindowEvents, PPausesOncePerPressEscapeOutlivesItsReleaseAndAltEnterF11AndF12Act) {
    GameWindow window;
    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_P));
    EXPECT_TRUE(window.pausePressed);
    window.pausePressed = false;
    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_P, true));  // held: auto-repeat
    handleWindowEvent(window, key(SDL_KEYUP, SDL_SCANCODE_P));
    EXPECT_FALSE(window.pausePressed);

    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_ESCAPE));
    handleWindowEvent(window, key(SDL_KEYUP, SDL_SCANCODE_ESCAPE));
    EXPECT_TRUE(window.escapePressed);
    EXPECT_FALSE(window.keys[SDL_SCANCODE_ESCAPE]);

    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_RETURN));
    EXPECT_FALSE(window.fullscreenToggled) << "Enter alone is no switch";
    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, false, KMOD_LALT));
    EXPECT_TRUE(window.fullscreenToggled);
    window.fullscreenToggled = false;
    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_F11));
    EXPECT_TRUE(window.fullscreenToggled);
    EXPECT_FALSE(window.screenshotPressed);
    handleWindowEvent(window, key(SDL_KEYDOWN, SDL_SCANCODE_F12));
    EXPECT_TRUE(window.screenshotPressed);
}

TEST(WindowEvents, LosingTheFocusOrMinimisingAsksForAPauseThatComingBackKeeps) {
    GameWindow lost;
    handleWindowEvent(lost, windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_TRUE(lost.focusLost);
    GameWindow window;
    handleWindowEvent(window, windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_TRUE(window.focusLost);
    EXPECT_FALSE(window.windowActive);
    handleWindowEvent(window, windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED));
    handleWindowEvent(window, windowEvent(SDL_WINDOWEVENT_RESTORED));
    EXPECT_TRUE(window.windowActive);
    EXPECT_TRUE(window.focusLost) << "coming back does not resume by itself";
}

TEST(Screenshots, NumberedFromOneIntoTheFirstFreeName) {
    ScratchFolder folder("shots");
    EXPECT_EQ(numberedScreenshotPath(folder.path()), folder.file("quasarine-001.png"));
    std::ofstream(folder.file("quasarine-001.png")) << "x";
    std::ofstream(folder.file("quasarine-003.png")) << "x";
    EXPECT_EQ(numberedScreenshotPath(folder.path()), folder.file("quasarine-002.png"));

    // The pictures folder when there is one, else the current folder.
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    const std::string home = folder.file("home");
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_PICTURES_DIR");
    EXPECT_EQ(screenshotFolder(), ".");
    std::filesystem::create_directories(home + "/Pictures");
    EXPECT_EQ(screenshotFolder(), home + "/Pictures");
    setenv("HOME", savedHome.c_str(), 1);
}
