#include "TextSource.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace soundgen {

TextSource::TextSource(std::string name, const std::string& text) : name_(std::move(name)) {
    std::istringstream in(text);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        // A comment is a '#' that begins a word, so sharps ("C#4") stay notes.
        for (std::size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] == '#' && (i == 0 || std::isspace(static_cast<unsigned char>(raw[i - 1])))) {
                raw.erase(i);
                break;
            }
        }
        SourceLine line;
        line.number = number;
        std::istringstream words(raw);
        std::string word;
        while (words >> word) line.words.push_back(word);
        if (!line.words.empty()) lines_.push_back(std::move(line));
    }
}

std::string TextSource::error(const SourceLine& line, const std::string& message) const {
    return name_ + ":" + std::to_string(line.number) + ": " + message;
}

bool readTextFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    text = content.str();
    return true;
}

bool parseNumber(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return end == word.c_str() + word.size();
}

}  // namespace soundgen
