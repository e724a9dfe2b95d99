#include "audio/OggDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

// libvorbisfile reads through these callbacks from a memory block.
struct MemoryReader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos;
};

size_t readMemory(void* dest, size_t size, size_t count, void* source) {
    auto* reader = static_cast<MemoryReader*>(source);
    if (size == 0) return 0;
    const std::size_t left = reader->size - reader->pos;
    const std::size_t items = std::min(count, left / size);
    std::memcpy(dest, reader->data + reader->pos, items * size);
    reader->pos += items * size;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* reader = static_cast<MemoryReader*>(source);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(reader->pos);
    if (whence == SEEK_END) base = static_cast<ogg_int64_t>(reader->size);
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > static_cast<ogg_int64_t>(reader->size)) return -1;
    reader->pos = static_cast<std::size_t>(target);
    return 0;
}

long tellMemory(void* source) {
    return static_cast<long>(static_cast<MemoryReader*>(source)->pos);
}

// Decodes until the end of the stream, a hard error or the length limit.
// Returns false on a decode error before any audio came out.
bool decodeAll(OggVorbis_File& file, int channels, std::size_t maxSamples, PcmSound& out) {
    char chunk[8192];
    int section = 0;
    for (;;) {
        const long got = ov_read(&file, chunk, sizeof chunk, 0, 2, 1, &section);
        if (got == OV_HOLE) continue;  // a damaged page; the decoder resyncs
        if (got < 0) return !out.samples.empty();
        if (got == 0) return true;
        const vorbis_info* info = ov_info(&file, section);
        if (!info || info->channels != channels) return !out.samples.empty();
        const std::size_t count = static_cast<std::size_t>(got) / 2;
        if (out.samples.size() + count > maxSamples) return false;
        const std::size_t old = out.samples.size();
        out.samples.resize(old + count);
        std::memcpy(out.samples.data() + old, chunk, count * 2);
    }
}

}  // namespace

bool decodeOgg(const std::uint8_t* data, std::size_t size, PcmSound& out, std::string* error) {
    refuseSound(out, nullptr, "");
    if (!data || size == 0) return refuseSound(out, error, "empty file");
    MemoryReader reader{data, size, 0};
    const ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    OggVorbis_File file;
    if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) {
        return refuseSound(out, error, "not an Ogg Vorbis file");
    }
    const vorbis_info* info = ov_info(&file, -1);
    const int channels = info ? info->channels : 0;
    const long rate = info ? info->rate : 0;
    if (channels < 1 || channels > 2 || rate < kMinSoundRate || rate > kMaxSoundRate) {
        ov_clear(&file);
        return refuseSound(out, error, "unsupported channel count or rate");
    }
    const std::size_t maxSamples =
        static_cast<std::size_t>(rate) * kMaxSampleSeconds * static_cast<std::size_t>(channels);
    const bool ok = decodeAll(file, channels, maxSamples, out);
    ov_clear(&file);
    if (!ok) return refuseSound(out, error, "decode error or longer than a sound effect may be");
    if (out.samples.empty()) return refuseSound(out, error, "no audio");
    // A stream cut inside a frame can leave half a stereo frame.
    out.samples.resize(out.samples.size() -
                       out.samples.size() % static_cast<std::size_t>(channels));
    out.channels = channels;
    out.rate = static_cast<int>(rate);
    return true;
}
