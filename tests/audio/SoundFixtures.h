#pragma once

// Small sound files made on the spot for the audio tests: sine tones or noise
// written as 16-bit WAV or encoded to Ogg Vorbis at any rate.

#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "audio/PcmSound.h"

namespace soundtest {

// A sine of `hz` at `amplitude` (0..1 of full scale), the same in every
// channel; with `hz` 0, deterministic white noise instead, which is hard to
// compress, so an encoded file of it spreads over many Ogg pages.
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

inline void putU16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(value & 0xff);
    out.push_back((value >> 8) & 0xff);
}

inline void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    putU16(out, value & 0xffff);
    putU16(out, value >> 16);
}

inline void putTag(std::vector<std::uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// A WAV with a plain 16-byte format chunk; the fields are taken as given so
// that tests can write nonsense too.
inline std::vector<std::uint8_t> wavWithFormat(unsigned tag, unsigned channels, std::uint32_t rate,
                                               unsigned bits,
                                               const std::vector<std::uint8_t>& payload) {
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    putU32(out, static_cast<std::uint32_t>(36 + payload.size()));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, tag);
    putU16(out, channels);
    putU32(out, rate);
    putU32(out, rate * channels * bits / 8);
    putU16(out, channels * bits / 8);
    putU16(out, bits);
    putTag(out, "data");
    putU32(out, static_cast<std::uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    return out;
}

// 16-bit PCM with the canonical 44-byte header.
inline std::vector<std::uint8_t> wavBytes(const PcmSound& sound) {
    std::vector<std::uint8_t> payload;
    for (std::int16_t s : sound.samples) putU16(payload, static_cast<std::uint16_t>(s));
    return wavWithFormat(1, sound.channels, sound.rate, 16, payload);
}

// Encodes with libvorbisenc at a middling quality.
inline std::vector<std::uint8_t> oggBytes(const PcmSound& sound) {
    vorbis_info info;
    vorbis_info_init(&info);
    EXPECT_EQ(vorbis_encode_init_vbr(&info, sound.channels, sound.rate, 0.6f), 0);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);

    std::vector<std::uint8_t> out;
    ogg_page page;
    auto appendPage = [&] {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    };
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    while (ogg_stream_flush(&stream, &page) != 0) appendPage();

    // All the audio in one write, then an empty write that marks the end.
    const int frames = static_cast<int>(sound.frames());
    for (int count : {frames, 0}) {
        float** buffer = vorbis_analysis_buffer(&dsp, count);
        for (int i = 0; i < count; ++i) {
            for (int c = 0; c < sound.channels; ++c) {
                buffer[c][i] =
                    sound.samples[static_cast<std::size_t>(i) * sound.channels + c] / 32768.0f;
            }
        }
        vorbis_analysis_wrote(&dsp, count);
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) appendPage();
            }
        }
    }
    while (ogg_stream_flush(&stream, &page) != 0) appendPage();

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path;
}

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace soundtest
