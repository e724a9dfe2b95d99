#include "NoteName.h"

#include <cctype>
#include <cmath>

namespace soundgen {

double noteFrequency(const std::string& name) {
    // Semitones above C for the letters A..G.
    static const int kLetterSemitone[7] = {9, 11, 0, 2, 4, 5, 7};
    if (name.size() < 2) return 0.0;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    if (letter < 'A' || letter > 'G') return 0.0;
    int semitone = kLetterSemitone[letter - 'A'];
    std::size_t pos = 1;
    if (name[pos] == '#') {
        ++semitone;
        ++pos;
    } else if (name[pos] == 'b') {
        --semitone;
        ++pos;
    }
    if (pos >= name.size()) return 0.0;
    if (pos + 1 != name.size() || !std::isdigit(static_cast<unsigned char>(name[pos]))) return 0.0;
    const int octave = name[pos] - '0';
    const int midi = 12 * (octave + 1) + semitone;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

}  // namespace soundgen
