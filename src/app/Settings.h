#pragma once

#include <string>

#include "input/SdlInput.h"

// The settings of "config.txt", read positionally (the key words are not
// compared):
//   refresh_rate = 75     the display rate in hertz the game is drawn at
//   filter = false        "true" (exactly) smooths the scaled picture
//   integer_scale = false "true" (exactly) scales the picture by whole steps
//   keys = Right, Left, Up, Down, Z, X
//                         the keys of right, left, up, down, jump and fire, by
//                         SDL's key names; unless all six are known and
//                         different, the defaults
// Files with only the first two lines stay valid: a missing line is its
// default.
struct Settings {
    int refreshRate = 75;
    bool textureFiltering = false;
    bool integerScaling = false;
    GameKeyCodes keys = kDefaultGameKeys;
};

constexpr int kDefaultRefreshRate = 75;
constexpr int kMaxRefreshRate = 500;  // hertz; a larger rate is refused
extern const char* const kDefaultSettingsText;

// Parses the file's text. A rate that is missing, unreadable, zero, negative,
// above 500 or too large to hold becomes 75; the filter is on only for the exact word "true". Words
// longer than 99 characters are cut, never overrun.
Settings parseSettings(const std::string& text);

// Reads the settings file; when it cannot be opened, writes the default file
// (if it can) and returns the defaults.
Settings loadSettings(const std::string& path);
