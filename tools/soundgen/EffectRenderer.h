#pragma once

#include "EffectFile.h"
#include "PcmBuffer.h"

namespace soundgen {

// Peak ceilings: OGG leaves room for the few tenths of a dB that lossy coding
// adds to peaks, so every decoded file stays below -1 dBFS.
constexpr double kWavCeilingDb = -1.5;
constexpr double kOggCeilingDb = -3.0;

// Mixes an effect's layers into a finished mono sound: no DC, faded edges,
// trailing silence cut, loudest 50 ms brought to the effect's loudness and
// peaks held under `ceilingDb`. (A reversed effect is made by the generator
// from the finished forward one.)
PcmBuffer renderEffect(const EffectDef& effect, double ceilingDb);

}  // namespace soundgen
