// The sounds the normal build generated into data/sound, read back the way
// the game reads them: every file the game loads decodes, is neither clipped
// nor silent, fits its event, and the music loops without a seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "audio/MusicTracks.h"
#include "audio/SoundFile.h"
#include "audio/VorbisStream.h"
#include "game/Game.h"
#include "support/ScratchFolder.h"

namespace {

struct Decoded {
    int channels = 0, rate = 0;
    std::vector<float> samples;  // interleaved, -1..1
    double seconds() const { return static_cast<double>(samples.size()) / channels / rate; }
};

std::string fileName(const std::string& gamePath) {
    return gamePath.substr(gamePath.find_last_of("\\/") + 1);
}

// Effects through the sample loader, music through the streaming decoder.
Decoded decode(const std::string& gamePath) {
    const std::string name = fileName(gamePath);
    const std::string path = generatedDataDir() + "/sound/" + name;
    PcmSound pcm;
    VorbisStream stream;
    if (name.rfind("music_", 0) != 0) {
        EXPECT_TRUE(loadSoundFile(path, pcm, nullptr)) << name;
    } else if (stream.open(path)) {
        pcm.channels = stream.channels();
        pcm.rate = stream.rate();
        std::vector<std::int16_t> piece(4096 * 2);
        while (const int got = stream.read(piece.data(), 4096, false))
            pcm.samples.insert(pcm.samples.end(), piece.begin(),
                               piece.begin() + got * pcm.channels);
    }
    Decoded out{pcm.channels, pcm.rate, {}};
    for (std::int16_t s : pcm.samples) out.samples.push_back(s / 32768.0f);
    EXPECT_FALSE(out.samples.empty()) << name << " does not decode";
    return out;
}

// Peak and DC offset of the whole sound, and RMS of its loudest 50 ms (of
// the whole, for music), in dBFS.
struct Levels {
    double peakDb, mean, loudnessDb;
};
Levels levels(const Decoded& d) {
    const std::size_t n = d.samples.size();
    const std::size_t window = d.channels == 1 ? std::size_t(d.rate / 20) : n;
    double peak = 1e-9, sum = 0.0, loudest = 1e-18;
    for (std::size_t begin = 0; begin < n; begin += window / 2) {
        double squares = 0.0;
        for (std::size_t i = begin; i < std::min(n, begin + window); ++i)
            squares += d.samples[i] * d.samples[i];
        loudest = std::max(loudest, squares / window);
    }
    for (float s : d.samples) {
        peak = std::max(peak, std::fabs(double(s)));
        sum += s;
    }
    return {20.0 * std::log10(peak), sum / std::max<std::size_t>(1, n), 10.0 * std::log10(loudest)};
}

TEST(GeneratedSounds, EffectsFitTheirEventsAndMusicLoopsSeamlesslyBelowThem) {
    REQUIRE_GENERATED_DATA();
    // The pick-up fanfare covers the 4 s freeze, the flush its 100 frames,
    // the dragon passes in 2-3 s; everything else is quick.
    const std::map<std::string, std::pair<double, double>> lengths = {
        {"voidlet_item.ogg", {3.5, 4.5}},     {"flush.ogg", {1.1, 1.5}},
        {"big_crush.wav", {1.0, 3.0}},        {"dragon_woosh.ogg", {2.0, 3.0}},
        {"dragon_woosh_rev.ogg", {2.0, 3.0}},
    };
    std::vector<double> loudness;
    for (const SampleFile& sample : kSampleTable) {
        const std::string name = fileName(sample.file);
        SCOPED_TRACE(name);
        const Decoded sound = decode(sample.file);
        if (sound.samples.empty()) continue;
        EXPECT_EQ(sound.rate, 44100);
        EXPECT_EQ(sound.channels, 1);
        const auto range = lengths.count(name) ? lengths.at(name) : std::pair{0.02, 1.2};
        EXPECT_GE(sound.seconds(), range.first);
        EXPECT_LE(sound.seconds(), range.second);
        const Levels l = levels(sound);
        EXPECT_LT(l.peakDb, -1.0);
        EXPECT_LT(std::fabs(l.mean), 0.002) << "DC offset";
        // Faded edges: nothing jumps from or to silence.
        EXPECT_LT(std::fabs(sound.samples.front()), 0.01f);
        EXPECT_LT(std::fabs(sound.samples.back()), 0.01f);
        loudness.push_back(l.loudnessDb);
    }
    ASSERT_EQ(loudness.size(), std::size(kSampleTable));
    std::vector<double> sorted = loudness;
    std::sort(sorted.begin(), sorted.end());
    const double median = sorted[sorted.size() / 2];
    for (std::size_t i = 0; i < loudness.size(); ++i)
        EXPECT_NEAR(loudness[i], median, 4.0) << kSampleTable[i].file;

    for (int track = 0; track < kMusicTrackCount; ++track) {
        SCOPED_TRACE(findMusicTrack(track)->file);
        const Decoded music = decode(findMusicTrack(track)->file);
        if (music.samples.empty()) continue;
        EXPECT_EQ(music.rate, 44100);
        ASSERT_EQ(music.channels, 2);
        EXPECT_GE(music.seconds(), 45.0);
        const Levels l = levels(music);
        EXPECT_LT(l.peakDb, -1.0);
        EXPECT_LT(std::fabs(l.mean), 0.002) << "DC offset";
        EXPECT_LT(l.loudnessDb, median - 8.0) << "would drown the effects";
        EXPECT_GT(l.loudnessDb, median - 30.0) << "all but silent";
        // Played as a loop, frames run ... n-1, 0 ... A seam shows as a kink
        // there: the second difference at the join must be no larger than
        // anywhere in the 50 ms on either side.
        const std::size_t frames = music.samples.size() / 2, window = 2205;
        for (int c = 0; c < 2; ++c) {
            std::vector<float> played;
            for (std::size_t i = frames - window; i < frames + window; ++i)
                played.push_back(music.samples[2 * (i % frames) + c]);
            auto kink = [&](std::size_t i) {
                return std::fabs(played[i] - 2.0f * played[i - 1] + played[i - 2]);
            };
            float largestNearby = 0.0f;
            for (std::size_t i = 2; i < played.size(); ++i)
                if (i != window && i != window + 1)
                    largestNearby = std::max(largestNearby, kink(i));
            EXPECT_LE(std::max(kink(window), kink(window + 1)), largestNearby) << "channel " << c;
        }
    }
}

}  // namespace
