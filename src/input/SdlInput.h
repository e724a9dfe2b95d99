#pragma once

#include <SDL.h>

#include "input/InputDevice.h"

// Keyboard and first joystick through SDL. Keys: the arrows, Z (jump) and
// X (fire). The joystick is opened once at construction, the way the game
// examines it once at start-up; SDL's axes (-32768..32767) are shifted to
// 0..65535 and SDL button index n is button n + 1.
class SdlInput : public InputDevice {
  public:
    // `keyboardState` is indexed by SDL scancode; by default SDL's own. Tests
    // pass an array of their own because pushed key events do not reach SDL's.
    explicit SdlInput(const Uint8* keyboardState = nullptr);
    ~SdlInput() override;
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    bool keyHeld(GameKey key) const override;
    bool readJoystick(JoystickReading& out) override;

  private:
    const Uint8* keyboard_;
    SDL_Joystick* joystick_ = nullptr;
};
