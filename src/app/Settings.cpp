#include "app/Settings.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

const char* const kDefaultSettingsText =
    "refresh_rate = 75\nfilter = false\ninteger_scale = false\n"
    "keys = Right, Left, Up, Down, Z, X\n";

namespace {

// The settings file is a few short lines; what lies beyond this is never read.
constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

std::string lineAt(const std::string& text, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.find('\n', start);
        if (start == std::string::npos) return std::string();
        ++start;
    }
    const std::size_t end = text.find('\n', start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// "word = Name, Name, ..." into six scancodes; false (and `keys` untouched)
// unless there are exactly six, each a key SDL knows, no two alike.
bool parseKeys(const std::string& line, GameKeyCodes& keys) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return false;
    GameKeyCodes found{};
    int count = 0;
    std::size_t start = equals + 1;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        std::string name =
            line.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const std::size_t first = name.find_first_not_of(" \t\r");
        const std::size_t last = name.find_last_not_of(" \t\r");
        name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
        if (count == 6 || name.empty()) return false;
        const SDL_Scancode code = SDL_GetScancodeFromName(name.c_str());
        if (code == SDL_SCANCODE_UNKNOWN) return false;
        for (int i = 0; i < count; ++i) {
            if (found[i] == code) return false;
        }
        found[count++] = code;
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (count != 6) return false;
    keys = found;
    return true;
}

}  // namespace

Settings parseSettings(const std::string& text) {
    Settings settings;
    // 100-byte buffers: 99 characters and the terminator. A longer word is
    // cut at 99 and its remainder read as what follows it.
    char key[100];
    char value[100];
    char separator;

    // The rate is read as a word and converted with the integer syntax C
    // programs know (decimal, 0x hexadecimal, leading-0 octal; trailing
    // letters ignored), so that a value too large for an int is caught
    // rather than wrapped. Above kMaxRefreshRate no display runs: such a
    // value is a typo, and it would make the frame schedule absurd.
    const std::string line1 = lineAt(text, 0);
    char rateWord[100];
    settings.refreshRate = kDefaultRefreshRate;
    if (std::sscanf(line1.c_str(), "%99s %c %99s", key, &separator, rateWord) == 3) {
        errno = 0;
        const long rate = std::strtol(rateWord, nullptr, 0);
        if (errno == 0 && rate > 0 && rate <= kMaxRefreshRate) {
            settings.refreshRate = static_cast<int>(rate);
        }
    }

    auto isTrue = [&](int line) {
        return std::sscanf(lineAt(text, line).c_str(), "%99s %c %99s", key, &separator, value) ==
                   3 &&
               std::strcmp(value, "true") == 0;
    };
    settings.textureFiltering = isTrue(1);
    settings.integerScaling = isTrue(2);
    parseKeys(lineAt(text, 3), settings.keys);
    return settings;
}

Settings loadSettings(const std::string& path) {
    if (std::FILE* file = std::fopen(path.c_str(), "r")) {
        // Only the first lines matter; a huge file is read no further
        // than this.
        std::vector<char> buffer(kMaxSettingsBytes);
        const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), file);
        std::fclose(file);
        return parseSettings(std::string(buffer.data(), n));
    }
    if (std::FILE* file = std::fopen(path.c_str(), "w")) {
        std::fputs(kDefaultSettingsText, file);
        std::fclose(file);
    }
    return Settings{};
}
