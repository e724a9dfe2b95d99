#pragma once

namespace soundgen {

// Two-pole state-variable filter (the trapezoidal, zero-delay form, which
// stays stable when the cutoff sweeps right up to the top of the band).
// One instance gives low-pass and high-pass outputs of the same input.
class StateVariableFilter {
  public:
    explicit StateVariableFilter(double resonance = 0.707) : damping_(1.0 / resonance) {}

    struct Outputs {
        float low;
        float band;
        float high;
    };

    // Filters one sample with the cutoff `cutoffHz` (clamped to the band).
    Outputs process(float input, double cutoffHz);

  private:
    void setCutoff(double cutoffHz);

    double damping_;
    double cutoff_ = -1.0;
    double a1_ = 0.0, a2_ = 0.0, a3_ = 0.0;
    double ic1_ = 0.0, ic2_ = 0.0;
};

}  // namespace soundgen
