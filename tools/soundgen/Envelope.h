#pragma once

namespace soundgen {

// Attack-decay-sustain-release envelope, times in seconds, sustain as a level
// 0..1. The gate is how long the key is held: the release starts there from
// whatever level the envelope had reached.
struct EnvelopeShape {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 1.0;
    double release = 0.05;
};

class Envelope {
  public:
    Envelope(const EnvelopeShape& shape, double gateSeconds);

    // Level 0..1 at `t` seconds after the note starts.
    double level(double t) const;
    // Time after which the envelope stays at 0.
    double length() const { return gate_ + shape_.release; }

  private:
    double heldLevel(double t) const;

    EnvelopeShape shape_;
    double gate_;
};

}  // namespace soundgen
