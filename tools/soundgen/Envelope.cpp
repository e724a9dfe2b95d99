#include "Envelope.h"

#include <algorithm>

namespace soundgen {

Envelope::Envelope(const EnvelopeShape& shape, double gateSeconds)
    : shape_(shape), gate_(std::max(gateSeconds, 0.0)) {}

// Decay and release fall on a squared curve: fast at first, then a soft tail,
// which is closer to how struck and plucked things fade than a straight line.
double Envelope::heldLevel(double t) const {
    if (t < shape_.attack) return t / shape_.attack;
    const double intoDecay = t - shape_.attack;
    if (intoDecay < shape_.decay) {
        const double rest = 1.0 - intoDecay / shape_.decay;
        return shape_.sustain + (1.0 - shape_.sustain) * rest * rest;
    }
    return shape_.sustain;
}

double Envelope::level(double t) const {
    if (t < 0.0) return 0.0;
    if (t < gate_) return heldLevel(t);
    const double intoRelease = t - gate_;
    if (intoRelease >= shape_.release) return 0.0;
    const double rest = 1.0 - intoRelease / shape_.release;
    return heldLevel(gate_) * rest * rest;
}

}  // namespace soundgen
