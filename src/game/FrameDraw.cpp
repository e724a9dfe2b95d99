// Drawing one frame: the room and actors into the 320 x 240 off-screen view,
// the fade, darkness and HUD over it, then the view copied into a texture and
// shown scaled over the window (waving under water).
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "enemies/EnemyList.h"
#include "game/Game.h"
#include "gfx/Graphics.h"
#include "particles/ParticleSystem.h"
#include "player/Player.h"
#include "world/World.h"

namespace {

constexpr int kAreaWidth = 512;  // off-screen area in the back buffer
constexpr int kAreaHeight = 256;

void quad(const GlApi& gl, float x0, float y0, float x1, float y1) {
    gl.begin(GL_QUADS);
    gl.vertex3f(x0, y0, 1);
    gl.vertex3f(x1, y0, 1);
    gl.vertex3f(x1, y1, 1);
    gl.vertex3f(x0, y1, 1);
    gl.end();
}

void drawFadeOverlay(const GameState& g, const GlApi& gl) {
    gl.disable(GL_TEXTURE_2D);
    gl.color4f(0, 0, 0, 1.0f - g.fadeLevel / 85.0f);
    quad(gl, 0, 0, 320, 240);
    gl.color4f(1, 1, 1, 1);
    gl.enable(GL_TEXTURE_2D);
}

// Dark rooms: the frame is multiplied by the light spot centred on the
// player's eased position.
void drawDarkness(const GameState& g, const GlApi& gl) {
    const float ox = g.lightOffsetX, oy = g.lightOffsetY;
    gl.bindTexture(GL_TEXTURE_2D, g.flashlightTexture->getId());
    gl.blendFunc(GL_ZERO, GL_SRC_COLOR);
    const float s0 = -0.9f - 1.4f * ox, s1 = 1.9f - 1.4f * ox;
    const float t0 = -0.5f - oy, t1 = 1.5f - oy;
    gl.begin(GL_QUADS);
    gl.texCoord2f(s0, t0);
    gl.vertex3f(0, 0, 1);
    gl.texCoord2f(s1, t0);
    gl.vertex3f(320, 0, 1);
    gl.texCoord2f(s1, t1);
    gl.vertex3f(320, 240, 1);
    gl.texCoord2f(s0, t1);
    gl.vertex3f(0, 240, 1);
    gl.end();
    gl.blendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void drawHud(const GameState& g, Graphics& graphics, const World& world) {
    graphics.setScreenSpace();
    graphics.gl().color4f(1, 1, 1, 1);
    graphics.bindTexture(g.hudTexture.get());
    graphics.drawSprite(32, 210, 0, 1, false, 0);  // the badge
    graphics.drawSprite(64, 210, 0, 1, false, 1);  // the plate under the digits
    graphics.setWorldSpace();
    char digits[16];
    std::snprintf(digits, sizeof digits, "%.2i", g.player->health % 100);
    graphics.drawText(47, 205, digits);
    // "READY" blinks 12 steps on, 12 off during the start-up pause.
    if ((world.freezeTimer / 12) % 2 == 1 && g.readyShown) {
        graphics.drawText(142, 140, "READY");
    }
    if (g.paused) graphics.drawText(136, 140, "PAUSED");
    if (g.gameOver) {
        graphics.drawText(124, 140, "GAME OVER");
        graphics.drawText(130, 120, "press fire");
    }
}

// The drawable's size, and the picture's place in it.
PictureArea letterbox(const GameState& g) {
    int drawableWidth = 640, drawableHeight = 480;
    if (g.services.drawableSize) g.services.drawableSize(drawableWidth, drawableHeight);
    // The whole drawable is cleared to black first, bars included.
    g.services.gl->viewport(0, 0, drawableWidth, drawableHeight);
    return pictureArea(g.services, drawableWidth, drawableHeight);
}

void drawScreenQuad(const GlApi& gl) {
    gl.begin(GL_QUADS);
    gl.texCoord2f(0, 0);
    gl.vertex3f(0, -32, 1);
    gl.texCoord2f(1, 0);
    gl.vertex3f(1024, -32, 1);
    gl.texCoord2f(1, 1);
    gl.vertex3f(1024, 480, 1);
    gl.texCoord2f(0, 1);
    gl.vertex3f(0, 480, 1);
    gl.end();
}

// Under water the screen quad becomes a grid wobbled by up to 6 pixels and
// enlarged by 10 % about the centre so no edge shows.
void drawWaveGrid(const GameState& g, const GlApi& gl) {
    static float vx[22][17];
    static float vy[22][17];
    for (int c = 0; c <= 21; ++c) {
        for (int r = 0; r <= 16; ++r) {
            const float x0 = 32.0f * c, y0 = 32.0f * r - 32;
            vx[c][r] = (x0 + 6 * std::sin(y0 / 50 + g.wavePhaseX) - 320) * 1.1f + 320;
            vy[c][r] = (y0 + 6 * std::cos(x0 / 60 + g.wavePhaseY) - 240) * 1.1f + 240;
        }
    }
    gl.begin(GL_QUADS);
    for (int c = 0; c <= 20; ++c) {
        for (int r = 0; r <= 15; ++r) {
            const float x0 = 32.0f * c, y0 = 32.0f * r - 32;
            const float s = x0 / 1024, t = (y0 + 32) / 512;
            gl.texCoord2f(s, t);
            gl.vertex3f(vx[c][r], vy[c][r], 1);
            gl.texCoord2f(s + 0.03125f, t);
            gl.vertex3f(vx[c + 1][r], vy[c + 1][r], 1);
            gl.texCoord2f(s + 0.03125f, t + 0.0625f);
            gl.vertex3f(vx[c + 1][r + 1], vy[c + 1][r + 1], 1);
            gl.texCoord2f(s, t + 0.0625f);
            gl.vertex3f(vx[c][r + 1], vy[c][r + 1], 1);
        }
    }
    gl.end();
}

}  // namespace

PictureArea pictureArea(const GameServices& services, int drawableWidth, int drawableHeight) {
    PictureArea area{};
    if (drawableWidth * 3 > drawableHeight * 4) {
        area.height = drawableHeight;
        area.width = drawableHeight * 4 / 3;
    } else {
        area.width = drawableWidth;
        area.height = drawableWidth * 3 / 4;
    }
    if (services.integerScaling) {
        // The 320 x 240 picture at the largest whole scale that fits (at least
        // 1), so every pixel is the same size.
        const int scale = std::max(1, std::min(drawableWidth / 320, drawableHeight / 240));
        area.width = 320 * scale;
        area.height = 240 * scale;
    }
    area.x = (drawableWidth - area.width) / 2;
    area.y = (drawableHeight - area.height) / 2;
    return area;
}

bool drawFrame(GameState& g) {
    Graphics& graphics = *g.graphics;
    World& world = *g.world;
    const GlApi& gl = graphics.gl();

    float alpha = g.timeAccumulator / g.updateStep;
    if (world.freezeTimer > 0 || (g.fading && g.fadeDelta < 0)) alpha = 1.0f;
    world.interpolateCamera(alpha);

    setOrthoView(gl, kAreaWidth, kAreaHeight, kAreaWidth, kAreaHeight);
    graphics.beginFrame();
    graphics.setWorldSpace();
    world.drawBackLayers();
    world.getEnemies()->drawAll(alpha);
    if (!g.readyShown) g.player->draw(alpha);  // hidden during "READY"
    world.getParticles()->draw(alpha);
    world.drawFrontLayers();

    if (g.fading && g.fadeOverlayEnabled) drawFadeOverlay(g, gl);
    gl.color4f(1, 1, 1, 1);
    if (world.darkRoom) drawDarkness(g, gl);
    drawHud(g, graphics, world);
    graphics.disableBlending();

    gl.bindTexture(GL_TEXTURE_2D, g.captureTexture);
    gl.copyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, kAreaWidth, kAreaHeight, 0);

    const PictureArea area = letterbox(g);
    gl.clear(GL_COLOR_BUFFER_BIT);
    gl.viewport(area.x, area.y, area.width, area.height);
    gl.matrixMode(GL_PROJECTION);
    gl.loadIdentity();
    gl.ortho(0, 640, 480, 0, 0.5, -100);
    gl.matrixMode(GL_MODELVIEW);
    gl.loadIdentity();
    gl.bindTexture(GL_TEXTURE_2D, g.captureTexture);
    gl.enable(GL_TEXTURE_2D);
    if (!g.player->inWater) {
        drawScreenQuad(gl);
    } else {
        drawWaveGrid(g, gl);
    }
    graphics.flush();
    return true;
}
