#pragma once

#include <AL/al.h>

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "audio/VorbisStream.h"

// One looping music file played through an OpenAL buffer queue. A thread of
// its own decodes ahead and refills the queue, so the music keeps going while
// the main loop stalls (a window being dragged, a slow room load). The queue
// holds kBufferCount x kBufferFrames frames: about 0.37 s at 44.1 kHz, and the
// thread tops it up every kServicePeriodMs.
//
// Threads: start and stop are called from the main thread only. Between them
// the decoder, the source and the buffers belong to the feeding thread alone;
// the main thread touches them again only after joining it.
class MusicStream {
  public:
    static constexpr int kBufferCount = 4;
    static constexpr int kBufferFrames = 4096;
    static constexpr int kServicePeriodMs = 10;

    MusicStream() = default;
    ~MusicStream();
    MusicStream(const MusicStream&) = delete;
    MusicStream& operator=(const MusicStream&) = delete;

    // Needs a current OpenAL context. Stops any music first; false when the
    // file cannot be played. gain 0..1.
    bool start(const std::string& hostPath, float gain);
    void stop();
    // True from a successful start until stop, unless the file failed part
    // way (a decode error with nothing left to play).
    bool playing() const;

  private:
    void run();
    void service();
    // Decodes the next piece into `buffer` and queues it; false when the
    // decoder has nothing more.
    bool fillAndQueue(ALuint buffer);
    void releaseAl();

    VorbisStream decoder_;
    ALuint source_ = 0;
    std::array<ALuint, kBufferCount> buffers_{};
    std::array<std::int16_t, kBufferFrames * 2> scratch_{};
    // The first buffer after a start fades in over a few milliseconds: a
    // track's first sample continues its loop's tail and need not be 0, and
    // starting on it would click. Loops themselves join without a fade.
    bool fadeInPending_ = false;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool quit_ = false;  // guarded by mutex_
    std::atomic<bool> finished_{false};
};
