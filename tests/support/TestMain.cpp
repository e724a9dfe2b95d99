// The tests' entry point: makes every test run the way an automated run
// must (no message boxes, no display, a silent audio driver) whether it is
// started by ctest or by hand.
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QUASARINE_NO_BOXES", "1", 1);
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    setenv("ALSOFT_DRIVERS", "null", 0);
#ifdef QUASARINE_DATA_DIR
    setenv("QUASARINE_DATA_DIR", QUASARINE_DATA_DIR, 0);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
