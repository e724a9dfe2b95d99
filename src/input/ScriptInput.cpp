#include "input/ScriptInput.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "common/Files.h"
#include "input/Controls.h"

namespace {

constexpr char kKeyLetters[] = "RLUDJF";  // in GameKey order
constexpr std::size_t kMaxScriptBytes = 64u * 1024u * 1024u;

std::uint8_t bitOf(GameKey key) {
    return static_cast<std::uint8_t>(1u << static_cast<int>(key));
}

bool parseKeys(const std::string& word, std::uint8_t& keys) {
    keys = 0;
    if (word == "-") return true;
    for (char c : word) {
        const char* at = std::strchr(kKeyLetters, c);
        if (c == '\0' || !at) return false;
        keys |= static_cast<std::uint8_t>(1u << (at - kKeyLetters));
    }
    return !word.empty();
}

}  // namespace

bool ScriptInput::parse(const std::string& text, std::string* error) {
    runs_.clear();
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    bool firstComment = true;
    while (std::getline(lines, line)) {
        ++number;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) {
            const std::string comment = line.substr(hash + 1);
            unsigned long seed = 0;
            char extra = 0;
            if (firstComment && std::sscanf(comment.c_str(), " seed %lu %c", &seed, &extra) == 1) {
                hasSeed_ = true;
                seed_ = static_cast<std::uint32_t>(seed);
            }
            firstComment = false;
            line.resize(hash);
        }
        std::istringstream words(line);
        std::string countWord, keysWord, rest;
        if (!(words >> countWord)) continue;  // blank or comment-only
        char* end = nullptr;
        errno = 0;
        const long long count = std::strtoll(countWord.c_str(), &end, 10);
        Run run{count, 0};
        if (errno != 0 || *end != '\0' || count <= 0 || !(words >> keysWord) ||
            !parseKeys(keysWord, run.keys) || (words >> rest)) {
            if (error) *error = "line " + std::to_string(number) + ": expected COUNT KEYS";
            runs_.clear();
            return false;
        }
        runs_.push_back(run);
    }
    run_ = 0;
    usedInRun_ = 0;
    started_ = false;
    return true;
}

bool ScriptInput::load(const std::string& path, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxScriptBytes, error)) return false;
    return parse(std::string(bytes.begin(), bytes.end()), error);
}

void ScriptInput::beginPoll() {
    if (started_) {
        ++usedInRun_;
        if (run_ < runs_.size() && usedInRun_ >= runs_[run_].count) {
            ++run_;
            usedInRun_ = 0;
        }
    }
    started_ = true;
    current_ = run_ < runs_.size() ? runs_[run_].keys : 0;
}

bool ScriptInput::keyHeld(GameKey key) const {
    return (current_ & bitOf(key)) != 0;
}

std::int64_t ScriptInput::length() const {
    std::int64_t total = 0;
    for (const Run& run : runs_) total += run.count;
    return total;
}

ScriptRecorder::ScriptRecorder(const std::string& path, std::uint32_t seed)
    : file_(std::fopen(path.c_str(), "w")) {
    if (file_) std::fprintf(file_, "# seed %u\n", seed);
}

ScriptRecorder::~ScriptRecorder() {
    if (!file_) return;
    flush();
    std::fclose(file_);
}

void ScriptRecorder::record(const Controls& c) {
    std::uint8_t keys = 0;
    const bool held[6] = {c.right, c.left, c.up, c.down, c.jump, c.fire};
    for (int i = 0; i < 6; ++i) {
        if (held[i]) keys |= static_cast<std::uint8_t>(1u << i);
    }
    if (count_ > 0 && keys != keys_) flush();
    keys_ = keys;
    ++count_;
}

void ScriptRecorder::flush() {
    if (!file_ || count_ == 0) return;
    char letters[8] = {};
    int n = 0;
    for (int i = 0; i < 6; ++i) {
        if (keys_ & (1u << i)) letters[n++] = kKeyLetters[i];
    }
    std::fprintf(file_, "%lld %s\n", static_cast<long long>(count_), n ? letters : "-");
    count_ = 0;
}
