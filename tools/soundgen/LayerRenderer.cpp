#include "LayerRenderer.h"

#include <cmath>

#include "PcmBuffer.h"
#include "StateVariableFilter.h"

namespace soundgen {

namespace {

constexpr double kTwoPi = 6.283185307179586;

double sweep(double from, double to, double x, bool exponential) {
    if (exponential && from > 0.0 && to > 0.0) return from * std::pow(to / from, x);
    return from + (to - from) * x;
}

std::size_t toFrames(double seconds) {
    return static_cast<std::size_t>(std::llround(std::fmax(seconds, 0.0) * kSampleRate));
}

// The oscillators of one sounding note, with the note's filters.
class NoteVoice {
  public:
    explicit NoteVoice(const LayerParams& p)
        : p_(p),
          main_(p.waveform, p.seed),
          chorus_(p.waveform, p.seed + 7),
          wobble_(Waveform::Noise, p.seed + 13),
          lowpass_(p.resonance),
          highpass_() {}

    float sample(double t, double x, double baseFreq) {
        const double mult = p_.relativePitch ? baseFreq : 1.0;
        double freq = sweep(p_.pitchStart * mult, p_.pitchEnd * mult, x, p_.exponentialSlide);
        double semitones = 0.0;
        if (p_.vibratoDepth != 0.0 && t >= p_.vibratoDelay) {
            semitones +=
                p_.vibratoDepth * std::sin(kTwoPi * p_.vibratoRate * (t - p_.vibratoDelay));
        }
        if (p_.wobbleDepth != 0.0) semitones += p_.wobbleDepth * wobble_.next(p_.wobbleRate, 0.5);
        freq *= std::pow(2.0, semitones / 12.0);

        const double duty = sweep(p_.dutyStart, p_.dutyEnd, x, false);
        double s;
        if (p_.detuneCents != 0.0) {
            const double spread = std::pow(2.0, p_.detuneCents / 2400.0);
            s = 0.5 * (main_.next(freq / spread, duty) + chorus_.next(freq * spread, duty));
        } else {
            s = main_.next(freq, duty);
        }
        if (p_.drive > 0.0) s = std::tanh(p_.drive * s) / std::tanh(p_.drive);
        if (p_.lowpassStart > 0.0) {
            s = lowpass_
                    .process(static_cast<float>(s), sweep(p_.lowpassStart, p_.lowpassEnd, x, true))
                    .low;
        }
        if (p_.highpassStart > 0.0) {
            s = highpass_
                    .process(static_cast<float>(s),
                             sweep(p_.highpassStart, p_.highpassEnd, x, true))
                    .high;
        }
        if (p_.tremoloDepth > 0.0) {
            s *= 1.0 - p_.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * p_.tremoloRate * t));
        }
        return static_cast<float>(s);
    }

  private:
    const LayerParams& p_;
    Oscillator main_;
    Oscillator chorus_;
    Oscillator wobble_;
    StateVariableFilter lowpass_;
    StateVariableFilter highpass_;
};

}  // namespace

void renderLayerNote(const LayerParams& layer, double baseFreqHz, double gateSeconds,
                     float velocity, std::vector<float>& out, std::size_t offset) {
    const Envelope envelope(layer.envelope, gateSeconds);
    const std::size_t frames = toFrames(envelope.length());
    if (out.size() < offset + frames) out.resize(offset + frames, 0.0f);
    const double sweepTime = layer.slideTime > 0.0 ? layer.slideTime : envelope.length();
    NoteVoice voice(layer);
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double x = std::fmin(t / sweepTime, 1.0);
        const double level = envelope.level(t) * layer.gain * velocity;
        out[offset + i] += static_cast<float>(voice.sample(t, x, baseFreqHz) * level);
    }
}

void renderEffectLayer(const LayerParams& layer, std::vector<float>& out) {
    if (layer.notes.empty()) {
        renderLayerNote(layer, 1.0, layer.gate, 1.0f, out, toFrames(layer.start));
        return;
    }
    double t = layer.start;
    for (const NoteStep& note : layer.notes) {
        if (note.freqHz > 0.0) {
            renderLayerNote(layer, note.freqHz, note.seconds * layer.legato, 1.0f, out,
                            toFrames(t));
        }
        t += note.seconds;
    }
}

}  // namespace soundgen
