#include "EffectFile.h"

#include "LayerParser.h"

namespace soundgen {

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() > tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool parseEffectStatement(const TextSource& source, const SourceLine& line, EffectDef& effect,
                          std::string& error) {
    const std::string& key = line.words[0];
    if (key == "layer" && line.words.size() == 1) {
        // Effect layers play no note: their pitch is what 'freq' says, and a
        // noise layer without one is white.
        LayerParams layer;
        layer.relativePitch = false;
        layer.pitchStart = layer.pitchEnd = 0.0;
        layer.seed = static_cast<std::uint32_t>(effect.layers.size() + 1);
        effect.layers.push_back(layer);
        return true;
    }
    if ((key == "output" || key == "reverse_of") && line.words.size() == 2) {
        if (!isRenderedSoundName(line.words[1])) {
            error = source.error(line, "'" + line.words[1] + "' is not a .wav or .ogg name");
            return false;
        }
        (key == "output" ? effect.output : effect.reverseOf) = line.words[1];
        return true;
    }
    if (key == "loudness" && line.words.size() == 2 &&
        parseNumber(line.words[1], effect.loudnessDb)) {
        return true;
    }
    if (effect.layers.empty()) {
        error = source.error(line, "'" + key + "' is not an effect statement (missing 'layer'?)");
        return false;
    }
    return applyLayerStatement(source, line, effect.layers.back(), error);
}

}  // namespace

bool isRenderedSoundName(const std::string& name) {
    return endsWith(name, ".wav") || endsWith(name, ".ogg");
}

bool parseEffect(const TextSource& source, EffectDef& effect, std::string& error) {
    effect = EffectDef();
    for (const SourceLine& line : source.lines()) {
        if (!parseEffectStatement(source, line, effect, error)) return false;
    }
    if (effect.output.empty()) {
        error = source.name() + ": no 'output' line";
        return false;
    }
    for (std::size_t i = 0; i < effect.layers.size(); ++i) {
        const LayerParams& layer = effect.layers[i];
        const bool pitched = layer.waveform != Waveform::Noise;
        if (pitched && layer.notes.empty() && (layer.pitchStart <= 0.0 || layer.pitchEnd <= 0.0)) {
            error =
                source.name() + ": layer " + std::to_string(i + 1) + " has no 'freq' or 'notes'";
            return false;
        }
        if (!layer.notes.empty() && !layer.relativePitch) {
            // With a melody the pitch is the note's; 'ratio' may shift it.
            effect.layers[i].relativePitch = true;
            if (layer.pitchStart <= 0.0)
                effect.layers[i].pitchStart = effect.layers[i].pitchEnd = 1.0;
        }
    }
    if (effect.reverseOf.empty() == effect.layers.empty()) {
        error = source.name() + ": an effect needs either layers or 'reverse_of', not both";
        return false;
    }
    return true;
}

}  // namespace soundgen
