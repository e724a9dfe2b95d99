#pragma once

#include <cstdint>

namespace soundgen {

enum class Waveform { Sine, Square, Saw, Triangle, Noise };

// One band-limited (polyBLEP) oscillator. Noise is white when asked for a
// frequency of 0, otherwise a sample-and-hold noise that picks a new value
// `freqHz` times a second, which gives it a pitch. The noise generator is our
// own seeded LCG so renders are the same on every run.
class Oscillator {
  public:
    Oscillator(Waveform waveform, std::uint32_t seed);

    // Next sample in -1..1. `duty` is the high fraction of a square wave.
    float next(double freqHz, double duty);

  private:
    float nextNoise(double increment, bool wrapped);
    float randomValue();

    Waveform waveform_;
    double phase_ = 0.0;  // in cycles, 0..1
    float held_ = 0.0f;
    std::uint32_t rng_;
};

}  // namespace soundgen
