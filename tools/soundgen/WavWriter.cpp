#include "WavWriter.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

}  // namespace

std::vector<std::uint8_t> encodeWav(const PcmBuffer& pcm) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(pcm.samples.size() * 2);
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(pcm.channels * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1);  // integer PCM
    put16(out, static_cast<std::uint32_t>(pcm.channels));
    put32(out, kSampleRate);
    put32(out, kSampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (float s : pcm.samples) {
        const long value = std::clamp(std::lround(s * 32767.0), -32768L, 32767L);
        put16(out, static_cast<std::uint32_t>(value) & 0xFFFF);
    }
    return out;
}

}  // namespace soundgen
