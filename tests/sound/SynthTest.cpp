// The synthesizer's building blocks: pitch, envelopes, filters, mastering.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Envelope.h"
#include "LayerRenderer.h"
#include "Mastering.h"
#include "NoteName.h"
#include "Oscillator.h"
#include "StateVariableFilter.h"

using namespace soundgen;

namespace {

constexpr double kPi = 3.141592653589793;

// Upward zero crossings in [begin, end): the frequency times the duration.
int risingCrossings(const std::vector<float>& x, std::size_t begin, std::size_t end) {
    int count = 0;
    for (std::size_t i = std::max<std::size_t>(begin, 1); i < end; ++i)
        count += x[i - 1] < 0.0f && x[i] >= 0.0f;
    return count;
}

std::vector<float> run(Oscillator& osc, double freq, double duty, std::size_t frames) {
    std::vector<float> out(frames);
    for (float& s : out) s = osc.next(freq, duty);
    return out;
}

double rms(const std::vector<float>& x, std::size_t begin, std::size_t end) {
    double sum = 0.0;
    for (std::size_t i = begin; i < end; ++i) sum += x[i] * x[i];
    return std::sqrt(sum / (end - begin));
}

TEST(NoteName, NamesGiveEqualTemperedPitches) {
    EXPECT_DOUBLE_EQ(noteFrequency("A4"), 440.0);
    EXPECT_NEAR(noteFrequency("C4"), 261.626, 0.001);
    EXPECT_NEAR(noteFrequency("A2"), 110.0, 1e-9);
    EXPECT_DOUBLE_EQ(noteFrequency("Bb2"), noteFrequency("A#2"));
    EXPECT_NEAR(noteFrequency("C#4") / noteFrequency("C4"), std::pow(2.0, 1.0 / 12.0), 1e-12);
    for (const char* bad : {"", "C", "C#", "H4", "C10", "c#x", "4C"})
        EXPECT_EQ(noteFrequency(bad), 0.0) << bad;
}

TEST(Oscillator, EveryWaveformRunsAtItsPitchAndNoiseAtItsRate) {
    for (Waveform wave : {Waveform::Sine, Waveform::Square, Waveform::Saw, Waveform::Triangle}) {
        Oscillator osc(wave, 1);
        const std::vector<float> x = run(osc, 1000.0, 0.5, kSampleRate);
        EXPECT_NEAR(risingCrossings(x, 0, x.size()), 1000, 2) << static_cast<int>(wave);
        for (float s : x) ASSERT_LE(std::fabs(s), 1.2f);
    }
    // A quarter-duty square spends three quarters of its time low.
    Oscillator square(Waveform::Square, 1);
    double mean = 0.0;
    for (float s : run(square, 441.0, 0.25, kSampleRate)) mean += s / kSampleRate;
    EXPECT_NEAR(mean, -0.5, 0.02);

    // Noise with no pitch changes nearly every sample; with one, that often.
    for (double rate : {0.0, 100.0}) {
        Oscillator noise(Waveform::Noise, 3);
        const std::vector<float> w = run(noise, rate, 0.5, kSampleRate);
        int changes = 0;
        mean = 0.0;
        for (std::size_t i = 1; i < w.size(); ++i) {
            changes += w[i] != w[i - 1];
            mean += w[i] / kSampleRate;
            ASSERT_LE(std::fabs(w[i]), 1.0f);
        }
        if (rate == 0.0) {
            EXPECT_NEAR(mean, 0.0, 0.02);
            EXPECT_GT(changes, kSampleRate * 9 / 10);
        } else {
            EXPECT_TRUE(changes >= 95 && changes <= 100) << changes;
        }
    }
}

TEST(Envelope, RisesDecaysHoldsAndReleasesFromWhereItIs) {
    const EnvelopeShape shape{0.1, 0.2, 0.5, 0.4};
    const Envelope held(shape, 1.0);
    EXPECT_DOUBLE_EQ(held.level(0.0), 0.0);
    EXPECT_DOUBLE_EQ(held.level(0.1), 1.0);
    EXPECT_GT(held.level(0.2), 0.5);
    EXPECT_DOUBLE_EQ(held.level(0.5), 0.5);
    EXPECT_DOUBLE_EQ(held.level(1.0), 0.5);
    EXPECT_LT(held.level(1.2), 0.5);
    EXPECT_NEAR(held.level(1.4), 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(held.length(), 1.4);
    // Let go early in the attack: the release starts from 0.3, not from 1 or
    // the sustain level, so there is no jump.
    const Envelope tapped(shape, 0.03);
    EXPECT_NEAR(tapped.level(0.0299), 0.3, 0.01);
    EXPECT_NEAR(tapped.level(0.0301), 0.3, 0.01);
    EXPECT_DOUBLE_EQ(tapped.level(0.43), 0.0);
}

TEST(StateVariableFilter, LowPassAndHighPassSplitTheBand) {
    auto gainDb = [](double toneHz, bool low) {
        StateVariableFilter filter;
        Oscillator tone(Waveform::Sine, 1);
        std::vector<float> out(kSampleRate / 2);
        for (float& s : out) {
            const auto o = filter.process(tone.next(toneHz, 0.5), 500.0);
            s = low ? o.low : o.high;
        }
        return 20.0 * std::log10(rms(out, out.size() / 2, out.size()) / std::sqrt(0.5));
    };
    EXPECT_NEAR(gainDb(100.0, true), 0.0, 1.0);
    EXPECT_LT(gainDb(5000.0, true), -30.0);
    EXPECT_NEAR(gainDb(5000.0, false), 0.0, 1.0);
    EXPECT_LT(gainDb(50.0, false), -30.0);
}

TEST(LayerRenderer, PitchSlidesToItsEndAndTheNoteEndsWithItsRelease) {
    LayerParams layer;
    layer.relativePitch = false;
    layer.pitchStart = 200.0;
    layer.pitchEnd = 800.0;
    layer.slideTime = 0.1;
    layer.envelope = {0.001, 0.0, 1.0, 0.1};
    std::vector<float> out;
    renderLayerNote(layer, 0.0, 0.5, 1.0f, out, 100);
    ASSERT_EQ(out.size(), 100u + static_cast<std::size_t>(0.6 * kSampleRate));
    for (std::size_t i = 0; i < 100; ++i) ASSERT_EQ(out[i], 0.0f);
    const std::size_t at = 100 + kSampleRate / 5;
    EXPECT_NEAR(risingCrossings(out, at, at + kSampleRate / 5), 160, 2);  // 800 Hz for 0.2 s
    EXPECT_LT(risingCrossings(out, 100, 100 + kSampleRate / 100), 4);     // ~200 Hz at first
    EXPECT_NEAR(out.back(), 0.0f, 1e-3f);

    // A relative layer plays the note it is given (an octave up here), at its velocity.
    LayerParams octave;
    octave.pitchStart = octave.pitchEnd = 2.0;
    octave.envelope = {0.001, 0.0, 1.0, 0.01};
    std::vector<float> high;
    renderLayerNote(octave, 220.0, 1.0, 0.5f, high, 0);
    EXPECT_NEAR(risingCrossings(high, 0, kSampleRate), 440, 2);
    EXPECT_NEAR(rms(high, 1000, kSampleRate), 0.5 * std::sqrt(0.5), 0.01);
}

TEST(Mastering, LimiterRoundsOffOnlyThePeaks) {
    PcmBuffer pcm;
    for (int i = -200; i <= 200; ++i) pcm.samples.push_back(i / 100.0f);  // -2 .. 2
    const PcmBuffer before = pcm;
    softLimit(pcm, -6.0, -1.0);
    const float knee = static_cast<float>(std::pow(10.0, -6.0 / 20.0));
    const float ceiling = static_cast<float>(std::pow(10.0, -1.0 / 20.0));
    for (std::size_t i = 0; i < pcm.samples.size(); ++i) {
        if (std::fabs(before.samples[i]) <= knee) EXPECT_EQ(pcm.samples[i], before.samples[i]);
        EXPECT_LT(std::fabs(pcm.samples[i]), ceiling);
        if (i > 0) EXPECT_GT(pcm.samples[i], pcm.samples[i - 1]) << "order kept";
    }
}

TEST(Mastering, DcRemovalOfALoopLeavesNoSeam) {
    // Whole cycles of a 100 Hz tone riding on a DC offset of 0.3, looped.
    PcmBuffer loop;
    loop.channels = 2;
    const std::size_t frames = kSampleRate;
    for (std::size_t i = 0; i < frames; ++i) {
        const float s = 0.3f + 0.5f * static_cast<float>(std::sin(2 * kPi * 100.0 * i / frames));
        loop.samples.insert(loop.samples.end(), {s, -s});
    }
    removeDcOffset(loop, true);
    for (int c = 0; c < 2; ++c) {
        double mean = 0.0;
        for (std::size_t i = 0; i < frames; ++i) mean += loop.samples[i * 2 + c] / frames;
        EXPECT_NEAR(mean, 0.0, 0.005);
        const float join = loop.samples[c] - loop.samples[(frames - 1) * 2 + c];
        EXPECT_LT(std::fabs(join), 0.01f) << "a steady loop stays steady across its join";
    }
}

}  // namespace
