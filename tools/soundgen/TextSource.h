#pragma once

#include <string>
#include <vector>

namespace soundgen {

// The sound sources are plain text: one statement a line, words separated by
// spaces, a word starting with '#' starts a comment. TextSource splits a text into such lines and
// keeps their line numbers for error messages.
struct SourceLine {
    int number = 0;
    std::vector<std::string> words;
};

class TextSource {
  public:
    TextSource(std::string name, const std::string& text);

    const std::string& name() const { return name_; }
    const std::vector<SourceLine>& lines() const { return lines_; }

    // "name:line: message", the form every parse error takes.
    std::string error(const SourceLine& line, const std::string& message) const;

  private:
    std::string name_;
    std::vector<SourceLine> lines_;
};

// Reads a whole text file; false when it cannot be opened.
bool readTextFile(const std::string& path, std::string& text);

// Strict number parsing: the whole word must be a number.
bool parseNumber(const std::string& word, double& value);

}  // namespace soundgen
