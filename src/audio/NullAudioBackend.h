#pragma once

#include <array>

#include "audio/AudioBackend.h"
#include "audio/AudioEventLog.h"

// Plays nothing and writes down what would have been heard. Used when the
// game is muted, when no audio device opens, by the headless mode and by
// tests.
//
// Time stands still unless advanceTime is called: a started voice then counts
// as playing for its sample's length at its playback rate (for ever when
// looping), so the voice rules can be followed without a sound card.
class NullAudioBackend : public AudioBackend {
  public:
    NullAudioBackend() = default;

    bool audible() const override { return false; }
    int addSample(const char* name, const PcmSound& sound) override;
    void startVoice(int sample, int voice, int volume, int frequency, bool loop) override;
    bool voicePlaying(int sample, int voice) const override;
    // Music is checked to be a playable Vorbis file but never decoded.
    bool startMusic(const char* file, int volume) override;
    void stopMusic() override;
    bool musicPlaying() const override { return musicPlaying_; }
    void setPaused(bool paused) override;

    void advanceTime(double seconds) { now_ += seconds; }

    AudioEventLog& log() { return log_; }
    const AudioEventLog& log() const { return log_; }

  private:
    struct SampleInfo {
        char name[kMaxSampleNameLength + 1];
        double frames;
        int rate;
    };
    struct VoiceInfo {
        bool started;
        bool loop;
        double startTime;
        double length;  // seconds at the playback rate
    };

    std::array<SampleInfo, kMaxSamples> samples_{};
    std::array<std::array<VoiceInfo, kVoicesPerSample>, kMaxSamples> voices_{};
    int sampleCount_ = 0;
    bool musicPlaying_ = false;
    double now_ = 0.0;
    AudioEventLog log_;
};
