#pragma once

#include <cstddef>
#include <vector>

#include "LayerParams.h"

namespace soundgen {

// Adds one note of `layer` into the mono buffer `out`, starting at frame
// `offset` (the buffer grows when the note runs past its end). `baseFreqHz`
// is the note's pitch for relative layers; the note is held for
// `gateSeconds` and then released; `velocity` scales its level.
void renderLayerNote(const LayerParams& layer, double baseFreqHz, double gateSeconds,
                     float velocity, std::vector<float>& out, std::size_t offset);

// Adds a layer the way an effect uses it: once from its `start` for its
// `gate`, or its own melody when it has notes.
void renderEffectLayer(const LayerParams& layer, std::vector<float>& out);

}  // namespace soundgen
