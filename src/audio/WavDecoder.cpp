#include "audio/WavDecoder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint16_t readU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t readU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct WavFormat {
    std::uint16_t tag = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    int blockAlign = 0;
};

struct Chunk {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;  // bytes present in the file, never more
    bool complete = false;
};

// Walks the chunks after the 12-byte RIFF header and remembers the first
// "fmt " and "data" chunks.
void findChunks(const std::uint8_t* data, std::size_t size, Chunk& fmt, Chunk& body) {
    std::size_t pos = 12;
    while (pos + 8 <= size) {
        const std::uint8_t* id = data + pos;
        const std::size_t declared = readU32(data + pos + 4);
        const std::size_t start = pos + 8;
        const std::size_t present = std::min(declared, size - start);
        Chunk chunk{data + start, present, present == declared};
        if (std::memcmp(id, "fmt ", 4) == 0 && !fmt.data) fmt = chunk;
        if (std::memcmp(id, "data", 4) == 0 && !body.data) body = chunk;
        if (present < declared) break;
        pos = start + declared + (declared & 1);  // chunks are padded to even sizes
    }
}

bool parseFormat(const Chunk& chunk, WavFormat& format) {
    if (!chunk.data || !chunk.complete || chunk.size < 16) return false;
    const std::uint8_t* p = chunk.data;
    format.tag = readU16(p);
    format.channels = readU16(p + 2);
    format.rate = static_cast<int>(std::min<std::uint32_t>(readU32(p + 4), 0x7fffffff));
    format.blockAlign = readU16(p + 12);
    format.bits = readU16(p + 14);
    if (format.tag == kFormatExtensible) {
        // The real format tag opens the sub-format GUID at offset 24.
        if (chunk.size < 40) return false;
        format.tag = readU16(p + 24);
    }
    return true;
}

bool formatSupported(const WavFormat& f) {
    if (f.channels < 1 || f.channels > 2) return false;
    if (f.rate < kMinSoundRate || f.rate > kMaxSoundRate) return false;
    if (f.blockAlign != f.channels * f.bits / 8) return false;
    if (f.tag == kFormatPcm) return f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32;
    if (f.tag == kFormatFloat) return f.bits == 32;
    return false;
}

std::int16_t convertSample(const std::uint8_t* p, const WavFormat& f) {
    if (f.tag == kFormatFloat) {
        float value;
        std::memcpy(&value, p, sizeof value);
        if (!std::isfinite(value)) return 0;
        const float scaled = std::clamp(value, -1.0f, 1.0f) * 32767.0f;
        return static_cast<std::int16_t>(std::lround(scaled));
    }
    switch (f.bits) {
        case 8:
            return static_cast<std::int16_t>((p[0] - 128) * 256);  // 8-bit WAV is unsigned
        case 16:
            return static_cast<std::int16_t>(readU16(p));
        case 24:
            return static_cast<std::int16_t>(readU16(p + 1));  // keep the top 16 bits
        default:
            return static_cast<std::int16_t>(readU16(p + 2));
    }
}

}  // namespace

bool decodeWav(const std::uint8_t* data, std::size_t size, PcmSound& out, std::string* error) {
    if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 ||
        std::memcmp(data + 8, "WAVE", 4) != 0) {
        return refuseSound(out, error, "not a RIFF WAVE file");
    }
    Chunk fmt;
    Chunk body;
    findChunks(data, size, fmt, body);
    WavFormat format;
    if (!parseFormat(fmt, format)) return refuseSound(out, error, "missing or short fmt chunk");
    if (!formatSupported(format)) return refuseSound(out, error, "unsupported sample format");
    if (!body.data) return refuseSound(out, error, "no data chunk");

    const std::size_t frameBytes = static_cast<std::size_t>(format.blockAlign);
    const std::size_t maxFrames = static_cast<std::size_t>(format.rate) * kMaxSampleSeconds;
    const std::size_t frames = body.size / frameBytes;
    if (frames == 0) return refuseSound(out, error, "no sample frames");
    if (frames > maxFrames) return refuseSound(out, error, "longer than a sound effect may be");

    const std::size_t bytesPerSample = static_cast<std::size_t>(format.bits / 8);
    const std::size_t count = frames * static_cast<std::size_t>(format.channels);
    out.samples.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        out.samples[i] = convertSample(body.data + i * bytesPerSample, format);
    }
    out.channels = format.channels;
    out.rate = format.rate;
    return true;
}
