// A player with no room around it: headless graphics whose sprite draws are
// written down, a silent sound system whose plays are written down, and the
// real sheets read from the generated data (from a scratch working folder).
// With no World the player meets no tiles and no enemies, so it is always in
// the air.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "audio/NullAudioBackend.h"
#include "audio/SoundSystem.h"
#include "gfx/Graphics.h"
#include "gfx/Texture.h"
#include "input/Controls.h"
#include "input/InputDevice.h"
#include "math/Random.h"
#include "player/Player.h"
#include "support/RecordingGl.h"
#include "support/ScratchFolder.h"
#include "world/ActorContext.h"

namespace player_test {

// One sprite as drawSprite put it on the view: its centre in world units
// (with the draw camera at the origin), rotation in degrees, mirroring and
// the frame it sampled.
struct DrawnSprite {
    float x = 0;
    float y = 0;
    float rotation = 0;
    bool flipped = false;
    int frame = -1;
};

class PlayerRig : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GENERATED_DATA();
        folder_ = std::make_unique<ScratchFolder>("player", ScratchFolder::kGameFolder);
        auto backend = std::make_unique<NullAudioBackend>();
        audio_ = backend.get();
        sound_ = std::make_unique<SoundSystem>(std::move(backend));
        for (const char* name :
             {"vanta_jump", "vanta_fire1", "vanta_hurt", "vanta_ball", "vanta_step",
              "gearboy_fire1", "gearboy_land", "gearboy_hurt", "gearboy_appear"}) {
            sound_->loadSample((std::string("data/sound/") + name + ".wav").c_str(), name);
        }
        graphics_ = std::make_unique<Graphics>(recgl::recordingGl());
        actors_.sound = sound_.get();
        actors_.random = &random_;
        player_ = std::make_unique<Player>(graphics_.get(), &actors_);
        player_->setPosition(100, 100, 0);
        Texture sheet(nullGl());
        sheet.load("data/vanta.tga");
        sheetWidth_ = sheet.getWidth();
        sheetHeight_ = sheet.getHeight();
        recgl::reset();
        audio_->log().clear();
    }

    void TearDown() override {
        player_.reset();
        graphics_.reset();
        sound_.reset();
        folder_.reset();
    }

    Controls& controls() { return controls_; }
    void release() {
        Controls& c = controls();
        c.right = c.left = c.up = c.down = c.jump = c.fire = false;
    }
    void steps(int count) {
        for (int i = 0; i < count; ++i) player_->update(controls_);
    }

    // The sprites of one drawn frame.
    std::vector<DrawnSprite> drawn(float alpha) {
        recgl::calls().clear();
        player_->draw(alpha);
        std::vector<DrawnSprite> out;
        for (const recgl::Call& call : recgl::sprites()) {
            out.push_back(DrawnSprite{call.worldX(), call.worldY(), call.rotation, call.mirrored,
                                      call.frame(sheetWidth_, sheetHeight_)});
        }
        return out;
    }

    // Names of the sounds played since the last call.
    std::vector<std::string> sounds() {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < audio_->log().size(); ++i) {
            names.push_back(audio_->log().at(i).name);
        }
        audio_->log().clear();
        return names;
    }

    NullInput input_;
    Controls controls_{input_};
    Random random_;
    ActorContext actors_;
    NullAudioBackend* audio_ = nullptr;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<Graphics> graphics_;
    std::unique_ptr<Player> player_;
    float sheetWidth_ = 0;
    float sheetHeight_ = 0;
    std::unique_ptr<ScratchFolder> folder_;
};

}  // namespace player_test
