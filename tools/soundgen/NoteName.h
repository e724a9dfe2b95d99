#pragma once

#include <string>

namespace soundgen {

// Note names as the song and effect files write them: a letter A-G, an
// optional '#' or 'b', and an octave number ("C4" is middle C, "A4" 440 Hz,
// "Bb2", "F#3"). Returns the frequency in hertz, or 0 for anything else.
double noteFrequency(const std::string& name);

}  // namespace soundgen
