#include "app/CommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

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
    "  --screenshot FILE    after the last frame, save the 640x480 picture as PNG\n";

namespace {

bool parseCount(const char* text, long& out) {
    if (!text || *text == '\0') return false;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || value <= 0) return false;
    out = value;
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
        } else if (std::strcmp(arg, "--frames") == 0) {
            if (!parseCount(next, out.frames)) {
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
    return true;
}
