#include "audio/VorbisStream.h"

#include "audio/PcmSound.h"

VorbisStream::~VorbisStream() {
    close();
}

bool VorbisStream::open(const std::string& path) {
    close();
    if (ov_fopen(path.c_str(), &file_) != 0) return false;
    open_ = true;
    const vorbis_info* info = ov_info(&file_, -1);
    channels_ = info ? info->channels : 0;
    rate_ = info ? static_cast<int>(info->rate) : 0;
    if (channels_ < 1 || channels_ > 2 || rate_ < kMinSoundRate || rate_ > kMaxSoundRate) {
        close();
        return false;
    }
    return true;
}

void VorbisStream::close() {
    if (open_) ov_clear(&file_);
    open_ = false;
    finished_ = false;
    channels_ = 0;
    rate_ = 0;
}

int VorbisStream::decodeSome(std::int16_t* dest, int frames) {
    const int bytes = frames * channels_ * 2;
    int section = 0;
    for (;;) {
        const long got = ov_read(&file_, reinterpret_cast<char*>(dest), bytes, 0, 2, 1, &section);
        if (got == OV_HOLE) continue;
        if (got < 0) return -1;
        const vorbis_info* info = ov_info(&file_, section);
        if (!info || info->channels != channels_) return -1;
        return static_cast<int>(got) / (2 * channels_);
    }
}

int VorbisStream::read(std::int16_t* dest, int frames, bool loop) {
    if (!open_ || finished_) return 0;
    int written = 0;
    bool rewoundWithoutAudio = false;
    while (written < frames) {
        const int got = decodeSome(dest + written * channels_, frames - written);
        if (got > 0) {
            written += got;
            rewoundWithoutAudio = false;
            continue;
        }
        // The end, or an error. A loop starts again at the first sample,
        // unless the file gave nothing since the last rewind (it is empty).
        if (got < 0 || !loop || rewoundWithoutAudio || ov_pcm_seek(&file_, 0) != 0) {
            finished_ = true;
            break;
        }
        rewoundWithoutAudio = true;
    }
    return written;
}
