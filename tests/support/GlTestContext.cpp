#include "support/GlTestContext.h"

#include <cstdlib>

#include "gfx/PngFile.h"

SDL_Window* GlTestContext::window_ = nullptr;
SDL_GLContext GlTestContext::context_ = nullptr;
std::vector<std::uint8_t> GlTestContext::pixels_;

bool GlTestContext::open(std::string* error) {
    if (context_) return true;
    // The offscreen driver needs no X server; without DISPLAY unset SDL may
    // try an X or Wayland display first.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        if (error) *error = std::string("no video: ") + SDL_GetError();
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    window_ = SDL_CreateWindow("test", 0, 0, 640, 480, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window_) context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        if (error) *error = std::string("no GL context: ") + SDL_GetError();
        close();
        return false;
    }
    SDL_GL_MakeCurrent(window_, context_);
    const GlApi& gl = realGl();
    gl.enable(GL_TEXTURE_2D);
    gl.disable(GL_DEPTH_TEST);
    std::atexit(close);
    return true;
}

void GlTestContext::close() {
    if (context_) SDL_GL_DeleteContext(context_);
    if (window_) SDL_DestroyWindow(window_);
    context_ = nullptr;
    window_ = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void GlTestContext::beginView() {
    const GlApi& gl = realGl();
    setOrthoView(gl, kViewWidth, kViewHeight, kViewWidth, kViewHeight);
    gl.clearColor(0, 0, 0, 1);
    gl.clear(GL_COLOR_BUFFER_BIT);
    gl.enable(GL_TEXTURE_2D);
    gl.enable(GL_BLEND);
    gl.blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.color4f(1, 1, 1, 1);
}

void GlTestContext::readView() {
    pixels_.assign(static_cast<std::size_t>(kViewWidth) * kViewHeight * 4, 0);
    const GlApi& gl = realGl();
    gl.flush();
    gl.readBuffer(GL_BACK);
    gl.readPixels(0, 0, kViewWidth, kViewHeight, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
}

const std::uint8_t* GlTestContext::viewPixel(int x, int y) {
    // GL rows run bottom-up: view row 0 is the area's top row, GL row 255.
    const int glRow = kViewHeight - 1 - y;
    return &pixels_[(static_cast<std::size_t>(glRow) * kViewWidth + x) * 4];
}

bool GlTestContext::isBlack(int x, int y) {
    const std::uint8_t* p = viewPixel(x, y);
    return p[0] < 8 && p[1] < 8 && p[2] < 8;
}

void GlTestContext::saveView(const std::string& path) {
    std::vector<std::uint8_t> topDown(pixels_.size());
    for (int y = 0; y < kViewHeight; ++y) {
        for (int x = 0; x < kViewWidth; ++x) {
            const std::uint8_t* p = viewPixel(x, y);
            std::uint8_t* q = &topDown[(static_cast<std::size_t>(y) * kViewWidth + x) * 4];
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
            q[3] = 255;
        }
    }
    writePngFile(path, kViewWidth, kViewHeight, topDown.data(), nullptr);
}
