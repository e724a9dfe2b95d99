#include "StateVariableFilter.h"

#include <algorithm>
#include <cmath>

#include "PcmBuffer.h"

namespace soundgen {

void StateVariableFilter::setCutoff(double cutoffHz) {
    if (cutoffHz == cutoff_) return;
    cutoff_ = cutoffHz;
    const double fc = std::clamp(cutoffHz, 10.0, 0.45 * kSampleRate);
    const double g = std::tan(3.141592653589793 * fc / kSampleRate);
    a1_ = 1.0 / (1.0 + g * (g + damping_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

StateVariableFilter::Outputs StateVariableFilter::process(float input, double cutoffHz) {
    setCutoff(cutoffHz);
    const double v3 = input - ic2_;
    const double v1 = a1_ * ic1_ + a2_ * v3;
    const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {static_cast<float>(v2), static_cast<float>(v1),
            static_cast<float>(input - damping_ * v1 - v2)};
}

}  // namespace soundgen
