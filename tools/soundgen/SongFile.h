#pragma once

#include <string>
#include <vector>

#include "LayerParams.h"
#include "TextSource.h"

namespace soundgen {

// A music loop in our pattern notation:
//
//   output music_name.ogg
//   tempo 96                 beats a minute
//   steps_per_beat 4         grid of the patterns (4: sixteenth notes)
//   loudness -20             RMS of the whole loop, dBFS
//   instrument NAME          layers (see LayerParser.h) up to 'end'
//     layer ...
//   end
//   track NAME INSTRUMENT [pan P] [gain G] [echo SECONDS FEEDBACK MIX]
//   pattern NAME             one line per track up to 'end'
//     TRACK  C3 - - . E3+G3 . x:5 | ...
//   end
//   order NAME NAME ...      the patterns in playing order; the loop repeats it
//
// A step is '.' (silence), '-' (hold the note before), a note name, several
// notes joined with '+' (a chord), or 'x' (a hit, for drums whose layers set
// their own pitch); ':N' after a note sets its velocity, 1..9 (default 9).
// '|' marks bars for the reader and is skipped. A track may take several
// lines in one pattern; every track in a pattern must be as long as the others.
struct SongStep {
    enum Kind { Rest, Hold, Strike };
    Kind kind = Rest;
    std::vector<double> freqsHz;  // Strike only
    float velocity = 1.0f;
};

struct SongInstrument {
    std::string name;
    std::vector<LayerParams> layers;
};

struct SongTrack {
    std::string name;
    int instrument = 0;
    double pan = 0.0;  // -1 left .. 1 right
    double gain = 1.0;
    double echoSeconds = 0.0;
    double echoFeedback = 0.0;
    double echoMix = 0.0;
};

struct SongPattern {
    std::string name;
    int length = 0;                            // steps
    std::vector<std::vector<SongStep>> steps;  // by track; empty: silent here
};

struct SongDef {
    std::string output;
    double tempo = 120.0;
    int stepsPerBeat = 4;
    double loudnessDb = -20.0;
    std::vector<SongInstrument> instruments;
    std::vector<SongTrack> tracks;
    std::vector<SongPattern> patterns;
    std::vector<int> order;

    double stepSeconds() const { return 60.0 / (tempo * stepsPerBeat); }
    int totalSteps() const;
};

bool parseSong(const TextSource& source, SongDef& song, std::string& error);

}  // namespace soundgen
