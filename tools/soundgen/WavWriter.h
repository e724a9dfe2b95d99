#pragma once

#include <cstdint>
#include <vector>

#include "PcmBuffer.h"

namespace soundgen {

// A canonical RIFF/WAVE file: 16-bit signed little-endian PCM at kSampleRate,
// samples rounded to the nearest step and clamped to the 16-bit range.
std::vector<std::uint8_t> encodeWav(const PcmBuffer& pcm);

}  // namespace soundgen
