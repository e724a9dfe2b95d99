#pragma once

#include <cstdint>
#include <vector>

#include "Envelope.h"
#include "Oscillator.h"

namespace soundgen {

// One step of a layer's own melody: a pitch (0 for a rest) held for a time.
struct NoteStep {
    double freqHz = 0.0;
    double seconds = 0.0;
};

// Everything one synthesizer layer needs: an oscillator with its pitch
// movement, an envelope, filters and a level. An effect mixes several layers;
// a music instrument is a set of layers that sound together for each note.
// Times are seconds, frequencies hertz, pitch depths semitones.
struct LayerParams {
    Waveform waveform = Waveform::Sine;

    // Pitch: when `relativePitch` is set the two values are multiples of the
    // note being played, otherwise fixed frequencies. The pitch slides from
    // start to end over `slideTime` (0: the whole length of the note).
    bool relativePitch = true;
    double pitchStart = 1.0;
    double pitchEnd = 1.0;
    bool exponentialSlide = true;
    double slideTime = 0.0;

    double dutyStart = 0.5;  // square waves: high fraction of the cycle
    double dutyEnd = 0.5;

    double vibratoRate = 0.0;  // Hz
    double vibratoDepth = 0.0;
    double vibratoDelay = 0.0;
    double wobbleRate = 0.0;  // random pitch jumps a second
    double wobbleDepth = 0.0;
    double tremoloRate = 0.0;   // Hz
    double tremoloDepth = 0.0;  // 0..1 of the level
    double detuneCents = 0.0;   // a second oscillator this far apart (chorus)

    EnvelopeShape envelope;

    // Filters sweep from start to end cutoff on the same clock as the pitch;
    // a cutoff of 0 leaves that filter out.
    double lowpassStart = 0.0;
    double lowpassEnd = 0.0;
    double resonance = 0.707;
    double highpassStart = 0.0;
    double highpassEnd = 0.0;

    double drive = 0.0;  // soft saturation amount, 0 = clean
    double gain = 1.0;
    std::uint32_t seed = 1;

    // Effect layers only: when the layer begins and how long its note is
    // held, or instead a melody of its own (each note re-triggers the
    // envelope and is held for `legato` of its step).
    double start = 0.0;
    double gate = 0.1;
    std::vector<NoteStep> notes;
    double legato = 0.85;
};

}  // namespace soundgen
