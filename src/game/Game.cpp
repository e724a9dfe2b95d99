// Start-up, shut-down and the fixed-step update with its fades and room
// changes.
#include "game/Game.h"

#include <memory>

#include "audio/NullAudioBackend.h"
#include "audio/SoundSystem.h"
#include "gfx/Graphics.h"
#include "input/Controls.h"
#include "player/Player.h"
#include "world/World.h"

const SampleFile kSampleTable[18] = {
    {"data\\sound\\vanta_fire1.wav", "vanta_fire1"},
    {"data\\sound\\vanta_jump.wav", "vanta_jump"},
    {"data\\sound\\vanta_step.wav", "vanta_step"},
    {"data\\sound\\vanta_hurt.wav", "vanta_hurt"},
    {"data\\sound\\vanta_ball.wav", "vanta_ball"},
    {"data\\sound\\voidlet_door_open.wav", "door_open"},
    {"data\\sound\\voidlet_enemy_hit.wav", "enemy_hit"},
    {"data\\sound\\voidlet_item.ogg", "voidlet_item"},
    {"data\\sound\\flush.ogg", "flush"},
    {"data\\sound\\gearboy_fire1.wav", "gearboy_fire1"},
    {"data\\sound\\gearboy_land.wav", "gearboy_land"},
    {"data\\sound\\gearboy_hurt.wav", "gearboy_hurt"},
    {"data\\sound\\gearboy_enemyhurt.wav", "gearboy_enemyhurt"},
    {"data\\sound\\gearboy_appear.wav", "gearboy_appear"},
    {"data\\sound\\gearboy_ricochet.wav", "gearboy_ricochet"},
    {"data\\sound\\big_crush.wav", "big_crush"},
    {"data\\sound\\dragon_woosh.ogg", "dragon_woosh"},
    {"data\\sound\\dragon_woosh_rev.ogg", "dragon_woosh_rev"},
};

namespace {

constexpr float kStepsPerSecond = 90.0f;

std::unique_ptr<SoundSystem> createSoundSystem(GameState& g, const GameServices& services) {
    if (services.headless || services.mute) {
        auto backend = std::make_unique<NullAudioBackend>();
        g.recordedAudio = backend.get();
        return std::make_unique<SoundSystem>(std::move(backend));
    }
    return std::make_unique<SoundSystem>(SoundSystem::Output::Device, services.reporter);
}

void pollControls(GameState& g) {
    g.controls->update();
    const GameServices& services = g.services;
    if (services.controlsPolled) services.controlsPolled(*g.controls);
}

// The eased aim of the flashlight: the player's offset from the view centre
// in half-views.
float aimX(const GameState& g) {
    return (g.player->position.x - g.world->drawCamera.x) / 160;
}
float aimY(const GameState& g) {
    return (g.player->position.y - g.world->drawCamera.y) / 120;
}

}  // namespace

GameServices headlessServices(InputDevice& input, std::uint32_t seed) {
    GameServices services;
    services.gl = &nullGl();
    services.input = &input;
    services.mute = true;
    services.headless = true;
    services.seed = seed;
    return services;
}

bool InitGame(GameState& g, const GameServices& services) {
    g = GameState{};
    g.services = services;
    const GlApi& gl = *services.gl;
    gl.clearColor(0, 0, 0, 0);
    gl.clear(GL_COLOR_BUFFER_BIT);
    gl.flush();

    // A headless run counts as a 90 Hz display: one update step per frame.
    g.updateStep = static_cast<float>((services.headless ? kStepsPerSecond : services.frameRate) /
                                      kStepsPerSecond);
    g.timeAccumulator = 1.0f;

    g.graphics = std::make_unique<Graphics>(gl);
    g.controls = std::make_unique<Controls>(*services.input);
    g.graphics->setClearColor(0, 0, 0);
    g.graphics->createCaptureTexture(g.captureTexture, 512, 256, 3, GL_RGB,
                                     services.textureFiltering);
    g.graphics->loadFont("data\\font.tga");
    g.graphics->setBaseColor(1, 1, 1);
    g.sound = createSoundSystem(g, services);
    g.actors.sound = g.sound.get();
    g.actors.random = &g.random;
    g.actors.reporter = services.reporter;
    for (const SampleFile& sample : kSampleTable) g.sound->loadSample(sample.file, sample.name);
    g.hudTexture = g.graphics->loadTexture("data\\hud.tga");
    g.flashlightTexture = std::make_unique<PlainTexture>(gl);
    g.flashlightTexture->load("data\\flashlight.tga");

    return startPlay(g);
}

bool startPlay(GameState& g) {
    g.random.seed(g.services.seed);
    g.fading = true;
    g.fadeLevel = 1;
    g.fadeDelta = 1;
    g.fadeOverlayEnabled = false;
    g.roomChangePending = false;
    g.deadSteps = 0;
    g.gameOver = false;
    g.fireHeldAtGameOver = false;
    g.graphics->setBaseColor(1, 1, 1);
    g.graphics->setClearColor(0, 0, 0);

    g.player.reset();
    g.world.reset();
    g.player = std::make_unique<Player>(g.graphics.get(), &g.actors);
    g.world = std::make_unique<World>(g.graphics.get(), &g.actors);
    g.world->setPlayer(g.player.get());
    if (!g.world->loadMap("data\\map\\test.map")) return false;
    g.player->setWorld(g.world.get());
    g.lightOffsetX = aimX(g);
    g.lightOffsetY = aimY(g);

    // Warm-up, so the first frame shows a settled world.
    pollControls(g);
    g.world->update();
    g.world->freezeTimer = kReadyFreezeSteps;
    for (int i = 0; i < 40; ++i) g.player->update(*g.controls);
    for (int i = 0; i < 10; ++i) g.world->update();
    g.player->appearTimer = 30;
    g.readyShown = true;
    g.world->resumeMusic = false;
    g.sound->playMusic("data\\sound\\music_fernvale.ogg", 50);
    g.world->musicTrack = 0;
    return true;
}

namespace {

// A scripted hold ends after its steps, whatever else the step did.
void countDownFreeze(GameState& g) {
    World& world = *g.world;
    if (world.freezeTimer <= 0) return;
    world.freezeTimer -= 1;
    if (world.freezeTimer == 0) {
        g.readyShown = false;
        world.updateDuringFreeze = false;
        if (world.resumeMusic) world.playMusicTrack(-1);
    }
}

// With the player dead the game stands still; after kGameOverSteps it shows
// "GAME OVER", and a fire press (pressed after that, not held from before)
// starts the game again from the first room.
void afterDeath(GameState& g) {
    if (!g.gameOver) {
        if (++g.deadSteps < kGameOverSteps) return;
        g.gameOver = true;
        g.fireHeldAtGameOver = g.controls->fire;
        return;
    }
    if (!g.controls->fire) {
        g.fireHeldAtGameOver = false;
        return;
    }
    if (g.fireHeldAtGameOver) return;
    g.sound->stopMusic();
    if (!startPlay(g)) g.failed = true;
}

void runStepBody(GameState& g) {
    World& world = *g.world;
    g.timeAccumulator -= g.updateStep;

    if (g.fading) {
        g.fadeLevel += g.fadeDelta;
        if (g.fadeLevel <= 0) {
            // The room switches at the black point.
            g.fadeDelta = 4;
            world.leaveRoom();
            if (world.roomLoadFailed) g.failed = true;
        }
        if (g.fadeLevel > 85) {
            g.fadeOverlayEnabled = true;
            g.fading = false;
        }
    }
    if (g.player->health <= 0) {  // the game stands still
        afterDeath(g);
        return;
    }
    if (g.fading && g.fadeDelta <= 0) return;  // nothing moves while fading out

    if (world.freezeTimer == 0 || world.updateDuringFreeze) world.update();
    if (g.roomChangePending) {
        world.openDoorsNearPlayer();
        g.roomChangePending = false;
    }
    if (world.freezeTimer == 0) g.player->update(*g.controls);
    if (world.isPlayerOutsideRoom()) {
        g.fadeLevel = 85;
        g.fadeDelta = -4;
        g.fading = true;
        g.roomChangePending = true;
    }
}

void runStep(GameState& g) {
    pollControls(g);
    runStepBody(g);
    countDownFreeze(g);
    ++g.steps;
}

}  // namespace

void setPaused(GameState& g, bool paused) {
    if (g.paused == paused) return;
    g.paused = paused;
    g.sound->setPaused(paused);
}

bool updateGame(GameState& g) {
    if (g.paused) return true;
    while (g.timeAccumulator > 0 && !g.failed) runStep(g);
    if (g.failed) return false;
    World& world = *g.world;  // after the steps: a restart makes a new one

    // Once per call: the flashlight's aim eases per frame.
    if (world.resetFlashlight) {
        g.lightOffsetX = aimX(g);
        g.lightOffsetY = aimY(g);
        world.resetFlashlight = false;
    }
    g.lightOffsetX += (aimX(g) - g.lightOffsetX) / 5;
    g.lightOffsetY += (aimY(g) - g.lightOffsetY) / 5;
    return true;
}

void shutdownGame(GameState& g) {
    g.hudTexture.reset();
    g.flashlightTexture.reset();
    // The player first: the World holds it; the graphics context last.
    g.player.reset();
    g.world.reset();
    g.sound.reset();
    g.recordedAudio = nullptr;
    g.controls.reset();
    g.graphics.reset();
    g.actors = ActorContext{};
}

void advanceFrameClock(GameState& g) {
    if (g.paused) return;  // a paused game owes nothing: it resumes where it stood
    g.timeAccumulator += 1.0f;
    if (g.player->inWater) {
        g.wavePhaseX += 0.01f;
        g.wavePhaseY += 0.0123f;
    }
}
