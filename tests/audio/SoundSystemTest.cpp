// The sound system over the silent back end, which keeps a log of what would
// be heard: voices, names, argument ranges and the music tracks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "audio/MusicTracks.h"
#include "audio/NullAudioBackend.h"
#include "audio/SoundFixtures.h"
#include "audio/SoundSystem.h"
#include "support/ScratchFolder.h"

using namespace soundtest;

namespace {

constexpr int kToneRate = 22050;

// A SoundSystem over a NullAudioBackend, with tones on disk: "half.wav"
// lasts 0.5 s, "tenth.ogg" 0.1 s.
class SoundSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeBytes(path("half.wav"), wavBytes(sineTone(kToneRate, 1, kToneRate / 2, 440, 0.3)));
        writeBytes(path("tenth.ogg"), oggBytes(sineTone(44100, 2, 4410, 660, 0.3)));
        auto backend = std::make_unique<NullAudioBackend>();
        null_ = backend.get();
        sound_ = std::make_unique<SoundSystem>(std::move(backend));
    }

    std::string path(const char* name) const { return folder_.file(name); }
    const AudioEventLog& log() const { return null_->log(); }
    const AudioEvent& last() const { return log().at(log().size() - 1); }
    std::vector<int> voicesUsed() const {
        std::vector<int> voices;
        for (std::size_t i = 0; i < log().size(); ++i) voices.push_back(log().at(i).voice);
        return voices;
    }

    ScratchFolder folder_{"sounds"};
    NullAudioBackend* null_ = nullptr;
    std::unique_ptr<SoundSystem> sound_;
};

TEST_F(SoundSystemTest, ASampleSoundsTwiceAtMostAndTheThirdPlayTakesTheOldestVoice) {
    ASSERT_TRUE(sound_->loadSample(path("half.wav").c_str(), "door_open"));
    for (int i = 0; i < 5; ++i) sound_->play("door_open", 40 + i, kOwnRate, false);
    EXPECT_EQ(voicesUsed(), (std::vector<int>{0, 1, 0, 1, 0}));
    EXPECT_STREQ(last().name, "door_open");
    EXPECT_EQ(last().volume, 44);
}

TEST_F(SoundSystemTest, AVoiceThatHasFinishedAtItsOwnPaceIsTakenBeforeAnyIsCutOff) {
    ASSERT_TRUE(sound_->loadSample(path("half.wav").c_str(), "vanta_jump"));
    sound_->play("vanta_jump", 100, kOwnRate, true);  // voice 0 loops for ever
    null_->advanceTime(0.1);
    sound_->play("vanta_jump", 100, 2 * kToneRate, false);  // twice the rate: 0.25 s
    null_->advanceTime(0.3);
    EXPECT_TRUE(null_->voicePlaying(0, 0));
    EXPECT_FALSE(null_->voicePlaying(0, 1));
    sound_->play("vanta_jump", 100, 20000, false);
    EXPECT_EQ(voicesUsed(), (std::vector<int>{0, 1, 1}));
    EXPECT_TRUE(log().at(0).loop);
}

TEST_F(SoundSystemTest, NamesMatchExactlyAndTheFirstEntryOfANameWins) {
    EXPECT_TRUE(sound_->loadSample(path("half.wav").c_str(), "enemy_hit"));
    EXPECT_TRUE(sound_->loadSample(path("tenth.ogg").c_str(), "enemy_hit"));
    EXPECT_FALSE(sound_->loadSample(path("missing.wav").c_str(), "flush"));
    EXPECT_TRUE(sound_->loadSample(path("tenth.ogg").c_str(), "flush"));
    EXPECT_EQ(sound_->sampleCount(), 4);

    // Silent: never loaded, differently spelt, or a first entry whose file
    // failed (it hides the good one after it).
    for (const char* name : {"door_open", "Enemy_hit", "enemy", "flush"}) {
        sound_->play(name, 100, kOwnRate, false);
    }
    sound_->play(nullptr, 100, kOwnRate, false);
    EXPECT_EQ(log().size(), 0u);

    sound_->play("enemy_hit", 100, kOwnRate, false);
    null_->advanceTime(0.2);  // longer than the 0.1 s duplicate, shorter than the first
    EXPECT_TRUE(null_->voicePlaying(0, 0));
}

TEST_F(SoundSystemTest, ArgumentsAreHeldToTheirRangesAndTheTableToItsSize) {
    for (int i = 0; i < kMaxSamples; ++i) {
        ASSERT_TRUE(sound_->loadSample(path("tenth.ogg").c_str(), std::to_string(i).c_str()));
    }
    EXPECT_FALSE(sound_->loadSample(path("tenth.ogg").c_str(), "one_too_many"));
    sound_->play("one_too_many", 100, kOwnRate, false);
    EXPECT_EQ(log().size(), 0u);

    // {volume, frequency} given, then kept.
    const int cases[][4] = {{100, 65000, 100, 65000},
                            {150, -1, 100, kOwnRate},
                            {-5, 0, 0, kOwnRate},
                            {50, 10, 50, 100},
                            {50, 10000000, 50, 200000}};
    for (const auto& c : cases) {
        sound_->play("63", c[0], c[1], false);
        EXPECT_EQ(last().volume, c[2]) << c[0];
        EXPECT_EQ(last().frequency, c[3]) << c[1];
    }
}

TEST_F(SoundSystemTest, ChangingTrackStopsAndStartsAndMinusOneRestartsTheCurrentOne) {
    std::filesystem::create_directories(folder_.file("data/sound"));
    for (const char* name : {"ironclad", "snake6"}) {  // tracks 1 and 2, as the game names them
        std::filesystem::copy_file(path("tenth.ogg"),
                                   folder_.file("data/sound/music_") + name + ".ogg");
    }
    folder_.enter();
    using Heard = std::vector<std::string>;
    int current = 2;
    auto change = [&](int requested) {  // "stop", or "file@volume" for a start
        null_->log().clear();
        playMusicTrack(*sound_, current, requested);
        Heard heard;
        for (std::size_t i = 0; i < log().size(); ++i) {
            const AudioEvent& e = log().at(i);
            heard.push_back(e.kind == AudioEventKind::MusicStop
                                ? "stop"
                                : std::string(e.name) + "@" + std::to_string(e.volume));
        }
        return heard;
    };
    EXPECT_EQ(change(kNoMusicTrack), Heard{"data\\sound\\music_snake6.ogg@70"});
    EXPECT_EQ(change(1), (Heard{"stop", "data\\sound\\music_ironclad.ogg@50"}));
    EXPECT_EQ(current, 1);
    // A room without music leaves silence, and "restart" then restarts nothing.
    EXPECT_EQ(change(4), Heard{"stop"});
    EXPECT_EQ(change(kNoMusicTrack), Heard{});
    EXPECT_EQ(current, 4);

    // Files that are not music start none.
    sound_->playMusic(path("missing.ogg").c_str(), 50);
    sound_->playMusic(path("half.wav").c_str(), 50);
    EXPECT_FALSE(sound_->musicPlaying());
}

}  // namespace
