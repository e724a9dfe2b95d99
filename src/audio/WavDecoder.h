#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/PcmSound.h"

// Reads a RIFF WAVE file held in memory: integer PCM of 8, 16, 24 or 32 bits
// or 32-bit float, plain or in the extensible header, mono or stereo. Every
// chunk is bounds-checked against `size`; a data chunk that claims more bytes
// than the file holds is cut to the whole frames present (an unfinished
// recording still plays). Other layouts are refused. On failure `out` is
// emptied and `error` (when given) says why.
bool decodeWav(const std::uint8_t* data, std::size_t size, PcmSound& out, std::string* error);
