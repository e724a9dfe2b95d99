#pragma once

class Reporter;

#include <array>
#include <cstdint>
#include <memory>

#include "audio/AudioBackend.h"

// Named sound effects and one looping music stream.
//
// The rules the game relies on live here, whatever the back end:
// - samples are kept in load order; play() uses the first entry whose name
//   matches exactly (case counts), so a later duplicate is never heard;
// - a sample sounds at most twice at once; a third play takes over the voice
//   that has been playing longest;
// - volume 0..100; frequency kOwnRate (-1) for the sample's own rate,
//   otherwise that rate in Hz;
// - a name never loaded, or a sample whose file failed to load, plays nothing;
// - one music stream at a time; playMusic starts the file from its beginning.
//
// Main thread only. Nothing is allocated by play(); loading allocates only
// while it decodes.
class SoundSystem {
  public:
    enum class Output {
        Device,  // the default audio device; without one, a message and silence
        Mute,    // opens no device and says nothing (the --mute flag)
    };

    // A device that cannot be opened is reported through `reporter`.
    explicit SoundSystem(Output output, const Reporter* reporter = nullptr);
    // For the headless mode and tests: any back end, e.g. a NullAudioBackend
    // whose log the caller keeps reading.
    explicit SoundSystem(std::unique_ptr<AudioBackend> backend);
    ~SoundSystem();
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Adds an entry for `name` with the sound in `file` (the game's backslash
    // paths are accepted). The entry is added even when the file fails (it
    // then plays nothing); false in that case, and when the table is full.
    bool loadSample(const char* file, const char* name);

    void play(const char* name, int volume, int frequency, bool loop);

    // Starts `file` from its beginning, looping, at `volume` (0..100),
    // replacing any music. A file that cannot be played leaves no music.
    void playMusic(const char* file, int volume);
    void stopMusic();
    // The pause: every sound holds where it is until resumed.
    void setPaused(bool paused) { backend_->setPaused(paused); }
    bool musicPlaying() const { return backend_->musicPlaying(); }

    // Whether sound reaches a device (false when muted or when none opened).
    bool hasDevice() const { return backend_->audible(); }
    int sampleCount() const { return sampleCount_; }
    AudioBackend& backend() { return *backend_; }

  private:
    struct SampleEntry {
        char name[kMaxSampleNameLength + 1];
        int handle;  // the back end's, or -1 when the file failed
        // Play counter value at each voice's last start; 0 = never started.
        std::array<std::uint64_t, kVoicesPerSample> startedAt;
    };

    const SampleEntry* findSample(const char* name) const;
    int chooseVoice(const SampleEntry& entry) const;

    std::unique_ptr<AudioBackend> backend_;
    std::array<SampleEntry, kMaxSamples> samples_{};
    int sampleCount_ = 0;
    std::uint64_t playCounter_ = 0;
};
