#pragma once

#include <cstddef>
#include <vector>

namespace soundgen {

// Every sound of the game is rendered and stored at one rate: 44100 Hz, the
// rate the audio device is opened at, so an effect played at "its own rate"
// is never resampled. (The form change plays "vanta_jump" at 20000 Hz: a
// little under half speed, about an octave and a bit lower.)
constexpr int kSampleRate = 44100;

// Floating-point audio in the range -1..1, channels interleaved.
struct PcmBuffer {
    int channels = 1;
    std::vector<float> samples;

    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
    double seconds() const { return static_cast<double>(frames()) / kSampleRate; }
};

}  // namespace soundgen
