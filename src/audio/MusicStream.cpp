#include "audio/MusicStream.h"

#include <algorithm>
#include <chrono>

MusicStream::~MusicStream() {
    stop();
}

bool MusicStream::start(const std::string& hostPath, float gain) {
    stop();
    if (!decoder_.open(hostPath)) return false;

    alGetError();
    alGenSources(1, &source_);
    if (alGetError() != AL_NO_ERROR) {
        source_ = 0;
        decoder_.close();
        return false;
    }
    alGenBuffers(kBufferCount, buffers_.data());
    if (alGetError() != AL_NO_ERROR) {
        buffers_.fill(0);
        releaseAl();
        decoder_.close();
        return false;
    }
    // Music is not placed in the scene: no distance, no panning.
    alSourcei(source_, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source_, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source_, AL_ROLLOFF_FACTOR, 0.0f);
    alSourcef(source_, AL_GAIN, gain);

    fadeInPending_ = true;
    for (ALuint buffer : buffers_) {
        if (!fillAndQueue(buffer)) break;
    }
    alSourcePlay(source_);

    finished_ = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = false;
    }
    thread_ = std::thread(&MusicStream::run, this);
    return true;
}

void MusicStream::stop() {
    if (thread_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    releaseAl();
    decoder_.close();
    finished_ = false;
}

bool MusicStream::playing() const {
    return thread_.joinable() && !finished_;
}

void MusicStream::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!quit_) {
        lock.unlock();
        service();
        lock.lock();
        wake_.wait_for(lock, std::chrono::milliseconds(kServicePeriodMs), [this] { return quit_; });
    }
}

void MusicStream::service() {
    if (finished_) return;
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        if (!fillAndQueue(buffer)) break;
    }
    ALint state = AL_STOPPED;
    ALint queued = 0;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    alGetSourcei(source_, AL_BUFFERS_QUEUED, &queued);
    if (state == AL_PLAYING) return;
    // Ran dry (the process was starved of time): start again from what is
    // queued, or finish when the decoder has nothing more.
    if (queued > 0) {
        alSourcePlay(source_);
    } else {
        finished_ = true;
    }
}

bool MusicStream::fillAndQueue(ALuint buffer) {
    const int frames = decoder_.read(scratch_.data(), kBufferFrames, true);
    if (frames <= 0) return false;
    if (fadeInPending_) {
        fadeInPending_ = false;
        const int channels = decoder_.channels();
        const int fadeFrames = std::min(frames, decoder_.rate() / 200);  // 5 ms
        for (int i = 0; i < fadeFrames; ++i) {
            for (int c = 0; c < channels; ++c) {
                std::int16_t& sample = scratch_[static_cast<std::size_t>(i) * channels + c];
                sample = static_cast<std::int16_t>(sample * i / fadeFrames);
            }
        }
    }
    const ALenum format = decoder_.channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    const ALsizei bytes = frames * decoder_.channels() * static_cast<ALsizei>(sizeof(std::int16_t));
    alBufferData(buffer, format, scratch_.data(), bytes, decoder_.rate());
    alSourceQueueBuffers(source_, 1, &buffer);
    return true;
}

void MusicStream::releaseAl() {
    if (source_ != 0) {
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);  // a stopped source lets go of its queue
        alDeleteSources(1, &source_);
        source_ = 0;
    }
    if (buffers_[0] != 0) {
        alDeleteBuffers(kBufferCount, buffers_.data());
        buffers_.fill(0);
    }
}
