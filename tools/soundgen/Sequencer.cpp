#include "Sequencer.h"

#include <cmath>

#include "LayerRenderer.h"
#include "Mastering.h"

namespace soundgen {

namespace {

constexpr double kMusicCeilingDb = -3.0;

std::size_t stepFrame(const SongDef& song, long step) {
    return static_cast<std::size_t>(std::llround(step * song.stepSeconds() * kSampleRate));
}

// One track's steps over the whole loop, patterns laid end to end.
std::vector<SongStep> flattenTrack(const SongDef& song, std::size_t track) {
    std::vector<SongStep> steps;
    for (int index : song.order) {
        const SongPattern& pattern = song.patterns[index];
        if (pattern.steps[track].empty()) {
            steps.resize(steps.size() + pattern.length);
        } else {
            steps.insert(steps.end(), pattern.steps[track].begin(), pattern.steps[track].end());
        }
    }
    return steps;
}

// Adds the samples past the loop's end onto its start, as often as they reach.
void foldTail(std::vector<float>& mono, std::size_t loopFrames) {
    for (std::size_t i = loopFrames; i < mono.size(); ++i) mono[i % loopFrames] += mono[i];
    mono.resize(loopFrames);
}

// Feedback echo computed round the loop: three laps settle it, since the echo
// has died away long before one lap ends.
void applyLoopedEcho(std::vector<float>& mono, const SongTrack& track) {
    const std::size_t length = mono.size();
    const std::size_t delay = static_cast<std::size_t>(track.echoSeconds * kSampleRate);
    if (track.echoMix <= 0.0 || delay == 0 || delay >= length) return;
    std::vector<float> echo(length, 0.0f);
    for (std::size_t n = 0; n < 3 * length; ++n) {
        const std::size_t from = (n + length - delay) % length;
        echo[n % length] = static_cast<float>(mono[from] + track.echoFeedback * echo[from]);
    }
    for (std::size_t i = 0; i < length; ++i) mono[i] += static_cast<float>(track.echoMix * echo[i]);
}

std::vector<float> renderTrack(const SongDef& song, std::size_t trackIndex,
                               std::size_t loopFrames) {
    const SongTrack& track = song.tracks[trackIndex];
    const SongInstrument& instrument = song.instruments[track.instrument];
    const std::vector<SongStep> steps = flattenTrack(song, trackIndex);
    std::vector<float> mono(loopFrames, 0.0f);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i].kind != SongStep::Strike) continue;
        std::size_t held = 1;
        while (i + held < steps.size() && steps[i + held].kind == SongStep::Hold) ++held;
        const std::size_t start = stepFrame(song, static_cast<long>(i));
        const double gate =
            static_cast<double>(stepFrame(song, static_cast<long>(i + held)) - start) / kSampleRate;
        const float velocity = static_cast<float>(steps[i].velocity * track.gain);
        for (double freq : steps[i].freqsHz) {
            for (const LayerParams& layer : instrument.layers) {
                renderLayerNote(layer, freq, gate, velocity, mono, start);
            }
        }
    }
    foldTail(mono, loopFrames);
    applyLoopedEcho(mono, track);
    return mono;
}

}  // namespace

std::size_t songFrames(const SongDef& song) {
    return stepFrame(song, song.totalSteps());
}

PcmBuffer renderSong(const SongDef& song) {
    const std::size_t frames = songFrames(song);
    PcmBuffer pcm;
    pcm.channels = 2;
    pcm.samples.assign(frames * 2, 0.0f);
    for (std::size_t t = 0; t < song.tracks.size(); ++t) {
        const std::vector<float> mono = renderTrack(song, t, frames);
        // Equal-power pan: a centred track sits at 0.707 in each channel.
        const double angle = (song.tracks[t].pan + 1.0) * 0.25 * 3.141592653589793;
        const float left = static_cast<float>(std::cos(angle));
        const float right = static_cast<float>(std::sin(angle));
        for (std::size_t i = 0; i < frames; ++i) {
            pcm.samples[2 * i] += mono[i] * left;
            pcm.samples[2 * i + 1] += mono[i] * right;
        }
    }
    removeDcOffset(pcm, true);
    // The limiter works sample by sample, so it keeps the loop seamless.
    normalize(pcm, rmsDb(pcm), song.loudnessDb, kMusicCeilingDb + 4.0);
    softLimit(pcm, kMusicCeilingDb - 3.0, kMusicCeilingDb);
    return pcm;
}

}  // namespace soundgen
