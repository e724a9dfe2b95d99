#pragma once

// Sound files made on the spot: tones or noise as 16-bit WAV at any rate, or Ogg.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "OggWriter.h"
#include "audio/PcmSound.h"

namespace soundtest {

// A sine at `amplitude` (0..1) in every channel; `hz` 0: noise, for many Ogg pages.
inline PcmSound sineTone(int rate, int channels, int frames, double hz, double amplitude) {
    PcmSound sound;
    sound.rate = rate;
    sound.channels = channels;
    std::uint32_t state = 12345;
    for (int i = 0; i < frames; ++i) {
        state = state * 1664525u + 1013904223u;
        const double unit = hz > 0 ? std::sin(2.0 * M_PI * hz * i / rate)
                                   : static_cast<double>(state >> 8) / (1u << 24) * 2.0 - 1.0;
        const auto value = static_cast<std::int16_t>(std::lround(amplitude * 32767.0 * unit));
        sound.samples.insert(sound.samples.end(), channels, value);
    }
    return sound;
}

// Appends `value` little-endian in `bytes` bytes, or a four-letter tag.
inline void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back((value >> (8 * i)) & 0xff);
}
inline void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// A WAV with a plain 16-byte format chunk, its fields as given, nonsense too.
inline std::vector<std::uint8_t> wavWithFormat(unsigned tag, unsigned channels, std::uint32_t rate,
                                               unsigned bits,
                                               const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    put(out, static_cast<std::uint32_t>(36 + payload.size()), 4);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put(out, 16, 4);
    put(out, tag, 2);
    put(out, channels, 2);
    put(out, rate, 4);
    put(out, rate * channels * bits / 8, 4);
    put(out, channels * bits / 8, 2);
    put(out, bits, 2);
    putTag(out, "data");
    put(out, static_cast<std::uint32_t>(payload.size()), 4);
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

// 16-bit PCM with the canonical 44-byte header.
inline std::vector<std::uint8_t> wavBytes(const PcmSound& sound) {
    std::vector<std::uint8_t> payload;
    for (std::int16_t s : sound.samples) put(payload, static_cast<std::uint16_t>(s), 2);
    return wavWithFormat(1, sound.channels, sound.rate, 16, payload);
}

// Ogg Vorbis by the sound generator's encoder, which has only its one rate.
inline std::vector<std::uint8_t> oggBytes(const PcmSound& sound) {
    EXPECT_EQ(sound.rate, soundgen::kSampleRate);
    soundgen::PcmBuffer pcm;
    pcm.channels = sound.channels;
    for (std::int16_t s : sound.samples) pcm.samples.push_back(s / 32768.0f);
    return soundgen::encodeOgg(pcm, 0.6f);
}

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path;
}

}  // namespace soundtest
