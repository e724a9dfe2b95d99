#include "EffectRenderer.h"

#include "LayerRenderer.h"
#include "Mastering.h"

namespace soundgen {

PcmBuffer renderEffect(const EffectDef& effect, double ceilingDb) {
    PcmBuffer pcm;
    pcm.channels = 1;
    for (const LayerParams& layer : effect.layers) renderEffectLayer(layer, pcm.samples);
    removeDcOffset(pcm, false);
    trimTrailingSilence(pcm, -70.0);
    applyEdgeFades(pcm, 0.002, 0.010);
    // Level first with 6 dB of headroom above the ceiling, then round those
    // rare peaks off into the last 4 dB below it.
    normalize(pcm, loudestWindowDb(pcm, 0.05), effect.loudnessDb, ceilingDb + 6.0);
    softLimit(pcm, ceilingDb - 4.0, ceilingDb);
    centerMean(pcm);
    return pcm;
}

}  // namespace soundgen
