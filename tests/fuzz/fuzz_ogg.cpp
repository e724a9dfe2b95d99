// Ogg Vorbis: the in-memory decoder of sound effects, then the same bytes
// streamed the way music is, looping, from a file in memory (memfd).
#include <sys/mman.h>
#include <unistd.h>

#include <vector>

#include "FuzzCheck.h"
#include "audio/OggDecoder.h"
#include "audio/VorbisStream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PcmSound sound;
    std::string error;
    const bool ok = decodeOgg(data, size, sound, &error);
    requireDecoderResult(ok, sound, error);

    const int fd = memfd_create("fuzz-ogg", 0);
    if (fd < 0) return 0;
    for (std::size_t done = 0; done < size;) {
        const ssize_t n = write(fd, data + done, size - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    VorbisStream stream;
    const bool open = stream.open("/proc/self/fd/" + std::to_string(fd));
    // A sound the decoder takes, the stream opens alike.
    require(!ok || (open && stream.channels() == sound.channels && stream.rate() == sound.rate));
    // Four music buffers' worth, looping on every other one.
    std::vector<std::int16_t> buffer(4096 * 2);
    for (int i = 0; open && i < 4; ++i) {
        const int got = stream.read(buffer.data(), 4096, i % 2 == 0);
        require(got >= 0 && got <= 4096);
    }
    stream.close();
    close(fd);
    return 0;
}
