#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A decoded sound: signed 16-bit samples, interleaved when stereo, at the
// rate the file was recorded at.
struct PcmSound {
    std::vector<std::int16_t> samples;
    int channels = 0;  // 1 or 2
    int rate = 0;      // frames per second

    std::size_t frames() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
    double seconds() const { return rate > 0 ? static_cast<double>(frames()) / rate : 0.0; }
};

// What every decoder does when it refuses a file: empties the sound, says
// why, and returns false.
inline bool refuseSound(PcmSound& out, std::string* error, const char* why) {
    out.samples.clear();
    out.channels = 0;
    out.rate = 0;
    if (error) *error = why;
    return false;
}

// Limits every decoder holds a file to, so that a corrupt header can never
// make one allocate without bound.
constexpr int kMinSoundRate = 1000;
constexpr int kMaxSoundRate = 192000;
// A sound effect is short; anything longer than this is refused as a sample.
constexpr int kMaxSampleSeconds = 60;
