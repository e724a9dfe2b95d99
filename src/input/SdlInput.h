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

    // A key pressed since the last poll counts as held for the next poll even
    // if it was released again before it, so a tap shorter than one update
    // step is never lost. The window's event handling reports key-downs here.
    void notePress(SDL_Scancode code);
    void beginPoll() override;
    bool keyHeld(GameKey key) const override;
    bool readJoystick(JoystickReading& out) override;

  private:
    static constexpr int kKeyCount = 6;
    const Uint8* keyboard_;
    bool pressedSincePoll_[kKeyCount] = {};
    bool pressedForPoll_[kKeyCount] = {};
    SDL_Joystick* joystick_ = nullptr;
};
