#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <array>
#include <memory>

#include "audio/AudioBackend.h"
#include "audio/MusicStream.h"

// Plays through OpenAL Soft on the default output device. Each loaded sample
// is one buffer with two sources of its own, one per voice, made at load time
// so that playing never allocates. The context is made current for the whole
// process: only one OpenAlBackend may exist at a time.
class OpenAlBackend : public AudioBackend {
  public:
    // Opens the default device at 44.1 kHz; nullptr when there is none (no
    // sound card, or OpenAL refuses).
    static std::unique_ptr<OpenAlBackend> open();
    ~OpenAlBackend() override;
    OpenAlBackend(const OpenAlBackend&) = delete;
    OpenAlBackend& operator=(const OpenAlBackend&) = delete;

    bool audible() const override { return true; }
    int addSample(const char* name, const PcmSound& sound) override;
    void startVoice(int sample, int voice, int volume, int frequency, bool loop) override;
    bool voicePlaying(int sample, int voice) const override;
    bool startMusic(const char* file, int volume) override;
    void stopMusic() override;
    void setPaused(bool paused) override;
    bool musicPlaying() const override { return music_.playing(); }

  private:
    OpenAlBackend(ALCdevice* device, ALCcontext* context);
    bool validVoice(int sample, int voice) const;

    struct Sample {
        ALuint buffer;
        int rate;
        std::array<ALuint, kVoicesPerSample> sources;
    };

    ALCdevice* device_;
    ALCcontext* context_;
    std::array<Sample, kMaxSamples> samples_{};
    int sampleCount_ = 0;
    MusicStream music_;
};
