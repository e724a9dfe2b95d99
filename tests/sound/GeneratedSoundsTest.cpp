// Checks the sound files the normal build generated into data/sound: every
// file the game loads is there, decodes, fits its event's length, keeps its
// headroom and (for music) loops without a seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "sound/DecodedSound.h"
#include "support/ScratchFolder.h"

namespace {

struct ExpectedSound {
    const char* file;
    double minSeconds;
    double maxSeconds;
};

// Lengths follow the events: the pick-up fanfare covers the 4 s freeze, the
// flush the 100-frame one, the dragon passes in 2-3 s; the rest are quick.
const ExpectedSound kEffects[] = {
    {"vanta_fire1.wav", 0.05, 0.4},
    {"vanta_jump.wav", 0.1, 0.5},
    {"vanta_step.wav", 0.02, 0.15},
    {"vanta_hurt.wav", 0.15, 0.8},
    {"vanta_ball.wav", 0.1, 0.6},
    {"voidlet_door_open.wav", 0.3, 1.0},
    {"voidlet_enemy_hit.wav", 0.05, 0.4},
    {"voidlet_item.ogg", 3.5, 4.5},
    {"flush.ogg", 1.1, 1.5},
    {"gearboy_fire1.wav", 0.05, 0.4},
    {"gearboy_land.wav", 0.1, 0.5},
    {"gearboy_hurt.wav", 0.15, 0.8},
    {"gearboy_enemyhurt.wav", 0.1, 0.6},
    {"gearboy_appear.wav", 0.3, 1.2},
    {"gearboy_ricochet.wav", 0.1, 0.6},
    {"big_crush.wav", 1.0, 3.0},
    {"dragon_woosh.ogg", 2.0, 3.0},
    {"dragon_woosh_rev.ogg", 2.0, 3.0},
};
const char* const kMusic[] = {"music_fernvale.ogg", "music_ironclad.ogg", "music_snake6.ogg",
                              "music_snake7.ogg"};

// RMS of the loudest 50 ms, in dBFS: how loud an effect sounds.
double loudestWindowDb(const DecodedSound& sound) {
    const std::size_t window = static_cast<std::size_t>(sound.rate / 20) * sound.channels;
    double loudest = 0.0;
    for (std::size_t begin = 0; begin < sound.samples.size(); begin += window / 2) {
        double sum = 0.0;
        const std::size_t end = std::min(sound.samples.size(), begin + window);
        for (std::size_t i = begin; i < end; ++i) sum += sound.samples[i] * sound.samples[i];
        loudest = std::max(loudest, sum / window);
    }
    return 10.0 * std::log10(std::max(loudest, 1e-18));
}

class GeneratedSounds : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GENERATED_DATA();
        dir_ = generatedDataDir() + "/sound";
    }

    DecodedSound load(const std::string& name) {
        DecodedSound sound;
        EXPECT_TRUE(decodeSoundFile(dir_ + "/" + name, sound, name.rfind("music_", 0) == 0))
            << name << " does not decode";
        return sound;
    }

    std::string dir_;
};

TEST_F(GeneratedSounds, EffectsDecodeFitTheirEventAndKeepHeadroom) {
    for (const ExpectedSound& expected : kEffects) {
        SCOPED_TRACE(expected.file);
        const DecodedSound sound = load(expected.file);
        if (sound.samples.empty()) continue;
        EXPECT_EQ(sound.rate, 44100);
        EXPECT_EQ(sound.channels, 1);
        EXPECT_GE(sound.seconds(), expected.minSeconds);
        EXPECT_LE(sound.seconds(), expected.maxSeconds);
        EXPECT_LT(sound.peakDb(), -1.0);
        EXPECT_LT(std::fabs(sound.mean()), 0.002) << "DC offset";
        // Faded edges: nothing jumps from or to silence.
        EXPECT_LT(std::fabs(sound.samples.front()), 0.01f);
        EXPECT_LT(std::fabs(sound.samples.back()), 0.01f);
    }
}

TEST_F(GeneratedSounds, EffectsAreSimilarlyLoudAndTheMusicSitsBelowThem) {
    std::vector<double> effectLevels;
    for (const ExpectedSound& expected : kEffects) {
        const DecodedSound sound = load(expected.file);
        if (!sound.samples.empty()) effectLevels.push_back(loudestWindowDb(sound));
    }
    ASSERT_EQ(effectLevels.size(), std::size(kEffects));
    std::vector<double> sorted = effectLevels;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (std::size_t i = 0; i < effectLevels.size(); ++i) {
        EXPECT_NEAR(effectLevels[i], median, 4.0) << kEffects[i].file;
    }
    for (const char* name : kMusic) {
        const DecodedSound music = load(name);
        if (music.samples.empty()) continue;
        EXPECT_LT(music.rmsDb(), median - 8.0) << name << " would drown the effects";
    }
}

TEST_F(GeneratedSounds, MusicLoopsAreLongStereoAndSeamless) {
    for (const char* name : kMusic) {
        SCOPED_TRACE(name);
        const DecodedSound music = load(name);
        if (music.samples.empty()) continue;
        EXPECT_EQ(music.rate, 44100);
        ASSERT_EQ(music.channels, 2);
        EXPECT_GE(music.seconds(), 45.0);
        EXPECT_LT(music.peakDb(), -1.0);
        EXPECT_LT(std::fabs(music.mean()), 0.002) << "DC offset";
        // Played as a loop, the frames run ... n-2, n-1, 0, 1 ... A seam shows
        // as a kink there: the second difference (how far a sample strays
        // from the straight line through the two before it) must be no
        // larger than anywhere in the 50 ms on either side. Compared with
        // plain steps this ignores how bright the music is and sees the kink.
        for (int c = 0; c < 2; ++c) {
            const std::size_t window = 2205;
            std::vector<float> played;
            for (std::size_t i = music.frames() - window; i < music.frames(); ++i) {
                played.push_back(music.at(i, c));
            }
            for (std::size_t i = 0; i < window; ++i) played.push_back(music.at(i, c));
            auto kink = [&](std::size_t i) {
                return std::fabs(played[i] - 2.0f * played[i - 1] + played[i - 2]);
            };
            float largestNearby = 0.0f;
            for (std::size_t i = 2; i < played.size(); ++i) {
                if (i != window && i != window + 1)
                    largestNearby = std::max(largestNearby, kink(i));
            }
            EXPECT_LE(std::max(kink(window), kink(window + 1)), largestNearby) << "channel " << c;
        }
    }
}

}  // namespace
