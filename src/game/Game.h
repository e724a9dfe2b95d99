#pragma once

#include <cstdint>

#include "app/Settings.h"
#include "gfx/GlApi.h"
#include "input/InputDevice.h"

class AudioBackend;
class Graphics;
class NullAudioBackend;
class PlainTexture;
class Player;
class SoundSystem;
class Texture;
class World;

// What the platform hands the game.
struct GameServices {
    const GlApi* gl = nullptr;
    InputDevice* input = nullptr;
    Settings settings;
    bool mute = false;      // open no audio device
    bool headless = false;  // no window: one update step per frame, sounds recorded
    // The seed of the game's random generator (the time when none is given).
    std::uint32_t seed = 0;
    // The drawable's size in pixels; the picture is letterboxed into it.
    void (*drawableSize)(int& width, int& height) = nullptr;
    // The display rate, in frames per second, the update step is based on.
    double frameRate = 75;
    // Called after every controls poll (the start-up poll and each update
    // step), for recording a played session.
    void (*controlsPolled)(void* context) = nullptr;
    void* controlsPolledContext = nullptr;
};

// The long-lived game objects and the numbers the update and the frame
// drawing share. Fade levels: 85 is clear, 0 or less is black.
struct GameState {
    GameServices services{};
    Graphics* graphics = nullptr;
    SoundSystem* sound = nullptr;
    NullAudioBackend* recordedAudio = nullptr;  // set when the sound is not heard
    Player* player = nullptr;
    World* world = nullptr;
    Texture* hudTexture = nullptr;
    PlainTexture* flashlightTexture = nullptr;
    unsigned captureTexture = 0;

    long steps = 0;                // update steps run since start-up
    float updateStep = 1.0f;       // frames owed per update step
    float timeAccumulator = 1.0f;  // frames owed to the update
    bool fading = true;
    std::int32_t fadeLevel = 1;
    std::int32_t fadeDelta = 1;
    bool fadeOverlayEnabled = false;
    bool roomChangePending = false;
    bool readyShown = true;
    float lightOffsetX = 0;
    float lightOffsetY = 0;
    float wavePhaseX = 0;
    float wavePhaseY = 0;

    // A data file failed to load mid-game (already reported): the program
    // ends with a failure status.
    bool failed = false;
};

extern GameState gameState;

// The sound table loaded at start, in load order.
struct SampleFile {
    const char* file;
    const char* name;
};
extern const SampleFile kSampleTable[18];

// Builds the game objects and loads the first room; false (already reported)
// when the map cannot be loaded.
bool InitGame(const GameServices& services);
// One pass of the fixed-step update; false ends the program.
bool updateGame();
// Draws one frame into the back buffer; false ends the program.
bool drawFrame();
// Destroys the game objects.
void shutdownGame();
