// The WAV and Ogg decoders, the music stream, and the sound system (silent back end).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "audio/MusicTracks.h"
#include "audio/NullAudioBackend.h"
#include "audio/OggDecoder.h"
#include "audio/SoundFile.h"
#include "audio/SoundFixtures.h"
#include "audio/SoundSystem.h"
#include "audio/VorbisStream.h"
#include "audio/WavDecoder.h"
#include "support/ScratchFolder.h"

using namespace soundtest;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Samples = std::vector<std::int16_t>;

Samples decodedWav(const Bytes& bytes) {
    PcmSound out;
    std::string error;
    EXPECT_TRUE(decodeWav(bytes.data(), bytes.size(), out, &error)) << error;
    return out.samples;
}

TEST(WavDecoder, ConvertsEachSampleFormatToSixteenBits) {
    // 8-bit is unsigned around 128; 24-bit keeps its top two bytes.
    EXPECT_EQ(decodedWav(wavWithFormat(1, 1, 8000, 8, {0, 128, 255})), (Samples{-32768, 0, 32512}));
    EXPECT_EQ(decodedWav(wavWithFormat(1, 1, 8000, 24, {0x00, 0x34, 0x12})), (Samples{0x1234}));
    // Float is scaled, and clipped beyond full scale.
    Bytes floats(12);
    const float values[3] = {0.5f, -2.0f, 1.0f};
    std::memcpy(floats.data(), values, sizeof values);
    EXPECT_EQ(decodedWav(wavWithFormat(3, 1, 8000, 32, floats)), (Samples{16384, -32767, 32767}));
}

TEST(WavDecoder, SkipsOtherChunksAndThePadByteAfterAnOddOne) {
    auto chunk = [](Bytes& out, const char* tag, const Bytes& body) {
        putTag(out, tag);
        put(out, static_cast<std::uint32_t>(body.size()), 4);
        out.insert(out.end(), body.begin(), body.end());
        if (body.size() % 2 == 1) out.push_back(0xAB);  // the pad byte, deliberately not 0
    };
    const Bytes full = wavWithFormat(1, 1, 8000, 8, {});  // 8-bit mono
    const Bytes note = {'h', 'i', '!'};
    Bytes bytes = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    chunk(bytes, "LIST", note);
    chunk(bytes, "fmt ", Bytes(full.begin() + 20, full.begin() + 36));
    chunk(bytes, "note", note);
    chunk(bytes, "data", {128, 255, 0});
    const Samples expected = {0, 127 * 256, -128 * 256};
    // The last chunk of a file may lack its pad byte.
    EXPECT_EQ(decodedWav({bytes.begin(), bytes.end() - 1}), expected);
    chunk(bytes, "LIST", note);
    EXPECT_EQ(decodedWav(bytes), expected);
}

TEST(WavDecoder, RefusesMalformedFilesWithoutReadingPastThem) {
    const Bytes good = wavBytes(sineTone(8000, 2, 50, 300.0, 0.5));
    // Every cut: refused until a frame is whole, else whole frames; ASan sees overreads.
    for (std::size_t length = 0; length < good.size(); ++length) {
        const Bytes prefix(good.begin(), good.begin() + length);
        PcmSound sound;
        const bool ok = decodeWav(prefix.data(), prefix.size(), sound, nullptr);
        EXPECT_EQ(ok, length >= 44 + 4) << "length " << length;
        if (ok) {
            EXPECT_EQ(sound.frames(), (length - 44) / 4) << "length " << length;
        }
    }
    Bytes hugeFmt = good;
    hugeFmt[16] = hugeFmt[17] = hugeFmt[18] = hugeFmt[19] = 0xff;
    Bytes badAlign = good;
    badAlign[32] = 3;  // disagrees with channels x bits
    const std::pair<const char*, Bytes> cases[] = {
        {"no channels", wavWithFormat(1, 0, 8000, 16, {1, 2})},
        {"three channels", wavWithFormat(1, 3, 8000, 16, {1, 2, 3, 4, 5, 6})},
        {"absurd rate", wavWithFormat(1, 1, 4000000, 16, {1, 2})},
        {"compressed", wavWithFormat(2, 1, 8000, 16, {1, 2})},
        {"12-bit", wavWithFormat(1, 1, 8000, 12, {1, 2})},
        {"fmt chunk running past the end", hugeFmt},
        {"block align lie", badAlign},
    };
    for (const auto& [what, bytes] : cases) {
        PcmSound sound;
        std::string error;
        EXPECT_FALSE(decodeWav(bytes.data(), bytes.size(), sound, &error)) << what;
        EXPECT_FALSE(error.empty()) << what;
    }
}

TEST(OggDecoder, IsChosenByContentsRefusesBrokenFilesAndKeepsWhatACutFileHolds) {
    const PcmSound hiss = sineTone(44100, 2, 2 * 44100, 0, 0.3);
    const Bytes bytes = oggBytes(hiss);
    PcmSound out;
    ScratchFolder dir("ogg_decoder");
    writeBytes(dir.file("named_like_a.wav"), bytes);
    ASSERT_TRUE(loadSoundFile(dir.file("named_like_a.wav"), out, nullptr));
    EXPECT_EQ(out.channels, 2);
    EXPECT_EQ(out.rate, 44100);
    EXPECT_EQ(out.frames(), hiss.frames());
    for (std::size_t length : {0ul, 4ul, 27ul, 100ul, 1000ul}) {  // inside the headers
        EXPECT_FALSE(
            decodeOgg(Bytes(bytes.begin(), bytes.begin() + length).data(), length, out, nullptr))
            << length;
    }
    // Cut in the audio: the pages that are whole still play.
    const Bytes cut(bytes.begin(), bytes.begin() + bytes.size() * 3 / 4);
    ASSERT_TRUE(decodeOgg(cut.data(), cut.size(), out, nullptr));
    EXPECT_GT(out.frames(), hiss.frames() / 4);
    EXPECT_LT(out.frames(), hiss.frames());
}

TEST(VorbisStream, LoopsWithoutAGapAndEndsWithoutLoop) {
    ScratchFolder dir("vorbis_stream");
    const int length = 8800;  // 88 whole cycles of 441 Hz
    writeBytes(dir.file("loop.ogg"), oggBytes(sineTone(44100, 2, length, 441.0, 0.5)));
    VorbisStream stream;
    ASSERT_TRUE(stream.open(dir.file("loop.ogg")));

    // Reads across the file's end; every pass repeats the first sample for sample.
    Samples played;
    Samples piece(2 * 3001);
    while (played.size() < 2u * 3 * length) {
        ASSERT_EQ(stream.read(piece.data(), 3001, true), 3001);
        played.insert(played.end(), piece.begin(), piece.end());
    }
    const auto firstPass = played.begin() + 2 * length;
    EXPECT_TRUE(std::equal(played.begin(), firstPass, firstPass));
    EXPECT_TRUE(std::equal(played.begin(), firstPass, firstPass + 2 * length));
    ASSERT_TRUE(stream.open(dir.file("loop.ogg")));
    for (const int expected : {3001, 3001, length - 6002, 0}) {
        EXPECT_EQ(stream.read(piece.data(), 3001, false), expected);
    }
    EXPECT_FALSE(stream.open(dir.file("missing.ogg")));
    EXPECT_EQ(stream.read(piece.data(), 10, true), 0);
}

constexpr int kToneRate = 22050;

// A SoundSystem over the silent back end; "half.wav" lasts 0.5 s, "tenth.ogg" 0.1 s.
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

TEST_F(SoundSystemTest, ASampleHasTwoVoicesAFinishedOneIsTakenFirstElseTheOldest) {
    ASSERT_TRUE(sound_->loadSample(path("half.wav").c_str(), "door_open"));
    sound_->play("door_open", 100, kOwnRate, true);  // voice 0 loops for ever
    null_->advanceTime(0.1);
    sound_->play("door_open", 100, 2 * kToneRate, false);  // twice the rate: 0.25 s
    null_->advanceTime(0.5);                               // past the end of either at its own pace
    EXPECT_TRUE(null_->voicePlaying(0, 0));
    EXPECT_FALSE(null_->voicePlaying(0, 1));
    for (int volume : {40, 41, 42}) sound_->play("door_open", volume, kOwnRate, false);
    EXPECT_EQ(voicesUsed(), (std::vector<int>{0, 1, 1, 0, 1}));
    EXPECT_TRUE(log().at(0).loop);
    EXPECT_STREQ(last().name, "door_open");
    EXPECT_EQ(last().volume, 42);
}

TEST_F(SoundSystemTest, NamesMatchExactlyAndTheFirstEntryOfANameWins) {
    ASSERT_TRUE(sound_->loadSample(path("half.wav").c_str(), "enemy_hit"));
    ASSERT_TRUE(sound_->loadSample(path("tenth.ogg").c_str(), "enemy_hit"));
    for (const char* name :
         {"Enemy_hit", "enemy", "enemy_hit ", static_cast<const char*>(nullptr)}) {
        sound_->play(name, 100, kOwnRate, false);
    }
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
    sound_->playMusic(path("half.wav").c_str(), 50);  // not music: none starts
    EXPECT_FALSE(sound_->musicPlaying());
}

// --mute must not touch the sound card nor complain; the game still calls it.
TEST(SoundSystemMute, OpensNothingSaysNothingAndStaysHarmless) {
    ScratchFolder folder("mute");
    writeBytes(folder.file("beep.wav"), wavBytes(sineTone(8000, 1, 800, 500, 0.3)));
    ::testing::internal::CaptureStderr();
    {
        SoundSystem sound(SoundSystem::Output::Mute);
        EXPECT_FALSE(sound.hasDevice());
        EXPECT_TRUE(sound.loadSample(folder.file("beep.wav").c_str(), "beep"));
        sound.play("beep", 100, 20000, true);
        sound.playMusic(folder.file("none.ogg").c_str(), 50);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
