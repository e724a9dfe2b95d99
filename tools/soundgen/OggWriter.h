#pragma once

#include <cstdint>
#include <vector>

#include "PcmBuffer.h"

namespace soundgen {

// Ogg Vorbis at kSampleRate, variable bit rate at a fixed quality, with a
// fixed stream serial number: the same samples always give the same bytes.
// Empty when the encoder refuses the input.
std::vector<std::uint8_t> encodeOgg(const PcmBuffer& pcm, float quality);

}  // namespace soundgen
