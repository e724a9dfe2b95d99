#include "app/CommandLine.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "common/Numbers.h"

const char* const kUsageText =
    "Usage: quasarine [options]\n"
    "Run from the folder that holds config.txt and data/.\n"
    "\n"
    "  --help               show this help and exit\n"
    "  --windowed           play in a window; skip the full-screen attempt\n"
    "  --no-boxes           report failures on stderr only, never in a message box\n"
    "                       (also: environment QUASARINE_NO_BOXES=1)\n"
    "  --mute               play without sound; no audio device is opened\n"
    "  --frames N           end after N drawn frames\n"
    "  --headless           no window, GL, audio device or joystick; one update step\n"
    "                       per frame (needs --frames)\n"
    "  --seed S             seed the game's random generator with S\n"
    "  --input FILE         controls from a script: lines of COUNT KEYS, KEYS from\n"
    "                       R L U D J F or '-'; '#' starts a comment\n"
    "  --record FILE        write the controls of this session as such a script\n"
    "  --trace FILE         after each frame write a JSON line of the game's state\n"
    "                       ('-' for standard output)\n"
    "  --screenshot FILE    after the last frame, save the 640x480 picture as PNG\n";

namespace {

// Whether two paths name one file, also when they are spelled differently
// ("a.txt", "./a.txt") and neither exists yet.
bool samePath(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path canonicalA = fs::weakly_canonical(fs::absolute(a, error), error);
    if (error) return a == b;
    const fs::path canonicalB = fs::weakly_canonical(fs::absolute(b, error), error);
    if (error) return a == b;
    return canonicalA == canonicalB;
}

// A decimal number of at least `minimum` (and at most 2^32 - 1).
bool parseNumber(const char* text, long& out, long minimum) {
    std::uint64_t value = 0;
    if (!parseWholeNumber(text, static_cast<std::uint64_t>(minimum), kMaxSeed, value)) return false;
    out = static_cast<long>(value);
    return true;
}

}  // namespace

bool parseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error) {
    out = CommandLine{};
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            out.help = true;
        } else if (std::strcmp(arg, "--windowed") == 0) {
            out.windowed = true;
        } else if (std::strcmp(arg, "--no-boxes") == 0) {
            out.noBoxes = true;
        } else if (std::strcmp(arg, "--mute") == 0) {
            out.mute = true;
        } else if (std::strcmp(arg, "--headless") == 0) {
            out.headless = true;
        } else if (std::strcmp(arg, "--seed") == 0) {
            long seed = 0;
            if (!parseNumber(next, seed, 0)) {
                error = "--seed needs a whole number from 0 to 4294967295";
                return false;
            }
            out.hasSeed = true;
            out.seed = static_cast<unsigned long>(seed);
            ++i;
        } else if (std::strcmp(arg, "--input") == 0 || std::strcmp(arg, "--record") == 0 ||
                   std::strcmp(arg, "--trace") == 0) {
            if (!next || *next == '\0') {
                error = std::string(arg) + " needs a file name";
                return false;
            }
            std::string& target = arg[2] == 'i'   ? out.inputPath
                                  : arg[2] == 'r' ? out.recordPath
                                                  : out.tracePath;
            target = next;
            ++i;
        } else if (std::strcmp(arg, "--frames") == 0) {
            if (!parseNumber(next, out.frames, 1)) {
                error = "--frames needs a whole number above 0";
                return false;
            }
            ++i;
        } else if (std::strcmp(arg, "--screenshot") == 0) {
            if (!next || *next == '\0') {
                error = "--screenshot needs a file name";
                return false;
            }
            out.screenshotPath = next;
            ++i;
        } else {
            error = std::string("unknown option: ") + arg;
            return false;
        }
    }
    if (out.help) return true;
    if (out.headless && out.frames < 0) {
        error = "--headless needs --frames N";
        return false;
    }
    if (out.headless && !out.screenshotPath.empty()) {
        error = "--screenshot needs a window; it cannot be used with --headless";
        return false;
    }
    if (!out.tracePath.empty() && out.tracePath != "-" && samePath(out.tracePath, out.recordPath)) {
        error = "--trace and --record name the same file";
        return false;
    }
    return true;
}
