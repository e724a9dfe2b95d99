#include "Oscillator.h"

#include <cmath>

#include "PcmBuffer.h"

namespace soundgen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Smooths the step of a discontinuous waveform over one sample on each side
// so square and saw waves do not alias into whistles at high pitches.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

Oscillator::Oscillator(Waveform waveform, std::uint32_t seed)
    : waveform_(waveform), rng_(seed * 2654435761u + 12345u) {
    held_ = randomValue();
}

float Oscillator::randomValue() {
    rng_ = rng_ * 1664525u + 1013904223u;
    return static_cast<float>((rng_ >> 8) & 0xFFFFFF) / 8388608.0f - 1.0f;
}

float Oscillator::nextNoise(double increment, bool wrapped) {
    if (increment <= 0.0) return randomValue();
    if (wrapped) held_ = randomValue();
    return held_;
}

float Oscillator::next(double freqHz, double duty) {
    const double dt = std::fmin(std::fabs(freqHz) / kSampleRate, 0.5);
    const double t = phase_;
    phase_ += dt;
    const bool wrapped = phase_ >= 1.0;
    if (wrapped) phase_ -= 1.0;

    switch (waveform_) {
        case Waveform::Sine:
            return static_cast<float>(std::sin(kTwoPi * t));
        case Waveform::Saw:
            return static_cast<float>(2.0 * t - 1.0 - polyBlep(t, dt));
        case Waveform::Triangle: {
            // Shifted a quarter cycle so it starts at 0 and rises, like the sine.
            double u = t + 0.25;
            if (u >= 1.0) u -= 1.0;
            return static_cast<float>(1.0 - 4.0 * std::fabs(u - 0.5));
        }
        case Waveform::Square: {
            const double d = std::fmin(std::fmax(duty, 0.02), 0.98);
            double sq = t < d ? 1.0 : -1.0;
            sq += polyBlep(t, dt);
            double fall = t - d;
            if (fall < 0.0) fall += 1.0;
            sq -= polyBlep(fall, dt);
            return static_cast<float>(sq);
        }
        case Waveform::Noise:
            return nextNoise(dt, wrapped);
    }
    return 0.0f;
}

}  // namespace soundgen
