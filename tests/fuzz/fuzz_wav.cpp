// WAV sound effects: the in-memory decoder.
#include "FuzzCheck.h"
#include "audio/WavDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PcmSound sound;
    std::string error;
    const bool ok = decodeWav(data, size, sound, &error);
    requireDecoderResult(ok, sound, error);
    return 0;
}
