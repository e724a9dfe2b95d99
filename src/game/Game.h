#pragma once

#include "app/Settings.h"
#include "gfx/GlApi.h"
#include "input/InputDevice.h"

class Graphics;

// What the platform hands the game: GL (real or null), the input device and
// the settings read at start-up.
struct GameServices {
    const GlApi* gl;
    InputDevice* input;
    Settings settings;
};

// The long-lived game objects and the numbers the update and the frame
// drawing share.
struct GameState {
    GameServices services{};
    Graphics* graphics = nullptr;
    unsigned captureTexture = 0;
};

extern GameState gameState;

// Builds the game objects; false when the game cannot start.
bool InitGame(const GameServices& services);
// One fixed-step update pass; false ends the program.
bool updateGame();
// Draws one frame into the back buffer; false ends the program.
bool drawFrame();
// Destroys the game objects.
void shutdownGame();
