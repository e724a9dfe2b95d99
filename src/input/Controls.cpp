#include "input/Controls.h"

#include <cstdint>

namespace {

// Joystick bits for the two buttons: button 3 jumps, button 1 fires.
constexpr std::uint32_t kJumpButtonBit = 1u << 2;
constexpr std::uint32_t kFireButtonBit = 1u << 0;

}  // namespace

Controls::Controls(InputDevice& input) : input_(input) {
    joystickPresent_ = input_.readJoystick(joyInfo_);
    calibrate();
}

void Controls::calibrate() {
    input_.readJoystick(joyInfo_);
    joyCenterX_ = joyInfo_.x;
    joyCenterY_ = joyInfo_.y;
}

void Controls::update() {
    input_.beginPoll();
    right = left = up = down = jump = fire = false;

    if (joystickPresent_) {
        input_.readJoystick(joyInfo_);
        // Signed arithmetic: with unsigned, a centre within 5000 of either end
        // would wrap and hold a direction forever.
        const std::int64_t x = joyInfo_.x, y = joyInfo_.y;
        const std::int64_t cx = joyCenterX_, cy = joyCenterY_, dead = deadZone_;
        if (x > cx + dead) right = true;
        if (x < cx - dead) left = true;
        if (y > cy + dead) down = true;
        if (y < cy - dead) up = true;
        if (joyInfo_.buttons & kJumpButtonBit) jump = true;
        if (joyInfo_.buttons & kFireButtonBit) fire = true;
    }

    // A held key sets its flag; it never clears one the joystick set.
    if (input_.keyHeld(GameKey::Right)) right = true;
    if (input_.keyHeld(GameKey::Left)) left = true;
    if (input_.keyHeld(GameKey::Up)) up = true;
    if (input_.keyHeld(GameKey::Down)) down = true;
    if (input_.keyHeld(GameKey::Jump)) jump = true;
    if (input_.keyHeld(GameKey::Fire)) fire = true;

    if (right && left) right = left = false;
}
