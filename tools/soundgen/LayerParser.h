#pragma once

#include <string>

#include "LayerParams.h"
#include "TextSource.h"

namespace soundgen {

// Reads the layer statements shared by effect and song files:
//   wave sine|square|saw|triangle|noise
//   freq HZ [HZ_END]        fixed pitch (noise: 0 = white, else its rate)
//   ratio R [R_END]         pitch as a multiple of the note played
//   slide exp|linear [SECONDS]
//   duty D [D_END]
//   vibrato RATE SEMITONES [DELAY]    wobble RATE SEMITONES
//   tremolo RATE DEPTH      detune CENTS
//   env ATTACK DECAY SUSTAIN RELEASE
//   lowpass HZ [HZ_END]     highpass HZ [HZ_END]     resonance Q
//   drive AMOUNT            gain LEVEL               seed N
//   start SECONDS           gate SECONDS
//   notes NOTE:SECONDS ...  (a rest is _:SECONDS)    legato FRACTION
enum class LayerKey { Handled, Unknown, Invalid };

LayerKey parseLayerStatement(const TextSource& source, const SourceLine& line, LayerParams& layer,
                             std::string& error);

// The last word on a statement inside a layer: applies it, or reports it as
// unknown. False with `error` set when the statement is wrong.
bool applyLayerStatement(const TextSource& source, const SourceLine& line, LayerParams& layer,
                         std::string& error);

}  // namespace soundgen
