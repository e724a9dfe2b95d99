#pragma once

#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <string>

// An Ogg Vorbis file decoded a piece at a time, as music needs: only the
// decoder's own state is held, never the whole file's audio.
class VorbisStream {
  public:
    VorbisStream() = default;
    ~VorbisStream();
    VorbisStream(const VorbisStream&) = delete;
    VorbisStream& operator=(const VorbisStream&) = delete;

    // Opens a host path; false (and closed) when it is not a playable mono or
    // stereo Vorbis file.
    bool open(const std::string& path);
    void close();
    bool isOpen() const { return open_; }
    int channels() const { return channels_; }
    int rate() const { return rate_; }

    // Fills `frames` frames of interleaved 16-bit samples into `dest`. With
    // `loop`, reaching the end seeks back to the first sample and carries on
    // filling the same buffer, so the join has no gap. Returns the frames
    // written: fewer than asked only at the end without `loop`, or after a
    // decode error (the stream is then finished).
    int read(std::int16_t* dest, int frames, bool loop);

  private:
    // One ov_read into dest; frames decoded, 0 at the end, -1 on error.
    int decodeSome(std::int16_t* dest, int frames);

    OggVorbis_File file_{};
    bool open_ = false;
    bool finished_ = false;
    int channels_ = 0;
    int rate_ = 0;
};
