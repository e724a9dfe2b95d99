#pragma once

#include <cstdint>

#include "input/InputDevice.h"

// Turns the keyboard and the first joystick into the six action flags the
// player controllers read. The flags are levels (held during this step);
// telling a fresh press from a held one is the controllers' business.
// Polled once at the start of every update step.
class Controls {
  public:
    // Examines the joystick once: its presence and its centre are fixed now.
    explicit Controls(InputDevice& input);

    // Takes the joystick's current position as its centre.
    void calibrate();
    // Recomputes the six flags.
    void update();

    bool right = false;
    bool left = false;
    bool up = false;
    bool down = false;
    bool jump = false;
    bool fire = false;

    bool isJoystickPresent() const { return joystickPresent_; }

  private:
    InputDevice& input_;
    bool joystickPresent_ = false;
    // Last reading; kept when a read fails (an unplugged stick keeps its last
    // position and buttons).
    JoystickReading joyInfo_;
    std::uint32_t joyCenterX_ = 0;
    std::uint32_t joyCenterY_ = 0;
    std::uint32_t deadZone_ = 5000;  // joystick units either side of the centre
};
