#include "audio/SoundFile.h"

#include <cstring>
#include <vector>

#include "audio/OggDecoder.h"
#include "audio/WavDecoder.h"
#include "common/Files.h"

bool loadSoundFile(const std::string& path, PcmSound& out, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxSoundFileBytes, error)) {
        out = PcmSound{};
        return false;
    }
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), "RIFF", 4) == 0) {
        return decodeWav(bytes.data(), bytes.size(), out, error);
    }
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0) {
        return decodeOgg(bytes.data(), bytes.size(), out, error);
    }
    out = PcmSound{};
    if (error) *error = "neither a WAV nor an Ogg file";
    return false;
}
