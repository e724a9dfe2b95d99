#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "audio/SoundSystem.h"
#include "gfx/GlApi.h"
#include "gfx/Graphics.h"
#include "gfx/Texture.h"
#include "input/Controls.h"
#include "input/InputDevice.h"
#include "math/Random.h"
#include "player/Player.h"
#include "world/ActorContext.h"
#include "world/World.h"

class AudioBackend;
class Controls;
class Graphics;
class NullAudioBackend;
class PlainTexture;
class Player;
class Reporter;
class SoundSystem;
class Texture;
class World;

// What the platform hands the game.
struct GameServices {
    const GlApi* gl = nullptr;
    InputDevice* input = nullptr;
    bool textureFiltering = false;       // smooth the scaled-up picture
    bool integerScaling = false;         // scale the 320 x 240 picture by whole steps only
    const Reporter* reporter = nullptr;  // failures the user must see; null: stderr only
    bool mute = false;                   // open no audio device
    bool headless = false;               // no window: one update step per frame, sounds recorded
    // The seed of the game's random generator (the time when none is given).
    std::uint32_t seed = 0;
    // The drawable's size in pixels; the picture is letterboxed into it
    // (640 x 480 when not given).
    std::function<void(int& width, int& height)> drawableSize;
    // The display rate, in frames per second, the update step is based on.
    double frameRate = 75;
    // Called after every controls poll (the start-up poll and each update
    // step), for recording a played session.
    std::function<void(const Controls& controls)> controlsPolled;
};

// The long-lived game objects and the numbers the update and the frame
// drawing share. Fade levels: 85 is clear, 0 or less is black.
struct GameState {
    GameServices services{};
    std::unique_ptr<Graphics> graphics;
    std::unique_ptr<Controls> controls;  // polled once per update step
    std::unique_ptr<SoundSystem> sound;
    Random random;
    ActorContext actors;  // the sound, the World's particles, the random numbers
    NullAudioBackend* recordedAudio = nullptr;  // set when the sound is not heard
    std::unique_ptr<Player> player;
    std::unique_ptr<World> world;
    std::unique_ptr<Texture> hudTexture;
    std::unique_ptr<PlainTexture> flashlightTexture;
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
    // Steps since the player's health ran out; after kGameOverSteps the game
    // is over and waits for fire.
    long deadSteps = 0;
    bool gameOver = false;
    bool fireHeldAtGameOver = false;  // fire was down when "GAME OVER" came up
    bool paused = false;              // no steps, no sound; "PAUSED" on the picture
    float lightOffsetX = 0;
    float lightOffsetY = 0;
    float wavePhaseX = 0;
    float wavePhaseY = 0;

    // A data file failed to load mid-game (already reported): the program
    // ends with a failure status.
    bool failed = false;
};

// The sound table loaded at start, in load order.
struct SampleFile {
    const char* file;
    const char* name;
};
extern const SampleFile kSampleTable[18];

// What a run with no window needs: no GL, no audio device (sounds are
// recorded), one update step per frame, controls from `input`.
GameServices headlessServices(InputDevice& input, std::uint32_t seed);

// Steps from the player's death to "GAME OVER", 3 s.
constexpr long kGameOverSteps = 270;

// Builds the game objects and loads the first room; false (already reported)
// when the map cannot be loaded.
bool InitGame(GameState& game, const GameServices& services);
// Starts the game from the map's first room with a new player, as at launch,
// keeping the window, the sound and the pictures: the part of InitGame after
// the services. The step count runs on.
bool startPlay(GameState& game);
// Where the picture lies in a drawable of the given size, in pixels from the
// bottom left: as large as fits at 4:3 (or at a whole multiple of 320 x 240
// with integer scaling), centred; the rest is black bars.
struct PictureArea {
    int x, y, width, height;
};
PictureArea pictureArea(const GameServices& services, int drawableWidth, int drawableHeight);

// Pauses or resumes: while paused no step runs, frames owe nothing, and every
// sound holds where it is.
void setPaused(GameState& game, bool paused);
// One pass of the fixed-step update; false ends the program.
bool updateGame(GameState& game);
// A frame is about to be drawn: it owes the update one more frame's steps,
// and the screen's under-water wave moves on.
void advanceFrameClock(GameState& game);
// Draws one frame into the back buffer; false ends the program.
bool drawFrame(GameState& game);
// Destroys the game objects.
void shutdownGame(GameState& game);
