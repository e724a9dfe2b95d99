// The sound generator: pitch, envelopes, mastering, its sources, the
// sequencer's loop, the WAV writer, and the same bytes from the same sources.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "EffectFile.h"
#include "Envelope.h"
#include "LayerRenderer.h"
#include "Mastering.h"
#include "NoteName.h"
#include "Oscillator.h"
#include "Sequencer.h"
#include "SongFile.h"
#include "SoundGenerator.h"
#include "WavWriter.h"
#include "audio/MusicTracks.h"
#include "audio/WavDecoder.h"
#include "game/Game.h"

using namespace soundgen;

namespace {

const std::string kAssets = QUASARINE_SOURCE_DIR "/assets/sound";
constexpr double kPi = 3.141592653589793;

// The error of a source the effect (".sfx") or song parser must refuse.
std::string parseError(const std::string& name, const std::string& text) {
    EffectDef effect;
    SongDef song;
    std::string error;
    const bool ok = name == "e.sfx" ? parseEffect(TextSource(name, text), effect, error)
                                    : parseSong(TextSource(name, text), song, error);
    EXPECT_FALSE(ok) << text;
    return error;
}

// A one-instrument song around a pattern line of the track "t".
std::string tinySong(const std::string& steps,
                     const std::string& envelope = "0.001 0.05 0.5 0.05") {
    return "output t.ogg\ntempo 120\nsteps_per_beat 4\n"
           "instrument i\n layer\n  wave sine\n  env " +
           envelope +
           "\nend\n"
           "track t i\npattern p\n t " +
           steps + "\nend\norder p\n";
}

PcmBuffer renderTinySong(const std::string& steps,
                         const std::string& envelope = "0.001 0.05 0.5 0.05") {
    SongDef song;
    std::string error;
    EXPECT_TRUE(parseSong(TextSource("s", tinySong(steps, envelope)), song, error)) << error;
    return renderSong(song);
}

TEST(SoundSources, MistakesAreReportedWithTheirLine) {
    EXPECT_EQ(parseError("e.sfx", "layer\n wave noise\n"), "e.sfx: no 'output' line");
    // A tone without a pitch would be silence or DC.
    EXPECT_EQ(parseError("e.sfx", "output a.wav\nlayer\n wave square\n"),
              "e.sfx: layer 1 has no 'freq' or 'notes'");

    const std::string head = "output m.ogg\ninstrument i\n layer\nend\ntrack a i\ntrack b i\n";
    EXPECT_EQ(parseError("s.song", head + "pattern p\n a C4 C4\n b C4\nend\norder p\n"),
              "s.song:10: pattern p: track b has 1 steps, others 2");
    EXPECT_EQ(parseError("s.song", head + "pattern p\n a C4\nend\norder p q\n"),
              "s.song:10: unknown pattern 'q'");
    EXPECT_EQ(parseError("s.song", head + "pattern p\n a C4\n"),
              "s.song: a block is missing its 'end'");
}

TEST(SoundSources, SongStepsHoldsChordsVelocitiesAndComments) {
    // A '#' starts a comment only at the start of a word: sharps stay notes.
    SongDef song;
    std::string error;
    const std::string text = "# a tiny song\n" + tinySong("C4 - | . E4+G#4:3 x | - .  # end");
    ASSERT_TRUE(parseSong(TextSource("s", text), song, error)) << error;
    ASSERT_EQ(song.patterns.size(), 1u);
    const std::vector<SongStep>& steps = song.patterns[0].steps[0];
    ASSERT_EQ(steps.size(), 7u);
    ASSERT_EQ(steps[3].freqsHz.size(), 2u);
    EXPECT_NEAR(steps[3].freqsHz[1], 415.3, 0.1);
    EXPECT_FLOAT_EQ(steps[3].velocity, 3.0f / 9.0f);
    EXPECT_EQ(steps[4].kind, SongStep::Strike);  // x: a drum hit
}

TEST(Sequencer, HeldNotesSoundOnAndRestsAreSilent) {
    const PcmBuffer held = renderTinySong("C4 - - - . . . .");
    const PcmBuffer cut = renderTinySong("C4 . . . . . . .");
    ASSERT_EQ(held.frames(), static_cast<std::size_t>(kSampleRate));  // 8 steps of 0.125 s
    // Step 2 (0.25-0.375 s): still sounding when held, silent when not.
    auto energy = [](const PcmBuffer& pcm, double from, double to) {
        double sum = 0.0;
        for (std::size_t i = from * kSampleRate; i < to * kSampleRate; ++i)
            sum += pcm.samples[2 * i] * pcm.samples[2 * i];
        return sum;
    };
    EXPECT_GT(energy(held, 0.25, 0.375), 10.0);
    EXPECT_LT(energy(cut, 0.25, 0.375), 1e-6);
    EXPECT_LT(energy(held, 0.6, 1.0), 1e-6);
}

TEST(Sequencer, ANoteRingingPastTheEndCarriesOnAtTheStart) {
    // The last of 8 steps (0.125 s each) starts a note with a 0.5 s release:
    // it must wrap round onto the start of the loop, with no seam.
    const PcmBuffer pcm = renderTinySong(". . . . . . . A4", "0.001 0 1 0.5");
    const std::size_t n = pcm.frames();
    ASSERT_EQ(n, static_cast<std::size_t>(kSampleRate));
    float startLevel = 0.0f;
    for (std::size_t i = 0; i < 2000; ++i)
        startLevel = std::max(startLevel, std::fabs(pcm.samples[2 * i]));
    EXPECT_GT(startLevel, 0.1f);
    for (int c = 0; c < 2; ++c) {
        const float join = std::fabs(pcm.samples[c] - pcm.samples[2 * (n - 1) + c]);
        EXPECT_LT(join, 0.03f) << "a 440 Hz tone moves at most ~0.03 a sample at this level";
    }
}

TEST(SoundGenerator, ReversedEffectsMirrorTheirSourceAndOutputsAreUnique) {
    SoundGenerator generator;
    std::string error;
    ASSERT_TRUE(generator.addEffect("a", "output a.wav\nlayer\n freq 300 900\n gate 0.2\n", error))
        << error;
    ASSERT_TRUE(generator.addEffect("b", "output b.wav\nreverse_of a.wav\n", error)) << error;
    ASSERT_TRUE(generator.addEffect("c", "output c.wav\nreverse_of nothing.wav\n", error)) << error;
    EXPECT_FALSE(generator.addEffect("d", "output a.wav\nlayer\n wave noise\n", error));
    EXPECT_EQ(error, "d: output a.wav is already made by a");

    RenderedSound forward, backward, broken;
    ASSERT_TRUE(generator.render("a.wav", forward, error)) << error;
    ASSERT_TRUE(generator.render("b.wav", backward, error)) << error;
    std::vector<float> mirrored(forward.pcm.samples.rbegin(), forward.pcm.samples.rend());
    EXPECT_EQ(backward.pcm.samples, mirrored);
    EXPECT_FALSE(generator.render("c.wav", broken, error));
    EXPECT_EQ(generator.outputs(), (std::vector<std::string>{"a.wav", "b.wav", "c.wav"}));
}

TEST(SoundGenerator, TheGameSourcesMakeEverySoundTheGameLoadsTheSameEachTime) {
    // Two generators: every effect and a short song must come out byte for
    // byte the same, or the data files churn between builds.
    const std::string song = tinySong("C4+E4 - G4 . | x:5 . C5 -", "0.001 0.05 0.5 0.3");
    SoundGenerator first, second;
    std::string error;
    for (SoundGenerator* generator : {&first, &second})
        ASSERT_TRUE(generator->loadFolder(kAssets, error)) << error;
    auto fileName = [](const std::string& path) {
        return path.substr(path.find_last_of("\\/") + 1);
    };
    std::set<std::string> loaded;
    for (const SampleFile& sample : kSampleTable) loaded.insert(fileName(sample.file));
    for (int track = 0; track < kMusicTrackCount; ++track)
        loaded.insert(fileName(findMusicTrack(track)->file));
    const std::vector<std::string> made = first.outputs();
    EXPECT_EQ(std::set<std::string>(made.begin(), made.end()), loaded);

    for (SoundGenerator* generator : {&first, &second})
        ASSERT_TRUE(generator->addSong("tiny", song, error)) << error;
    for (const std::string& name : first.outputs()) {
        if (name.rfind("music_", 0) == 0) continue;  // long; checked in GeneratedSounds
        RenderedSound a, b;
        ASSERT_TRUE(first.render(name, a, error)) << error;
        ASSERT_TRUE(second.render(name, b, error)) << error;
        EXPECT_FALSE(a.bytes.empty()) << name;
        EXPECT_TRUE(a.bytes == b.bytes) << name << " differs between two runs";
    }
}

TEST(SoundFormats, WavSamplesAreClampedAndDecodeBackToWhatWasWritten) {
    PcmBuffer mono;
    mono.samples = {0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 0.25f};
    const std::vector<std::uint8_t> wav = encodeWav(mono);
    PcmSound decoded;
    std::string error;
    ASSERT_TRUE(decodeWav(wav.data(), wav.size(), decoded, &error)) << error;
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.samples, (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32768, 8192}));
}

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

    // Noise with no pitch changes nearly every sample, around 0; with one,
    // that often.
    for (double rate : {0.0, 100.0}) {
        Oscillator noise(Waveform::Noise, 3);
        const std::vector<float> w = run(noise, rate, 0.5, kSampleRate);
        int changes = 0;
        for (std::size_t i = 1; i < w.size(); ++i) changes += w[i] != w[i - 1];
        for (float v : w) ASSERT_LE(std::fabs(v), 1.0f);
        if (rate > 0.0) {
            EXPECT_TRUE(changes >= 95 && changes <= 100) << changes;
        } else {
            EXPECT_GT(changes, kSampleRate * 9 / 10);
            EXPECT_NEAR(std::accumulate(w.begin(), w.end(), 0.0) / w.size(), 0.0, 0.02);
        }
    }
}

TEST(Envelope, RisesDecaysHoldsAndReleasesFromWhereItIs) {
    const EnvelopeShape shape{0.1, 0.2, 0.5, 0.4};
    const Envelope held(shape, 1.0);
    EXPECT_DOUBLE_EQ(held.level(0.0), 0.0);
    EXPECT_DOUBLE_EQ(held.level(0.1), 1.0);
    EXPECT_DOUBLE_EQ(held.level(0.5), 0.5);
    EXPECT_DOUBLE_EQ(held.level(1.0), 0.5);
    EXPECT_NEAR(held.level(1.4), 0.0, 1e-9);
    EXPECT_DOUBLE_EQ(held.length(), 1.4);
    // Let go early in the attack: the release starts from 0.3, not from 1 or
    // the sustain level, so there is no jump.
    const Envelope tapped(shape, 0.03);
    EXPECT_NEAR(tapped.level(0.0299), 0.3, 0.01);
    EXPECT_NEAR(tapped.level(0.0301), 0.3, 0.01);
    EXPECT_DOUBLE_EQ(tapped.level(0.43), 0.0);
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
        if (std::fabs(before.samples[i]) <= knee) {
            EXPECT_EQ(pcm.samples[i], before.samples[i]);
        }
        EXPECT_LT(std::fabs(pcm.samples[i]), ceiling);
        if (i > 0) {
            EXPECT_GT(pcm.samples[i], pcm.samples[i - 1]) << "order kept";
        }
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
