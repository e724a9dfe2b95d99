#include "SongFile.h"

#include <algorithm>

#include "EffectFile.h"
#include "LayerParser.h"
#include "NoteName.h"

namespace soundgen {

namespace {

template <typename T>
int indexByName(const std::vector<T>& items, const std::string& name) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].name == name) return static_cast<int>(i);
    }
    return -1;
}

bool parseStep(const std::string& word, SongStep& step) {
    if (word == ".") {
        step.kind = SongStep::Rest;
        return true;
    }
    if (word == "-") {
        step.kind = SongStep::Hold;
        return true;
    }
    step.kind = SongStep::Strike;
    std::string notes = word;
    const std::size_t colon = word.find(':');
    if (colon != std::string::npos) {
        const std::string level = word.substr(colon + 1);
        if (level.size() != 1 || level[0] < '1' || level[0] > '9') return false;
        step.velocity = static_cast<float>(level[0] - '0') / 9.0f;
        notes = word.substr(0, colon);
    }
    std::size_t begin = 0;
    while (begin <= notes.size()) {
        std::size_t plus = notes.find('+', begin);
        if (plus == std::string::npos) plus = notes.size();
        const std::string note = notes.substr(begin, plus - begin);
        // A hit sounds at middle C; drum layers give their own fixed pitch.
        const double freq = note == "x" ? noteFrequency("C4") : noteFrequency(note);
        if (freq <= 0.0) return false;
        step.freqsHz.push_back(freq);
        begin = plus + 1;
    }
    return true;
}

// Reads a song line by line; blocks ('instrument', 'pattern') run to 'end'.
class SongParser {
  public:
    SongParser(const TextSource& source, SongDef& song) : source_(source), song_(song) {}

    bool run(std::string& error) {
        for (const SourceLine& line : source_.lines()) {
            std::string what;
            bool ok;
            if (block_ == Block::Instrument) {
                ok = instrumentLine(line, error);
            } else if (block_ == Block::Pattern) {
                ok = patternLine(line, what);
            } else {
                ok = topLine(line, what);
            }
            if (!ok) {
                if (error.empty()) error = source_.error(line, what);
                return false;
            }
        }
        return finish(error);
    }

  private:
    enum class Block { None, Instrument, Pattern };

    bool topLine(const SourceLine& line, std::string& what) {
        const std::vector<std::string>& w = line.words;
        const std::string& key = w[0];
        if (key == "output" && w.size() == 2 && isRenderedSoundName(w[1])) {
            song_.output = w[1];
        } else if (key == "tempo" && w.size() == 2 && parseNumber(w[1], song_.tempo) &&
                   song_.tempo > 0.0) {
        } else if (key == "steps_per_beat" && w.size() == 2 &&
                   parsePositiveInt(w[1], song_.stepsPerBeat)) {
        } else if (key == "loudness" && w.size() == 2 && parseNumber(w[1], song_.loudnessDb)) {
        } else if (key == "instrument" && w.size() == 2) {
            if (indexByName(song_.instruments, w[1]) >= 0)
                return fail(what, "instrument " + w[1] + " defined twice");
            song_.instruments.push_back({w[1], {}});
            block_ = Block::Instrument;
        } else if (key == "track" && w.size() >= 3) {
            return trackLine(line, what);
        } else if (key == "pattern" && w.size() == 2) {
            if (indexByName(song_.patterns, w[1]) >= 0)
                return fail(what, "pattern " + w[1] + " defined twice");
            SongPattern pattern;
            pattern.name = w[1];
            pattern.steps.resize(song_.tracks.size());
            song_.patterns.push_back(pattern);
            block_ = Block::Pattern;
        } else if (key == "order" && w.size() >= 2) {
            for (std::size_t i = 1; i < w.size(); ++i) {
                const int index = indexByName(song_.patterns, w[i]);
                if (index < 0) return fail(what, "unknown pattern '" + w[i] + "'");
                song_.order.push_back(index);
            }
        } else {
            return fail(what, "unknown or malformed statement '" + key + "'");
        }
        return true;
    }

    bool trackLine(const SourceLine& line, std::string& what) {
        const std::vector<std::string>& w = line.words;
        SongTrack track;
        track.name = w[1];
        track.instrument = indexByName(song_.instruments, w[2]);
        if (track.instrument < 0) return fail(what, "unknown instrument '" + w[2] + "'");
        if (indexByName(song_.tracks, w[1]) >= 0)
            return fail(what, "track " + w[1] + " defined twice");
        if (!song_.patterns.empty()) return fail(what, "tracks must come before the patterns");
        for (std::size_t i = 3; i < w.size();) {
            const std::string& option = w[i];
            if (option != "pan" && option != "gain" && option != "echo") {
                return fail(what, "unknown track option '" + option + "'");
            }
            const std::size_t args = option == "echo" ? 3 : 1;
            double v[3] = {0.0, 0.0, 0.0};
            for (std::size_t a = 0; a < args; ++a) {
                if (i + 1 + a >= w.size() || !parseNumber(w[i + 1 + a], v[a])) {
                    return fail(what, "track option '" + option + "' needs " +
                                          std::to_string(args) + " number(s)");
                }
            }
            if (option == "pan") track.pan = std::clamp(v[0], -1.0, 1.0);
            if (option == "gain") track.gain = v[0];
            if (option == "echo") {
                track.echoSeconds = v[0];
                track.echoFeedback = v[1];
                track.echoMix = v[2];
            }
            i += 1 + args;
        }
        song_.tracks.push_back(track);
        return true;
    }

    bool instrumentLine(const SourceLine& line, std::string& error) {
        SongInstrument& instrument = song_.instruments.back();
        const std::string& key = line.words[0];
        if (key == "end" && line.words.size() == 1) {
            block_ = Block::None;
            if (instrument.layers.empty()) error = source_.error(line, "instrument without layers");
            return !instrument.layers.empty();
        }
        if (key == "layer" && line.words.size() == 1) {
            instrument.layers.emplace_back();
            instrument.layers.back().seed =
                static_cast<std::uint32_t>(instrument.layers.size() * 31);
            return true;
        }
        if (instrument.layers.empty()) {
            error = source_.error(line, "'" + key + "' before the instrument's first 'layer'");
            return false;
        }
        return applyLayerStatement(source_, line, instrument.layers.back(), error);
    }

    bool patternLine(const SourceLine& line, std::string& what) {
        SongPattern& pattern = song_.patterns.back();
        if (line.words[0] == "end" && line.words.size() == 1) {
            block_ = Block::None;
            return closePattern(pattern, what);
        }
        const int track = indexByName(song_.tracks, line.words[0]);
        if (track < 0) return fail(what, "unknown track '" + line.words[0] + "'");
        for (std::size_t i = 1; i < line.words.size(); ++i) {
            if (line.words[i] == "|") continue;
            SongStep step;
            if (!parseStep(line.words[i], step))
                return fail(what, "bad step '" + line.words[i] + "'");
            pattern.steps[track].push_back(step);
        }
        return true;
    }

    bool closePattern(SongPattern& pattern, std::string& what) {
        for (std::size_t t = 0; t < pattern.steps.size(); ++t) {
            const int length = static_cast<int>(pattern.steps[t].size());
            if (length == 0) continue;
            if (pattern.length != 0 && length != pattern.length) {
                return fail(what, "pattern " + pattern.name + ": track " + song_.tracks[t].name +
                                      " has " + std::to_string(length) + " steps, others " +
                                      std::to_string(pattern.length));
            }
            pattern.length = length;
        }
        if (pattern.length == 0) return fail(what, "pattern " + pattern.name + " is empty");
        return true;
    }

    bool finish(std::string& error) {
        if (block_ != Block::None)
            error = source_.name() + ": a block is missing its 'end'";
        else if (song_.output.empty())
            error = source_.name() + ": no 'output' line";
        else if (song_.order.empty())
            error = source_.name() + ": no 'order' line";
        return error.empty();
    }

    static bool parsePositiveInt(const std::string& word, int& value) {
        double v = 0.0;
        if (!parseNumber(word, v) || v < 1.0 || v != static_cast<int>(v)) return false;
        value = static_cast<int>(v);
        return true;
    }

    static bool fail(std::string& what, const std::string& message) {
        what = message;
        return false;
    }

    const TextSource& source_;
    SongDef& song_;
    Block block_ = Block::None;
};

}  // namespace

int SongDef::totalSteps() const {
    int steps = 0;
    for (int index : order) steps += patterns[index].length;
    return steps;
}

bool parseSong(const TextSource& source, SongDef& song, std::string& error) {
    song = SongDef();
    error.clear();
    SongParser parser(source, song);
    return parser.run(error);
}

}  // namespace soundgen
