#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/GlApi.h"

// A real OpenGL context with no display: SDL's offscreen driver over Mesa.
// Drawing goes into the 512 x 256 off-screen area the game draws its view
// into (y grows downward, as in the game's view), and `readView` reads it
// back so a test can check pixels by view coordinates.
class GlTestContext {
  public:
    // Opens the shared context on first use; false (with a reason) when the
    // machine cannot give one.
    static bool open(std::string* error);
    static void close();

    // Sets up the off-screen view projection and clears to opaque black.
    static void beginView();
    // Reads the 512 x 256 area back.
    static void readView();
    // Pixel at view coordinates (x right, y down), RGBA.
    static const std::uint8_t* viewPixel(int x, int y);
    static bool isBlack(int x, int y);
    // Saves the area as a PNG for looking at after a failure.
    static void saveView(const std::string& path);

    static constexpr int kViewWidth = 512;
    static constexpr int kViewHeight = 256;

  private:
    static SDL_Window* window_;
    static SDL_GLContext context_;
    static std::vector<std::uint8_t> pixels_;
};

// Use in a test body: skips the test when there is no GL at all.
#define REQUIRE_GL()                                                   \
    do {                                                               \
        std::string glError_;                                          \
        if (!GlTestContext::open(&glError_)) GTEST_SKIP() << glError_; \
    } while (0)
