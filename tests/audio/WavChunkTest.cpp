// RIFF chunks of odd size are followed by a pad byte: a WAV whose editor added
// an odd-sized note chunk must still be found to hold its sound.
#include <gtest/gtest.h>

#include "audio/SoundFixtures.h"
#include "audio/WavDecoder.h"

using namespace soundtest;

namespace {

void putChunk(std::vector<std::uint8_t>& out, const char* tag,
              const std::vector<std::uint8_t>& body) {
    putTag(out, tag);
    putU32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) out.push_back(0xAB);  // the pad byte, deliberately not 0
}

// 8-bit mono at 8000 Hz: a format chunk of 16 bytes.
std::vector<std::uint8_t> monoByteFormat() {
    std::vector<std::uint8_t> fmt;
    putU16(fmt, 1);
    putU16(fmt, 1);
    putU32(fmt, 8000);
    putU32(fmt, 8000);
    putU16(fmt, 1);
    putU16(fmt, 8);
    return fmt;
}

std::vector<std::uint8_t> wavOf(
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>>& chunks) {
    std::vector<std::uint8_t> body;
    putTag(body, "WAVE");
    for (const auto& [tag, bytes] : chunks) putChunk(body, tag, bytes);
    std::vector<std::uint8_t> out;
    putTag(out, "RIFF");
    putU32(out, static_cast<std::uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace

TEST(WavChunks, OddSizedChunksArePaddedToAnEvenSize) {
    using Samples = std::vector<std::int16_t>;
    const std::vector<std::uint8_t> note = {'h', 'i', '!'};
    const std::vector<std::uint8_t> three = {128, 255, 0};
    // An odd note before the format, one between format and data, and an odd
    // data chunk followed by another chunk.
    const std::vector<std::uint8_t> bytes = wavOf({{"LIST", note},
                                                   {"fmt ", monoByteFormat()},
                                                   {"note", note},
                                                   {"data", three},
                                                   {"LIST", note}});
    PcmSound sound;
    std::string error;
    ASSERT_TRUE(decodeWav(bytes.data(), bytes.size(), sound, &error)) << error;
    EXPECT_EQ(sound.rate, 8000);
    EXPECT_EQ(sound.channels, 1);
    // The pad byte after the data is not a sample.
    EXPECT_EQ(sound.samples, (Samples{0, 127 * 256, -128 * 256}));

    // The last chunk of a file may lack its pad byte.
    std::vector<std::uint8_t> unpadded = wavOf({{"fmt ", monoByteFormat()}, {"data", three}});
    unpadded.pop_back();
    ASSERT_TRUE(decodeWav(unpadded.data(), unpadded.size(), sound, &error)) << error;
    EXPECT_EQ(sound.samples.size(), 3u);
}
