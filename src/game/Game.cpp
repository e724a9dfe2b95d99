#include "game/Game.h"

#include "audio/SoundSystem.h"
#include "gfx/Graphics.h"
#include "input/Controls.h"

GameState gameState;

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

bool InitGame(const GameServices& services) {
    gameState = GameState{};
    gameState.services = services;
    const GlApi& gl = *services.gl;
    gl.clearColor(0, 0, 0, 0);
    gl.clear(GL_COLOR_BUFFER_BIT);
    gl.flush();

    Graphics* graphics = new Graphics(gl, *services.input);
    gameState.graphics = graphics;
    graphics->setClearColor(0, 0, 0);
    graphics->createCaptureTexture(gameState.captureTexture, 512, 256, 3, GL_RGB,
                                   services.settings.textureFiltering);
    graphics->loadFont("data\\font.tga");
    graphics->setBaseColor(1, 1, 1);

    gameState.sound =
        new SoundSystem(services.mute ? SoundSystem::Output::Mute : SoundSystem::Output::Device);
    graphics->setSoundSystem(gameState.sound);
    for (const SampleFile& sample : kSampleTable) {
        gameState.sound->loadSample(sample.file, sample.name);
    }
    graphics->loadTexture(gameState.hudTexture, "data\\hud.tga");
    gameState.flashlightTexture = new PlainTexture(gl);
    gameState.flashlightTexture->load("data\\flashlight.tga");

    // The player, the world and the first room join here with the game core.
    gameState.sound->playMusic("data\\sound\\music_fernvale.ogg", 50);
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
    delete gameState.hudTexture;
    delete gameState.flashlightTexture;
    delete gameState.sound;
    delete gameState.graphics;
    gameState.hudTexture = nullptr;
    gameState.flashlightTexture = nullptr;
    gameState.sound = nullptr;
    gameState.graphics = nullptr;
}
