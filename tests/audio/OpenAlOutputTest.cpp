// Tests through the real OpenAL back end. OpenAL Soft reads its driver list
// and configuration once per process, so each test opens the device in a
// child process of its own (a "threadsafe" death test re-runs this binary),
// with the environment set in the child only.
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

using namespace soundtest;

namespace {

void sleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Ends the child: 0 when `ok`, else 1 after saying why on stderr.
[[noreturn]] void finishChild(bool ok, const char* why) {
    if (!ok) std::fprintf(stderr, "child failed: %s\n", why);
    std::fflush(stderr);
    std::exit(ok ? 0 : 1);
}

void runWithoutDevice(const std::string& dir) {
    setenv("ALSOFT_DRIVERS", "quasarine-no-such-driver", 1);
    bool ok = true;
    {
        SoundSystem sound(SoundSystem::Output::Device);
        ok = !sound.hasDevice();
        sound.loadSample((dir + "/beep.wav").c_str(), "beep");
        sound.play("beep", 100, 65000, true);
        sound.playMusic((dir + "/loop.ogg").c_str(), 50);  // left running into destruction
    }
    finishChild(ok, "a device opened where none should");
}

TEST(OpenAlBackend, WithoutADeviceTheGameIsToldAndGoesOnSilently) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ScratchFolder folder("no_device");  // the child re-runs this body: the same folder
    const std::string dir = folder.path();
    writeBytes(dir + "/beep.wav", wavBytes(sineTone(8000, 1, 800, 500, 0.3)));
    writeBytes(dir + "/loop.ogg", oggBytes(sineTone(44100, 2, 4410, 441, 0.3)));
    EXPECT_EXIT(runWithoutDevice(dir), ::testing::ExitedWithCode(0), "Error: Couldn't init BASS\n");
}

constexpr int kToneRate = 22050;
constexpr double kToneSeconds = 0.5;
constexpr double kMusicHz = 441.0;
constexpr int kMusicMs = 900;  // well past the stream's queue and 4 loops

// Plays into OpenAL Soft's wave writer: the tone at its own rate, at twice
// its rate, then the music while this thread does nothing at all, as a
// stalled main loop would. Returns what went wrong, or nullptr.
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

void playIntoWaveFile(const std::string& dir) {
    setenv("ALSOFT_DRIVERS", "wave", 1);
    setenv("ALSOFT_CONF", (dir + "/alsoft.conf").c_str(), 1);
    const char* failure = nullptr;
    {
        SoundSystem sound(SoundSystem::Output::Device);
        failure = playTonesAndMusic(sound, dir);
    }  // closing the device completes the file's header
    finishChild(failure == nullptr, failure);
}

// A stretch of the output louder than the silence around it.
struct Burst {
    std::size_t start;
    std::size_t end;  // one past the last loud frame
    double seconds(int rate) const { return static_cast<double>(end - start) / rate; }
};

// Loud stretches of `left`, joining quiet gaps shorter than 20 ms (a sine's
// own zero crossings).
std::vector<Burst> findBursts(const std::vector<int>& left, int rate, int threshold) {
    std::vector<Burst> bursts;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (std::abs(left[i]) < threshold) continue;
        if (!bursts.empty() && i - bursts.back().end < static_cast<std::size_t>(rate / 50)) {
            bursts.back().end = i + 1;
        } else {
            bursts.push_back({i, i + 1});
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
    // 88 whole cycles, starting at the peak as a track may: the music must
    // fade in rather than jump to it from silence.
    PcmSound loop = sineTone(44100, 2, 8800, kMusicHz, 0.5);
    const int quarterCycle = static_cast<int>(44100 / kMusicHz / 4);
    std::rotate(loop.samples.begin(), loop.samples.begin() + 2 * quarterCycle, loop.samples.end());
    writeBytes(dir + "/loop.ogg", oggBytes(loop));
    std::ofstream(dir + "/alsoft.conf") << "[general]\ndrivers = wave\nfrequency = 44100\n"
                                           "channels = stereo\nsample-type = int16\n"
                                           "[wave]\nfile = "
                                        << dir << "/out.wav\n";

    EXPECT_EXIT(playIntoWaveFile(dir), ::testing::ExitedWithCode(0), "");

    const std::vector<std::uint8_t> bytes = readBytes(dir + "/out.wav");
    PcmSound out;
    std::string error;
    ASSERT_TRUE(decodeWav(bytes.data(), bytes.size(), out, &error)) << error;
    ASSERT_EQ(out.channels, 2);
    ASSERT_EQ(out.rate, 44100);
    std::vector<int> left(out.frames());
    for (std::size_t i = 0; i < left.size(); ++i) left[i] = out.samples[2 * i];

    const std::vector<Burst> bursts = findBursts(left, out.rate, 1500);
    ASSERT_EQ(bursts.size(), 3u) << "expected the tone, the fast tone and the music";
    // Lengths within 5 ms: a voice at a given rate plays at that rate, one at
    // its own rate at the sample's.
    EXPECT_NEAR(bursts[0].seconds(out.rate), kToneSeconds, 0.005);
    EXPECT_NEAR(bursts[1].seconds(out.rate), kToneSeconds / 2, 0.005);

    // The music faded in and ran through its loops without a gap or a jump:
    // from the silence before it on, no step between neighbouring frames is
    // steeper than the sine itself allows.
    const Burst& music = bursts[2];
    EXPECT_GT(music.seconds(out.rate), kMusicMs / 1000.0 - 0.1);
    int peak = 0;
    int crossings = 0;
    for (std::size_t i = music.start; i < music.end; ++i) {
        peak = std::max(peak, std::abs(left[i]));
        crossings += left[i - 1] < 0 && left[i] >= 0;
    }
    EXPECT_NEAR(crossings / music.seconds(out.rate), kMusicHz, 5);
    const double maxStep = peak * 2 * M_PI * kMusicHz / out.rate * 1.25;
    int worstStep = 0;
    std::size_t worstAt = 0;
    for (std::size_t i = std::max(bursts[1].end + 1, music.start - 500); i + 200 < music.end; ++i) {
        const int step = std::abs(left[i] - left[i - 1]);
        if (step > worstStep) {
            worstStep = step;
            worstAt = i;
        }
    }
    EXPECT_LE(worstStep, maxStep) << "at frame " << static_cast<long>(worstAt - music.start)
                                  << " of the music";
}

}  // namespace
