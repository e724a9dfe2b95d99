// The real OpenAL back end, each test in a child: OpenAL Soft reads its setup once.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "audio/SoundFixtures.h"
#include "audio/SoundSystem.h"
#include "audio/WavDecoder.h"
#include "support/ScratchFolder.h"
#include "support/TestImages.h"

using namespace soundtest;

namespace {

TEST(OpenAlBackend, WithoutADeviceTheGameIsToldAndGoesOnWithoutOne) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto openNone = [] {
        setenv("ALSOFT_DRIVERS", "quasarine-no-such-driver", 1);
        SoundSystem sound(SoundSystem::Output::Device);
        std::exit(sound.hasDevice() ? 1 : 0);
    };
    EXPECT_EXIT(openNone(), ::testing::ExitedWithCode(0), "Error: Couldn't init BASS\n");
}

constexpr int kToneRate = 22050;
constexpr double kToneSeconds = 0.5;
constexpr double kMusicHz = 441.0;
constexpr int kMusicMs = 900;  // well past the stream's queue and 4 loops

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// The tone at its own rate, at twice it, then the music while this thread
// stalls as a main loop might. Returns what went wrong, or nullptr.
const char* playTonesAndMusic(SoundSystem& sound, const std::string& dir) {
    if (!sound.hasDevice()) return "the wave device did not open";
    if (!sound.loadSample((dir + "/tone.wav").c_str(), "tone")) return "tone.wav did not load";
    for (const int rate : {kOwnRate, 2 * kToneRate}) {
        sleepMs(150);
        sound.play("tone", 100, rate, false);
        for (int i = 0; i < 400 && sound.backend().voicePlaying(0, 0); ++i) sleepMs(5);
        if (sound.backend().voicePlaying(0, 0)) return "a tone never ended";
    }
    sleepMs(150);
    sound.playMusic((dir + "/loop.ogg").c_str(), 100);
    sleepMs(kMusicMs);
    const bool stillPlaying = sound.musicPlaying();
    sound.stopMusic();
    sleepMs(150);
    return stillPlaying ? nullptr : "the music stopped by itself";
}

// Ends the child process: 0 when all went well, else 1 after saying why.
void playIntoWaveFile(const std::string& dir) {
    setenv("ALSOFT_DRIVERS", "wave", 1);
    setenv("ALSOFT_CONF", (dir + "/alsoft.conf").c_str(), 1);
    const char* failure = nullptr;
    {
        SoundSystem sound(SoundSystem::Output::Device);
        failure = playTonesAndMusic(sound, dir);
    }  // closing the device completes the file's header
    if (failure) std::fprintf(stderr, "child failed: %s\n", failure);
    std::fflush(stderr);
    std::exit(failure ? 1 : 0);
}

// Loud [start, end) stretches of `left`, across gaps under 20 ms (zero crossings).
std::vector<std::pair<std::size_t, std::size_t>> findBursts(const std::vector<int>& left,
                                                            int rate) {
    std::vector<std::pair<std::size_t, std::size_t>> bursts;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (std::abs(left[i]) < 1500) continue;
        if (!bursts.empty() && i - bursts.back().second < static_cast<std::size_t>(rate / 50)) {
            bursts.back().second = i + 1;
        } else {
            bursts.emplace_back(i, i + 1);
        }
    }
    return bursts;
}

TEST(OpenAlBackend, WaveOutputHasTheTonesAtTheirRatesAndUnbrokenMusic) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScratchFolder folder("wave_output");
    const std::string dir = folder.path();
    writeBytes(dir + "/tone.wav",
               wavBytes(sineTone(kToneRate, 1, kToneRate * kToneSeconds, 1000.0, 0.5)));
    // 88 whole cycles from the peak: the music must fade in, not jump to it.
    PcmSound loop = sineTone(44100, 2, 8800, kMusicHz, 0.5);
    const int quarterCycle = static_cast<int>(44100 / kMusicHz / 4);
    std::rotate(loop.samples.begin(), loop.samples.begin() + 2 * quarterCycle, loop.samples.end());
    writeBytes(dir + "/loop.ogg", oggBytes(loop));
    std::ofstream(dir + "/alsoft.conf") << "[general]\ndrivers = wave\nfrequency = 44100\n"
                                           "channels = stereo\nsample-type = int16\n"
                                           "[wave]\nfile = "
                                        << dir << "/out.wav\n";
    EXPECT_EXIT(playIntoWaveFile(dir), ::testing::ExitedWithCode(0), "");
    const std::string bytes = readTextFile(dir + "/out.wav");
    PcmSound out;
    ASSERT_TRUE(
        decodeWav(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), out, nullptr));
    ASSERT_EQ(out.channels, 2);
    ASSERT_EQ(out.rate, 44100);
    std::vector<int> left(out.frames());
    for (std::size_t i = 0; i < left.size(); ++i) left[i] = out.samples[2 * i];
    const auto bursts = findBursts(left, out.rate);
    ASSERT_EQ(bursts.size(), 3u) << "expected the tone, the fast tone and the music";
    auto seconds = [&](int burst) {
        return static_cast<double>(bursts[burst].second - bursts[burst].first) / out.rate;
    };
    // Within 5 ms: a voice plays at the rate given, or at the sample's own.
    EXPECT_NEAR(seconds(0), kToneSeconds, 0.005);
    EXPECT_NEAR(seconds(1), kToneSeconds / 2, 0.005);

    // Faded in, looped without a gap: from silence on, no step steeper than the sine's.
    const auto [start, end] = bursts[2];
    EXPECT_GT(seconds(2), kMusicMs / 1000.0 - 0.1);
    int peak = 0;
    int crossings = 0;
    for (std::size_t i = start; i < end; ++i) {
        peak = std::max(peak, std::abs(left[i]));
        crossings += left[i - 1] < 0 && left[i] >= 0;
    }
    EXPECT_NEAR(crossings / seconds(2), kMusicHz, 5);
    int worstStep = 0;
    for (std::size_t i = std::max(bursts[1].second + 1, start - 500); i + 200 < end; ++i) {
        worstStep = std::max(worstStep, std::abs(left[i] - left[i - 1]));
    }
    EXPECT_LE(worstStep, peak * 2 * M_PI * kMusicHz / out.rate * 1.25);
}

}  // namespace
