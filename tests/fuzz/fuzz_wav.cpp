// WAV sound effects: the in-memory decoder. What it accepts is a playable
// sound within the limits every decoder holds a file to.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "audio/WavDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PcmSound sound;
    std::string error;
    if (!decodeWav(data, size, sound, &error)) {
        if (error.empty() || !sound.samples.empty() || sound.channels != 0) std::abort();
        return 0;
    }
    if (sound.channels < 1 || sound.channels > 2 || sound.rate < kMinSoundRate ||
        sound.rate > kMaxSoundRate || sound.samples.empty() ||
        sound.samples.size() % static_cast<std::size_t>(sound.channels) != 0 ||
        sound.seconds() > kMaxSampleSeconds) {
        std::abort();
    }
    return 0;
}
