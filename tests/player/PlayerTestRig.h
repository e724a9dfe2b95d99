// A player with no room around it: headless graphics whose sprite draws are
// written down, a silent sound system whose plays are written down, and the
// real sheets read from the data folder (the working folder is moved beside
// it for the test and moved back afterwards). With no World the player meets
// no tiles and no enemies, so it is always in the air.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "audio/NullAudioBackend.h"
#include "audio/SoundSystem.h"
#include "gfx/Graphics.h"
#include "gfx/Texture.h"
#include "input/Controls.h"
#include "input/InputDevice.h"
#include "player/Player.h"

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
    float s = 0;
    float t = 0;
};

// A GL table that does nothing but note each sprite quad.
class SpriteRecorder {
  public:
    static std::vector<DrawnSprite>& sprites() {
        static std::vector<DrawnSprite> list;
        return list;
    }
    static const GlApi& gl() {
        static const GlApi table = makeTable();
        return table;
    }
    // Works the frame number out of the first texture corner of each quad,
    // for a sheet of the given size with 32 x 32 frames.
    static std::vector<DrawnSprite> take(float sheetWidth, float sheetHeight) {
        std::vector<DrawnSprite> out = sprites();
        sprites().clear();
        const int columns = static_cast<int>(sheetWidth) / 32;
        for (DrawnSprite& sprite : out) {
            const int column = static_cast<int>(std::lround(sprite.s * sheetWidth / 32));
            const int row = static_cast<int>(std::lround((1 - sprite.t) * sheetHeight / 32)) - 1;
            sprite.frame = row * columns + column;
        }
        return out;
    }

  private:
    static GlApi makeTable() {
        GlApi table = nullGl();
        table.translatef = [](GLfloat x, GLfloat y, GLfloat) {
            DrawnSprite sprite;
            sprite.x = x - 160.0f;
            sprite.y = y - 120.0f;
            sprites().push_back(sprite);
        };
        table.rotatef = [](GLfloat angle, GLfloat, GLfloat, GLfloat) {
            if (!sprites().empty()) sprites().back().rotation = angle;
        };
        table.begin = [](GLenum) { corner() = 0; };
        table.texCoord2f = [](GLfloat s, GLfloat t) {
            if (corner() == 0 && !sprites().empty()) {
                sprites().back().s = s;
                sprites().back().t = t;
            }
        };
        table.vertex3f = [](GLfloat x, GLfloat, GLfloat) {
            // The first corner lies left of the centre unless mirrored.
            if (corner()++ == 0 && !sprites().empty()) sprites().back().flipped = x > 0;
        };
        return table;
    }
    static int& corner() {
        static int index = 0;
        return index;
    }
};

inline std::string dataDir() {
    const char* dir = std::getenv("QUASARINE_DATA_DIR");
    return dir ? dir : "data";
}

class PlayerRig : public ::testing::Test {
  protected:
    void SetUp() override {
        char here[4096];
        ASSERT_NE(getcwd(here, sizeof here), nullptr);
        oldDir_ = here;
        const std::string data = dataDir();
        if (access((data + "/vanta.tga").c_str(), R_OK) != 0) {
            GTEST_SKIP() << "the game's pictures are not built (QUASARINE_DATA_DIR)";
        }
        const std::size_t slash = data.find_last_of('/');
        const std::string parent = slash == std::string::npos ? "." : data.substr(0, slash);
        ASSERT_EQ(chdir(parent.c_str()), 0) << "the data folder's parent: " << parent;

        auto backend = std::make_unique<NullAudioBackend>();
        audio_ = backend.get();
        sound_ = std::make_unique<SoundSystem>(std::move(backend));
        for (const char* name :
             {"vanta_jump", "vanta_fire1", "vanta_hurt", "vanta_ball", "vanta_step",
              "gearboy_fire1", "gearboy_land", "gearboy_hurt", "gearboy_appear"}) {
            sound_->loadSample((data + "/sound/" + name + ".wav").c_str(), name);
        }
        graphics_ = std::make_unique<Graphics>(SpriteRecorder::gl(), input_);
        graphics_->setSoundSystem(sound_.get());
        player_ = std::make_unique<Player>(graphics_.get());
        player_->setPosition(100, 100, 0);
        Texture sheet(nullGl());
        sheet.load("data/vanta.tga");
        sheetWidth_ = sheet.getWidth();
        sheetHeight_ = sheet.getHeight();
        SpriteRecorder::sprites().clear();
        audio_->log().clear();
    }

    void TearDown() override {
        player_.reset();
        graphics_.reset();
        sound_.reset();
        if (!oldDir_.empty()) {
            EXPECT_EQ(chdir(oldDir_.c_str()), 0);
        }
    }

    Controls& controls() { return graphics_->getControls(); }
    void release() {
        Controls& c = controls();
        c.right = c.left = c.up = c.down = c.jump = c.fire = false;
    }
    void steps(int count) {
        for (int i = 0; i < count; ++i) player_->update();
    }

    // The sprites of one drawn frame.
    std::vector<DrawnSprite> drawn(float alpha) {
        SpriteRecorder::sprites().clear();
        player_->draw(alpha);
        return SpriteRecorder::take(sheetWidth_, sheetHeight_);
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
    NullAudioBackend* audio_ = nullptr;
    std::unique_ptr<SoundSystem> sound_;
    std::unique_ptr<Graphics> graphics_;
    std::unique_ptr<Player> player_;
    float sheetWidth_ = 0;
    float sheetHeight_ = 0;

  private:
    std::string oldDir_;
};

}  // namespace player_test
