#include "app/Screenshot.h"

#include <vector>

#include "app/Window.h"
#include "gfx/GlApi.h"
#include "gfx/PngFile.h"

bool saveScreenshot(SDL_Window* window, const std::string& path, std::string* error) {
    constexpr int kWidth = 640, kHeight = 480;
    int drawableWidth = 0, drawableHeight = 0;
    SDL_GL_GetDrawableSize(window, &drawableWidth, &drawableHeight);
    if (drawableWidth <= 0 || drawableHeight <= 0) {
        if (error) *error = "the window has no drawable area";
        return false;
    }
    const GlApi& gl = realGl();
    std::vector<unsigned char> drawable(static_cast<std::size_t>(drawableWidth) * drawableHeight *
                                        4);
    gl.readBuffer(GL_BACK);
    gl.readPixels(0, 0, drawableWidth, drawableHeight, GL_RGBA, GL_UNSIGNED_BYTE, drawable.data());

    // GL rows run bottom-up; PNG rows top-down. Nearest-neighbour resampling
    // when the drawable is not 640 x 480 (a full-screen or resized window).
    std::vector<unsigned char> picture(static_cast<std::size_t>(kWidth) * kHeight * 4);
    for (int y = 0; y < kHeight; ++y) {
        const int sourceRow = drawableHeight - 1 - y * drawableHeight / kHeight;
        for (int x = 0; x < kWidth; ++x) {
            const int sourceColumn = x * drawableWidth / kWidth;
            const unsigned char* from =
                &drawable[(static_cast<std::size_t>(sourceRow) * drawableWidth + sourceColumn) * 4];
            unsigned char* to = &picture[(static_cast<std::size_t>(y) * kWidth + x) * 4];
            to[0] = from[0];
            to[1] = from[1];
            to[2] = from[2];
            to[3] = 255;
        }
    }
    return writePngFile(path, kWidth, kHeight, picture.data(), error);
}
