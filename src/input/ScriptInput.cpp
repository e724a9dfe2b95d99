#include "input/ScriptInput.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "common/Files.h"
#include "common/Numbers.h"
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
    hasSeed_ = false;
    seed_ = 0;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    bool firstComment = true;
    std::int64_t total = 0;  // polls so far; the whole script must be countable
    while (std::getline(lines, line)) {
        ++number;
        const std::size_t hash = line.find('#');
        if (hash != std::string::npos) {
            if (firstComment && !parseSeedComment(line.substr(hash + 1))) {
                if (error) {
                    *error = "line " + std::to_string(number) +
                             ": the seed must be a whole number from 0 to 4294967295";
                }
                runs_.clear();
                return false;
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
        if (count > INT64_MAX - total) {
            if (error) *error = "line " + std::to_string(number) + ": the script is too long";
            runs_.clear();
            return false;
        }
        total += count;
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

bool ScriptInput::parseSeedComment(const std::string& comment) {
    std::istringstream words(comment);
    std::string keyword, value, rest;
    if (!(words >> keyword) || keyword != "seed") return true;  // an ordinary comment
    std::uint64_t seed = 0;
    if (!(words >> value) || (words >> rest) ||
        !parseWholeNumber(value.c_str(), 0, kMaxSeed, seed)) {
        return false;
    }
    hasSeed_ = true;
    seed_ = static_cast<std::uint32_t>(seed);
    return true;
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
    finish(nullptr);
}

bool ScriptRecorder::finish(std::string* error) {
    if (!file_) return true;
    flush();
    errno = 0;
    const bool flushed = std::fflush(file_) == 0;
    const bool written = flushed && !std::ferror(file_);
    const int writeErrno = errno != 0 ? errno : EIO;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (written && closed) return true;
    if (error) *error = std::strerror(written ? errno : writeErrno);
    return false;
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
