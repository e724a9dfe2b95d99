// Ogg Vorbis: the in-memory decoder of sound effects, then the same bytes
// streamed the way music is, looping, from a file in memory (memfd).
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/OggDecoder.h"
#include "audio/VorbisStream.h"

namespace {

// One music buffer's worth of frames, as the streaming side asks for.
constexpr int kChunkFrames = 4096;
constexpr int kChunksRead = 4;

void streamFromMemory(const std::uint8_t* data, std::size_t size, const PcmSound& decoded,
                      bool decodedOk) {
    const int fd = memfd_create("fuzz-ogg", 0);
    if (fd < 0) return;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    VorbisStream stream;
    const bool open = stream.open("/proc/self/fd/" + std::to_string(fd));
    // A sound the decoder takes, the stream opens alike.
    if (decodedOk &&
        (!open || stream.channels() != decoded.channels || stream.rate() != decoded.rate)) {
        std::abort();
    }
    if (open) {
        std::vector<std::int16_t> buffer(static_cast<std::size_t>(kChunkFrames) * 2);
        for (int i = 0; i < kChunksRead; ++i) {
            const int got = stream.read(buffer.data(), kChunkFrames, i % 2 == 0);
            if (got < 0 || got > kChunkFrames) std::abort();
        }
    }
    stream.close();
    close(fd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PcmSound sound;
    std::string error;
    const bool ok = decodeOgg(data, size, sound, &error);
    if (!ok) {
        if (error.empty() || !sound.samples.empty() || sound.channels != 0) std::abort();
    } else if (sound.channels < 1 || sound.channels > 2 || sound.rate < kMinSoundRate ||
               sound.rate > kMaxSoundRate || sound.samples.empty() ||
               sound.samples.size() % static_cast<std::size_t>(sound.channels) != 0 ||
               sound.seconds() > kMaxSampleSeconds) {
        std::abort();
    }
    streamFromMemory(data, size, sound, ok);
    return 0;
}
