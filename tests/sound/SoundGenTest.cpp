// The sound generator: its sources, the sequencer's loop, the file writers,
// and the same bytes from the same sources.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "EffectFile.h"
#include "OggWriter.h"
#include "Sequencer.h"
#include "SongFile.h"
#include "SoundGenerator.h"
#include "WavWriter.h"
#include "audio/MusicTracks.h"
#include "audio/OggDecoder.h"
#include "audio/WavDecoder.h"
#include "game/Game.h"

using namespace soundgen;

namespace {

const std::string kAssets = QUASARINE_SOURCE_DIR "/assets/sound";

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

TEST(SoundSources, CommentsStartAtAWordButSharpsStayNotes) {
    const TextSource source("x", "# whole line\nnotes C#4:0.1 D4:0.1  # trailing\n\n  gate 1#2\n");
    ASSERT_EQ(source.lines().size(), 2u);
    EXPECT_EQ(source.lines()[0].number, 2);
    EXPECT_EQ(source.lines()[0].words, (std::vector<std::string>{"notes", "C#4:0.1", "D4:0.1"}));
    EXPECT_EQ(source.lines()[1].words.back(), "1#2");
}

TEST(SoundSources, MistakesAreReportedWithTheirLine) {
    EXPECT_EQ(parseError("e.sfx", "output a.wav\nwave sine\n"),
              "e.sfx:2: 'wave' is not an effect statement (missing 'layer'?)");
    EXPECT_EQ(parseError("e.sfx", "layer\n wave noise\n"), "e.sfx: no 'output' line");
    // A tone without a pitch would be silence or DC.
    EXPECT_EQ(parseError("e.sfx", "output a.wav\nlayer\n wave square\n"),
              "e.sfx: layer 1 has no 'freq' or 'notes'");

    const std::string head = "output m.ogg\ninstrument i\n layer\nend\ntrack a i\ntrack b i\n";
    EXPECT_EQ(parseError("s.song", head + "pattern p\n a C4 C4\n b C4\nend\norder p\n"),
              "s.song:10: pattern p: track b has 1 steps, others 2");
    EXPECT_EQ(parseError("s.song", head + "pattern p\n a C4\nend\norder p q\n"),
              "s.song:10: unknown pattern 'q'");
    EXPECT_EQ(parseError("s.song", head + "track c piano\n"),
              "s.song:7: unknown instrument 'piano'");
    EXPECT_EQ(parseError("s.song", head + "pattern p\n a C4\n"),
              "s.song: a block is missing its 'end'");
    EXPECT_EQ(parseError("s.song", "output m.ogg\ninstrument i\nend\n"),
              "s.song:3: instrument without layers");
}

TEST(SoundSources, SongStepsHoldsChordsAndVelocities) {
    SongDef song;
    std::string error;
    ASSERT_TRUE(parseSong(TextSource("s", tinySong("C4 - | . E4+G4:3 x | - .")), song, error))
        << error;
    ASSERT_EQ(song.patterns.size(), 1u);
    const std::vector<SongStep>& steps = song.patterns[0].steps[0];
    ASSERT_EQ(steps.size(), 7u);
    EXPECT_EQ(steps[0].kind, SongStep::Strike);
    EXPECT_EQ(steps[1].kind, SongStep::Hold);
    EXPECT_EQ(steps[2].kind, SongStep::Rest);
    ASSERT_EQ(steps[3].freqsHz.size(), 2u);
    EXPECT_NEAR(steps[3].freqsHz[1], 392.0, 0.1);
    EXPECT_FLOAT_EQ(steps[3].velocity, 3.0f / 9.0f);
    EXPECT_EQ(steps[4].kind, SongStep::Strike);
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

TEST(SoundGenerator, TheGameSourcesMakeEverySoundTheGameLoadsAndNothingElse) {
    SoundGenerator generator;
    std::string error;
    ASSERT_TRUE(generator.loadFolder(kAssets, error)) << error;
    auto fileName = [](const std::string& path) {
        return path.substr(path.find_last_of("\\/") + 1);
    };
    std::set<std::string> loaded;
    for (const SampleFile& sample : kSampleTable) loaded.insert(fileName(sample.file));
    for (int track = 0; track < kMusicTrackCount; ++track) {
        loaded.insert(fileName(findMusicTrack(track)->file));
    }
    const std::vector<std::string> made = generator.outputs();
    EXPECT_EQ(std::set<std::string>(made.begin(), made.end()), loaded);
}

TEST(SoundGenerator, SameSourcesGiveTheSameBytes) {
    // Two generators, every effect plus a short song: data must not churn.
    const std::string song = tinySong("C4+E4 - G4 . | x:5 . C5 -", "0.001 0.05 0.5 0.3");
    SoundGenerator first, second;
    std::string error;
    for (SoundGenerator* generator : {&first, &second}) {
        ASSERT_TRUE(generator->loadFolder(kAssets, error)) << error;
        ASSERT_TRUE(generator->addSong("tiny", song, error)) << error;
    }
    for (const std::string& name : first.outputs()) {
        if (name.rfind("music_", 0) == 0) continue;  // long; built and checked elsewhere
        RenderedSound a, b;
        ASSERT_TRUE(first.render(name, a, error)) << error;
        ASSERT_TRUE(second.render(name, b, error)) << error;
        EXPECT_FALSE(a.bytes.empty()) << name;
        EXPECT_TRUE(a.bytes == b.bytes) << name << " differs between two runs";
    }
}

TEST(SoundFormats, WavAndOggDecodeBackToWhatWasWritten) {
    PcmBuffer mono;
    mono.samples = {0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 0.25f};
    const std::vector<std::uint8_t> wav = encodeWav(mono);
    PcmSound decoded;
    std::string error;
    ASSERT_TRUE(decodeWav(wav.data(), wav.size(), decoded, &error)) << error;
    EXPECT_EQ(decoded.rate, 44100);
    EXPECT_EQ(decoded.channels, 1);
    EXPECT_EQ(decoded.samples, (std::vector<std::int16_t>{0, 16384, -16384, 32767, -32768, 8192}));

    // One second of stereo: left 440 Hz, right 660 Hz, with their own levels.
    PcmBuffer stereo;
    stereo.channels = 2;
    auto tone = [](double level, double hz, int i) {
        return static_cast<float>(level * std::sin(2 * 3.14159265 * hz * i / kSampleRate));
    };
    for (int i = 0; i < kSampleRate; ++i)
        stereo.samples.insert(stereo.samples.end(), {tone(0.5, 440, i), tone(0.2, 660, i)});
    const std::vector<std::uint8_t> ogg = encodeOgg(stereo, 0.4f);
    ASSERT_TRUE(decodeOgg(ogg.data(), ogg.size(), decoded, &error)) << error;
    EXPECT_EQ(decoded.rate, 44100);
    ASSERT_EQ(decoded.channels, 2);
    ASSERT_EQ(decoded.frames(), stereo.frames()) << "no samples gained or lost";
    double noise = 0.0, signal = 0.0;
    for (std::size_t i = 0; i < stereo.samples.size(); ++i) {
        noise += std::pow(decoded.samples[i] / 32768.0 - stereo.samples[i], 2);
        signal += std::pow(stereo.samples[i], 2);
    }
    EXPECT_LT(noise / signal, 0.01) << "more than -20 dB of coding error, or channels swapped";
}

}  // namespace
