#pragma once

#include "audio/PcmSound.h"

// Table sizes shared by the sound system and every back end.
constexpr int kMaxSamples = 64;
// Playbacks of one sample that may sound at once.
constexpr int kVoicesPerSample = 2;
// Sample names are kept to this many characters.
constexpr int kMaxSampleNameLength = 255;

// Frequency value meaning "the sample's own rate".
constexpr int kOwnRate = -1;

// The seam between the sound system's rules and the sound card. The
// SoundSystem decides which sample plays on which of its voices; a back end
// only carries that out (or, for the null one, writes it down). All calls come
// from the main thread.
class AudioBackend {
  public:
    virtual ~AudioBackend() = default;

    // Whether sound reaches a device.
    virtual bool audible() const = 0;

    // Takes a decoded sample; returns its handle (0, 1, 2... in load order), or
    // -1 when it cannot be kept. Called at most kMaxSamples times.
    virtual int addSample(const char* name, const PcmSound& sound) = 0;

    // Starts `sample` from its beginning on voice `voice` (0 to
    // kVoicesPerSample - 1), cutting off whatever that voice was playing.
    // volume 0..100; frequency in Hz, or kOwnRate.
    virtual void startVoice(int sample, int voice, int volume, int frequency, bool loop) = 0;
    virtual bool voicePlaying(int sample, int voice) const = 0;

    // Starts the music file (the game's own name for it) from its beginning,
    // looping, replacing any music already playing. False, and no music, when
    // the file cannot be played.
    virtual bool startMusic(const char* file, int volume) = 0;
    virtual void stopMusic() = 0;
    virtual bool musicPlaying() const = 0;

    // Holds every sound, music and effects, where it is (true), or lets it
    // go on (false); the game's pause.
    virtual void setPaused(bool paused) = 0;
};
