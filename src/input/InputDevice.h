#pragma once

#include <cstdint>

// The keys the game reads for play.
enum class GameKey { Right, Left, Up, Down, Jump, Fire };

// One reading of the first joystick in its own units: X and Y run from 0 to
// 65535 with the middle near 32768; button bit n is set while button n + 1
// is held.
struct JoystickReading {
    std::uint32_t x = 0;
    std::uint32_t y = 0;
    std::uint32_t buttons = 0;
};

// The seam between the controls and the platform's keyboard and joystick.
class InputDevice {
  public:
    virtual ~InputDevice() = default;
    // Called at the start of every controls poll; a scripted device moves on
    // to its next step here.
    virtual void beginPoll() {}
    // Whether the key is held now.
    virtual bool keyHeld(GameKey key) const = 0;
    // Reads the first joystick; false when no joystick answers, in which case
    // `out` is left as it was.
    virtual bool readJoystick(JoystickReading& out) = 0;
};

// No keyboard, no joystick: every flag stays clear. For headless runs.
class NullInput : public InputDevice {
  public:
    bool keyHeld(GameKey) const override { return false; }
    bool readJoystick(JoystickReading&) override { return false; }
};
