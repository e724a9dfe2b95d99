#pragma once

#include "app/Settings.h"
#include "gfx/GlApi.h"
#include "input/InputDevice.h"

class Graphics;
class PlainTexture;
class SoundSystem;
class Texture;

// What the platform hands the game: GL (real or null), the input device, the
// settings read at start-up, and whether to open an audio device.
struct GameServices {
    const GlApi* gl;
    InputDevice* input;
    Settings settings;
    bool mute;
};

// The long-lived game objects and the numbers the update and the frame
// drawing share.
struct GameState {
    GameServices services{};
    Graphics* graphics = nullptr;
    SoundSystem* sound = nullptr;
    Texture* hudTexture = nullptr;
    PlainTexture* flashlightTexture = nullptr;
    unsigned captureTexture = 0;
};

extern GameState gameState;

// The sound table loaded at start, in load order: file and the name the game
// plays it by.
struct SampleFile {
    const char* file;
    const char* name;
};
extern const SampleFile kSampleTable[18];

// Builds the game objects; false when the game cannot start.
bool InitGame(const GameServices& services);
// One fixed-step update pass; false ends the program.
bool updateGame();
// Draws one frame into the back buffer; false ends the program.
bool drawFrame();
// Destroys the game objects.
void shutdownGame();
