#pragma once

// What the fuzz targets share: a broken promise aborts, so libFuzzer keeps
// the input as a crash.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "audio/PcmSound.h"

inline void require(bool promise) {
    if (!promise) std::abort();
}

inline std::string asText(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// A sound decoder's result: refused with a reason and nothing kept, or a
// playable sound within the limits every decoder holds a file to.
inline void requireDecoderResult(bool ok, const PcmSound& sound, const std::string& error) {
    if (!ok) {
        require(!error.empty() && sound.samples.empty() && sound.channels == 0);
        return;
    }
    require(sound.channels >= 1 && sound.channels <= 2 && sound.rate >= kMinSoundRate &&
            sound.rate <= kMaxSoundRate && !sound.samples.empty() &&
            sound.samples.size() % static_cast<std::size_t>(sound.channels) == 0 &&
            sound.seconds() <= kMaxSampleSeconds);
}
