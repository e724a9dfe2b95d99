// The game's WAV and Ogg decoders and the music stream, on files made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "audio/OggDecoder.h"
#include "audio/SoundFile.h"
#include "audio/SoundFixtures.h"
#include "audio/VorbisStream.h"
#include "audio/WavDecoder.h"
#include "support/ScratchFolder.h"

using namespace soundtest;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Samples = std::vector<std::int16_t>;

Samples decodedWav(const Bytes& bytes) {
    PcmSound out;
    std::string error;
    EXPECT_TRUE(decodeWav(bytes.data(), bytes.size(), out, &error)) << error;
    return out.samples;
}

TEST(WavDecoder, ConvertsEachSampleFormatToSixteenBits) {
    // 8-bit is unsigned around 128; 24-bit keeps its top two bytes.
    EXPECT_EQ(decodedWav(wavWithFormat(1, 1, 8000, 8, {0, 128, 255})), (Samples{-32768, 0, 32512}));
    EXPECT_EQ(decodedWav(wavWithFormat(1, 1, 8000, 24, {0x00, 0x34, 0x12})), (Samples{0x1234}));
    // Float is scaled, and clipped beyond full scale.
    Bytes floats(12);
    const float values[3] = {0.5f, -2.0f, 1.0f};
    std::memcpy(floats.data(), values, sizeof values);
    EXPECT_EQ(decodedWav(wavWithFormat(3, 1, 8000, 32, floats)), (Samples{16384, -32767, 32767}));
}

TEST(WavDecoder, SkipsOtherChunksAndThePadByteAfterAnOddOne) {
    auto chunk = [](Bytes& out, const char* tag, const Bytes& body) {
        putTag(out, tag);
        putU32(out, static_cast<std::uint32_t>(body.size()));
        out.insert(out.end(), body.begin(), body.end());
        if (body.size() % 2 == 1) out.push_back(0xAB);  // the pad byte, deliberately not 0
    };
    const Bytes full = wavWithFormat(1, 1, 8000, 8, {});  // 8-bit mono
    const Bytes note = {'h', 'i', '!'};
    Bytes bytes = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'};
    chunk(bytes, "LIST", note);
    chunk(bytes, "fmt ", Bytes(full.begin() + 20, full.begin() + 36));
    chunk(bytes, "note", note);
    chunk(bytes, "data", {128, 255, 0});
    const Samples expected = {0, 127 * 256, -128 * 256};
    // The last chunk of a file may lack its pad byte.
    EXPECT_EQ(decodedWav({bytes.begin(), bytes.end() - 1}), expected);
    chunk(bytes, "LIST", note);
    EXPECT_EQ(decodedWav(bytes), expected);
}

TEST(WavDecoder, RefusesMalformedFilesWithoutReadingPastThem) {
    const Bytes good = wavBytes(sineTone(8000, 2, 50, 300.0, 0.5));
    // Every truncation: refused while the header or the first frame is
    // incomplete, else cut to whole frames. Each prefix is a buffer of its
    // own, so ASan catches any read past it.
    for (std::size_t length = 0; length < good.size(); ++length) {
        const Bytes prefix(good.begin(), good.begin() + length);
        PcmSound sound;
        const bool ok = decodeWav(prefix.data(), prefix.size(), sound, nullptr);
        EXPECT_EQ(ok, length >= 44 + 4) << "length " << length;
        if (ok) {
            EXPECT_EQ(sound.frames(), (length - 44) / 4) << "length " << length;
        }
    }

    Bytes hugeFmt = good;
    hugeFmt[16] = hugeFmt[17] = hugeFmt[18] = hugeFmt[19] = 0xff;
    Bytes badAlign = good;
    badAlign[32] = 3;  // disagrees with channels x bits
    const std::pair<const char*, Bytes> cases[] = {
        {"no channels", wavWithFormat(1, 0, 8000, 16, {1, 2})},
        {"three channels", wavWithFormat(1, 3, 8000, 16, {1, 2, 3, 4, 5, 6})},
        {"absurd rate", wavWithFormat(1, 1, 4000000, 16, {1, 2})},
        {"compressed", wavWithFormat(2, 1, 8000, 16, {1, 2})},
        {"12-bit", wavWithFormat(1, 1, 8000, 12, {1, 2})},
        {"fmt chunk running past the end", hugeFmt},
        {"block align lie", badAlign},
    };
    for (const auto& [what, bytes] : cases) {
        PcmSound sound;
        std::string error;
        EXPECT_FALSE(decodeWav(bytes.data(), bytes.size(), sound, &error)) << what;
        EXPECT_FALSE(error.empty()) << what;
    }
}

TEST(OggDecoder, IsChosenByContentsRefusesBrokenFilesAndKeepsWhatACutFileHolds) {
    const PcmSound hiss = sineTone(44100, 1, 2 * 44100, 0, 0.3);
    const Bytes bytes = oggBytes(hiss);
    PcmSound out;
    ScratchFolder dir("ogg_decoder");
    writeBytes(dir.file("named_like_a.wav"), bytes);
    ASSERT_TRUE(loadSoundFile(dir.file("named_like_a.wav"), out, nullptr));
    EXPECT_EQ(out.frames(), hiss.frames());

    for (std::size_t length : {0ul, 4ul, 27ul, 100ul, 1000ul}) {  // inside the headers
        EXPECT_FALSE(
            decodeOgg(Bytes(bytes.begin(), bytes.begin() + length).data(), length, out, nullptr))
            << length;
    }
    // Cut in the audio: the pages that are whole still play.
    const Bytes cut(bytes.begin(), bytes.begin() + bytes.size() * 3 / 4);
    ASSERT_TRUE(decodeOgg(cut.data(), cut.size(), out, nullptr));
    EXPECT_GT(out.frames(), hiss.frames() / 4);
    EXPECT_LT(out.frames(), hiss.frames());

    Bytes garbage(4000, 0x55);
    std::memcpy(garbage.data(), "OggS", 4);
    EXPECT_FALSE(decodeOgg(garbage.data(), garbage.size(), out, nullptr));
}

TEST(VorbisStream, LoopsWithoutAGapAndEndsWithoutLoop) {
    ScratchFolder dir("vorbis_stream");
    const int length = 8800;  // 88 whole cycles of 441 Hz
    writeBytes(dir.file("loop.ogg"), oggBytes(sineTone(44100, 2, length, 441.0, 0.5)));
    VorbisStream stream;
    ASSERT_TRUE(stream.open(dir.file("loop.ogg")));

    // Odd-sized reads, so that the end of the file falls inside one of them;
    // every later pass must repeat the first sample for sample.
    Samples played;
    Samples piece(2 * 3001);
    while (played.size() < 2u * 3 * length) {
        ASSERT_EQ(stream.read(piece.data(), 3001, true), 3001);
        played.insert(played.end(), piece.begin(), piece.end());
    }
    const auto firstPass = played.begin() + 2 * length;
    EXPECT_TRUE(std::equal(played.begin(), firstPass, firstPass));
    EXPECT_TRUE(std::equal(played.begin(), firstPass, firstPass + 2 * length));

    ASSERT_TRUE(stream.open(dir.file("loop.ogg")));
    for (const int expected : {3001, 3001, length - 6002, 0}) {
        EXPECT_EQ(stream.read(piece.data(), 3001, false), expected);
    }
    EXPECT_FALSE(stream.open(dir.file("missing.ogg")));
    EXPECT_EQ(stream.read(piece.data(), 10, true), 0);
}

}  // namespace
