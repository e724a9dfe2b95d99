#include "game/Game.h"

#include "gfx/Graphics.h"
#include "input/Controls.h"

GameState gameState;

bool InitGame(const GameServices& services) {
    gameState = GameState{};
    gameState.services = services;
    gameState.graphics = new Graphics(*services.gl, *services.input);
    gameState.graphics->createCaptureTexture(gameState.captureTexture, 512, 256, 3, GL_RGB,
                                             services.settings.textureFiltering);
    return true;
}

// Placeholder until the game core lands: the update only polls the controls.
bool updateGame() {
    gameState.graphics->getControls().update();
    return true;
}

// Placeholder until the game core lands: the frame is only cleared.
bool drawFrame() {
    gameState.services.gl->clear(GL_COLOR_BUFFER_BIT);
    return true;
}

void shutdownGame() {
    delete gameState.graphics;
    gameState.graphics = nullptr;
}
