#include "app/Screenshot.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/Window.h"
#include "gfx/GlApi.h"
#include "gfx/PngFile.h"

bool saveScreenshot(SDL_Window* window, const PictureArea& area, const std::string& path,
                    std::string* error) {
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
    // when the picture is not 640 x 480 (a full-screen or resized window).
    const int left = std::clamp(area.x, 0, drawableWidth - 1);
    const int bottom = std::clamp(area.y, 0, drawableHeight - 1);
    const int width = std::clamp(area.width, 1, drawableWidth - left);
    const int height = std::clamp(area.height, 1, drawableHeight - bottom);
    std::vector<unsigned char> picture(static_cast<std::size_t>(kWidth) * kHeight * 4);
    for (int y = 0; y < kHeight; ++y) {
        const int sourceRow = bottom + height - 1 - y * height / kHeight;
        for (int x = 0; x < kWidth; ++x) {
            const int sourceColumn = left + x * width / kWidth;
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

std::string screenshotFolder() {
    std::error_code error;
    if (const char* pictures = std::getenv("XDG_PICTURES_DIR")) {
        if (*pictures && std::filesystem::is_directory(pictures, error)) return pictures;
    }
    if (const char* home = std::getenv("HOME")) {
        const std::filesystem::path folder = std::filesystem::path(home) / "Pictures";
        if (*home && std::filesystem::is_directory(folder, error)) return folder.string();
    }
    return ".";
}

std::string numberedScreenshotPath(const std::string& folder) {
    std::error_code error;
    for (int number = 1; number <= 999; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "quasarine-%03d.png", number);
        const std::filesystem::path path = std::filesystem::path(folder) / name;
        if (!std::filesystem::exists(path, error)) return path.string();
    }
    return std::string();
}
