#pragma once

// A GL table that draws nothing but writes down which texture was bound and
// each sprite drawn: where, turned how far, which frame of a sheet, mirrored
// or not. Drawing order and poses can then be checked with no display.
// Texture names are handed out 1, 2, 3... in creation order.

#include <cmath>
#include <vector>

#include "gfx/GlApi.h"

namespace recgl {

struct Call {
    enum Kind { Bind, Sprite, Color } kind;
    unsigned texture = 0;   // Bind: the name bound
    float red = 0;          // Color: the red component set
    float x = 0, y = 0;     // Sprite: centre in view units (the view is 320 x 240)
    float rotation = 0;     // Sprite: degrees
    float s = 0, t = 0;     // Sprite: first texture corner
    bool mirrored = false;  // Sprite: drawn flipped left to right
    bool haveCorner = false;
    bool haveVertex = false;

    // The sheet frame this sprite shows, for a sheet of the given size with
    // 32 x 32 frames.
    int frame(float sheetWidth, float sheetHeight) const {
        const float s0 = s + 16.0f / sheetWidth;
        const float t0 = t + 16.0f / sheetHeight;
        const long column = std::lround((s0 * sheetWidth - 16.0f) / 32.0f);
        const long row = std::lround(((1.0f - t0) * sheetHeight - 16.0f) / 32.0f);
        return static_cast<int>(row * std::lround(sheetWidth / 32.0f) + column);
    }
};

inline std::vector<Call>& calls() {
    static std::vector<Call> log;
    return log;
}

inline unsigned& texturesMade() {
    static unsigned count = 0;
    return count;
}

// Sprites only, in drawing order.
inline std::vector<Call> sprites() {
    std::vector<Call> out;
    for (const Call& call : calls()) {
        if (call.kind == Call::Sprite) out.push_back(call);
    }
    return out;
}

// Texture names bound, in order.
inline std::vector<unsigned> binds() {
    std::vector<unsigned> out;
    for (const Call& call : calls()) {
        if (call.kind == Call::Bind) out.push_back(call.texture);
    }
    return out;
}

inline Call* openSprite() {
    std::vector<Call>& log = calls();
    if (log.empty() || log.back().kind != Call::Sprite) return nullptr;
    return &log.back();
}

inline const GlApi& recordingGl() {
    static const GlApi table = [] {
        GlApi gl = nullGl();
        gl.genTextures = [](GLsizei n, GLuint* names) {
            for (GLsizei i = 0; i < n; ++i) names[i] = ++texturesMade();
        };
        gl.bindTexture = [](GLenum, GLuint name) {
            Call call{};
            call.kind = Call::Bind;
            call.texture = name;
            calls().push_back(call);
        };
        gl.color4f = [](GLfloat r, GLfloat, GLfloat, GLfloat) {
            Call call{};
            call.kind = Call::Color;
            call.red = r;
            calls().push_back(call);
        };
        // drawSprite places every quad with one translate and one rotate,
        // then gives the corners starting with the lower left one.
        gl.translatef = [](GLfloat x, GLfloat y, GLfloat) {
            Call call{};
            call.kind = Call::Sprite;
            call.x = x;
            call.y = y;
            calls().push_back(call);
        };
        gl.rotatef = [](GLfloat angle, GLfloat, GLfloat, GLfloat) {
            if (Call* call = openSprite()) call->rotation = angle;
        };
        gl.texCoord2f = [](GLfloat s, GLfloat t) {
            Call* call = openSprite();
            if (!call || call->haveCorner) return;
            call->s = s;
            call->t = t;
            call->haveCorner = true;
        };
        gl.vertex3f = [](GLfloat x, GLfloat, GLfloat) {
            Call* call = openSprite();
            if (!call || call->haveVertex) return;
            call->mirrored = x > 0;
            call->haveVertex = true;
        };
        return gl;
    }();
    return table;
}

// Starts a fresh record; texture names restart at 1.
inline void reset() {
    calls().clear();
    texturesMade() = 0;
}

}  // namespace recgl
