#pragma once

#include <string>

// The program's own command-line interface.
struct CommandLine {
    bool help = false;
    bool windowed = false;  // skip the full-screen attempt and its message
    bool noBoxes = false;   // failures go to stderr only, never a message box
    bool mute = false;      // open no audio device
    bool headless = false;  // no window, GL, audio device or joystick
    bool hasSeed = false;
    unsigned long seed = 0;      // the game's random seed (default: the time)
    std::string inputPath;       // controls from a script
    std::string recordPath;      // write the controls of a played session
    std::string tracePath;       // one JSON line per frame; "-" for stdout
    long frames = -1;            // end after this many drawn frames; -1 runs until quit
    std::string screenshotPath;  // after the last frame, save the window's picture
};

extern const char* const kUsageText;

// Parses argv; false with a message in `error` for an unknown flag or a bad
// value.
bool parseCommandLine(int argc, const char* const* argv, CommandLine& out, std::string& error);
