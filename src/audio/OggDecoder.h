#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "audio/PcmSound.h"

// Decodes a whole Ogg Vorbis file held in memory (a sound effect; music is
// streamed by VorbisStream instead). Mono or stereo only. A file whose audio
// is cut short decodes to the part that is there; one without a complete
// Vorbis header is refused. On failure `out` is emptied and `error` (when
// given) says why.
bool decodeOgg(const std::uint8_t* data, std::size_t size, PcmSound& out, std::string* error);
