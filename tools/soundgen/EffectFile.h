#pragma once

#include <string>
#include <vector>

#include "LayerParams.h"
#include "TextSource.h"

namespace soundgen {

// One sound effect as its source file describes it:
//   output NAME.wav|NAME.ogg   the file written under data/sound
//   loudness DB                level of its loudest 50 ms (default -10 dBFS)
//   reverse_of NAME            instead of layers: another effect played backwards
//   layer                      starts a layer; the layer statements follow
struct EffectDef {
    std::string output;
    std::string reverseOf;
    double loudnessDb = -10.0;
    std::vector<LayerParams> layers;
};

// Fills `effect` from `source`; on failure `error` says where and why.
bool parseEffect(const TextSource& source, EffectDef& effect, std::string& error);

// True for the file names soundgen can write ("x.wav" or "x.ogg").
bool isRenderedSoundName(const std::string& name);

}  // namespace soundgen
