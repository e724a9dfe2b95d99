#include "LayerParser.h"

#include <map>

#include "NoteName.h"

namespace soundgen {

namespace {

// Reads words[1..] as `min`..`max` numbers.
bool readNumbers(const SourceLine& line, std::size_t min, std::size_t max,
                 std::vector<double>& values) {
    const std::size_t count = line.words.size() - 1;
    if (count < min || count > max) return false;
    values.clear();
    for (std::size_t i = 1; i < line.words.size(); ++i) {
        double v = 0.0;
        if (!parseNumber(line.words[i], v)) return false;
        values.push_back(v);
    }
    return true;
}

bool parseWave(const std::string& name, Waveform& waveform) {
    static const std::map<std::string, Waveform> kWaves = {
        {"sine", Waveform::Sine},         {"square", Waveform::Square}, {"saw", Waveform::Saw},
        {"triangle", Waveform::Triangle}, {"noise", Waveform::Noise},
    };
    const auto it = kWaves.find(name);
    if (it == kWaves.end()) return false;
    waveform = it->second;
    return true;
}

bool parseNoteStep(const std::string& word, NoteStep& step) {
    const std::size_t colon = word.find(':');
    if (colon == std::string::npos) return false;
    const std::string pitch = word.substr(0, colon);
    if (!parseNumber(word.substr(colon + 1), step.seconds) || step.seconds <= 0.0) return false;
    step.freqHz = pitch == "_" ? 0.0 : noteFrequency(pitch);
    return pitch == "_" || step.freqHz > 0.0;
}

// A start value and an optional end value that defaults to the start.
void setRange(const std::vector<double>& v, double& start, double& end) {
    start = v[0];
    end = v.size() > 1 ? v[1] : v[0];
}

LayerKey parseNumericStatement(const SourceLine& line, LayerParams& layer, std::string& what) {
    const std::string& key = line.words[0];
    std::vector<double> v;
    auto need = [&](std::size_t min, std::size_t max, const char* form) {
        if (readNumbers(line, min, max, v)) return true;
        what = "expected '" + key + " " + form + "'";
        return false;
    };
    if (key == "freq" || key == "ratio") {
        if (!need(1, 2, "START [END]")) return LayerKey::Invalid;
        layer.relativePitch = key == "ratio";
        setRange(v, layer.pitchStart, layer.pitchEnd);
    } else if (key == "duty") {
        if (!need(1, 2, "START [END]")) return LayerKey::Invalid;
        setRange(v, layer.dutyStart, layer.dutyEnd);
    } else if (key == "vibrato") {
        if (!need(2, 3, "RATE SEMITONES [DELAY]")) return LayerKey::Invalid;
        layer.vibratoRate = v[0];
        layer.vibratoDepth = v[1];
        layer.vibratoDelay = v.size() > 2 ? v[2] : 0.0;
    } else if (key == "wobble" || key == "tremolo") {
        if (!need(2, 2, "RATE DEPTH")) return LayerKey::Invalid;
        (key == "wobble" ? layer.wobbleRate : layer.tremoloRate) = v[0];
        (key == "wobble" ? layer.wobbleDepth : layer.tremoloDepth) = v[1];
    } else if (key == "env") {
        if (!need(4, 4, "ATTACK DECAY SUSTAIN RELEASE")) return LayerKey::Invalid;
        layer.envelope = {v[0], v[1], v[2], v[3]};
    } else if (key == "lowpass" || key == "highpass") {
        if (!need(1, 2, "HZ [HZ_END]")) return LayerKey::Invalid;
        if (key == "lowpass") setRange(v, layer.lowpassStart, layer.lowpassEnd);
        if (key == "highpass") setRange(v, layer.highpassStart, layer.highpassEnd);
    } else {
        static const std::map<std::string, double LayerParams::*> kSingles = {
            {"resonance", &LayerParams::resonance}, {"drive", &LayerParams::drive},
            {"gain", &LayerParams::gain},           {"start", &LayerParams::start},
            {"gate", &LayerParams::gate},           {"legato", &LayerParams::legato},
            {"detune", &LayerParams::detuneCents},
        };
        const auto it = kSingles.find(key);
        if (it == kSingles.end()) return LayerKey::Unknown;
        if (!need(1, 1, "VALUE")) return LayerKey::Invalid;
        layer.*(it->second) = v[0];
    }
    return LayerKey::Handled;
}

}  // namespace

LayerKey parseLayerStatement(const TextSource& source, const SourceLine& line, LayerParams& layer,
                             std::string& error) {
    const std::string& key = line.words[0];
    std::string what;
    if (key == "wave") {
        if (line.words.size() != 2 || !parseWave(line.words[1], layer.waveform)) {
            what = "expected 'wave sine|square|saw|triangle|noise'";
        }
    } else if (key == "slide") {
        const bool ok = line.words.size() >= 2 && line.words.size() <= 3 &&
                        (line.words[1] == "exp" || line.words[1] == "linear") &&
                        (line.words.size() < 3 || parseNumber(line.words[2], layer.slideTime));
        if (ok) layer.exponentialSlide = line.words[1] == "exp";
        if (!ok) what = "expected 'slide exp|linear [SECONDS]'";
    } else if (key == "seed") {
        double seed = 0.0;
        if (line.words.size() != 2 || !parseNumber(line.words[1], seed) || seed < 0.0) {
            what = "expected 'seed N'";
        }
        layer.seed = static_cast<std::uint32_t>(seed);
    } else if (key == "notes") {
        layer.notes.clear();
        for (std::size_t i = 1; i < line.words.size() && what.empty(); ++i) {
            NoteStep step;
            if (!parseNoteStep(line.words[i], step)) what = "bad note '" + line.words[i] + "'";
            layer.notes.push_back(step);
        }
        if (layer.notes.empty()) what = "expected 'notes NOTE:SECONDS ...'";
    } else {
        const LayerKey result = parseNumericStatement(line, layer, what);
        if (result == LayerKey::Unknown) return result;
    }
    if (what.empty()) return LayerKey::Handled;
    error = source.error(line, what);
    return LayerKey::Invalid;
}

bool applyLayerStatement(const TextSource& source, const SourceLine& line, LayerParams& layer,
                         std::string& error) {
    switch (parseLayerStatement(source, line, layer, error)) {
        case LayerKey::Handled:
            return true;
        case LayerKey::Invalid:
            return false;
        case LayerKey::Unknown:
            break;
    }
    error = source.error(line, "unknown statement '" + line.words[0] + "'");
    return false;
}

}  // namespace soundgen
