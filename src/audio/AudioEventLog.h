#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

enum class AudioEventKind : std::uint8_t { Play, MusicStart, MusicStop, Pause, Resume };

// One thing the game made heard. For Play: the sample's name, the arguments
// of the play and which of the sample's voices took it. For MusicStart: the
// file as the game names it and the volume. MusicStop, Pause and Resume carry nothing.
struct AudioEvent {
    AudioEventKind kind = AudioEventKind::Play;
    char name[256] = {};
    int volume = 0;
    int frequency = 0;
    bool loop = false;
    int voice = 0;
};

// The most recent events in a fixed ring; when it is full the oldest event
// gives way and is counted as dropped. Readers (tests, the per-frame trace)
// look at what is there and then clear it.
class AudioEventLog {
  public:
    static constexpr std::size_t kCapacity = 256;

    void push(const AudioEvent& event);
    // Events held, oldest first: at(0) .. at(size() - 1).
    std::size_t size() const { return count_; }
    const AudioEvent& at(std::size_t index) const;
    std::uint64_t dropped() const { return dropped_; }
    void clear();

  private:
    std::array<AudioEvent, kCapacity> events_{};
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    std::uint64_t dropped_ = 0;
};
