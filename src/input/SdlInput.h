#pragma once

#include <SDL.h>

#include <array>

#include "input/InputDevice.h"

// The keys of right, left, up, down, jump and fire (GameKey order), by scancode.
using GameKeyCodes = std::array<SDL_Scancode, 6>;
// The arrows, Z and X, unless the player chooses others.
inline constexpr GameKeyCodes kDefaultGameKeys = {SDL_SCANCODE_RIGHT, SDL_SCANCODE_LEFT,
                                                  SDL_SCANCODE_UP,    SDL_SCANCODE_DOWN,
                                                  SDL_SCANCODE_Z,     SDL_SCANCODE_X};

// What a game controller (SDL's standard layout) holds in one poll.
struct ControllerState {
    bool a = false, b = false, x = false, y = false;
    bool dpadUp = false, dpadDown = false, dpadLeft = false, dpadRight = false;
    Sint16 leftX = 0, leftY = 0;  // the left stick, -32768..32767, y down
};

// The six keys a controller holds: A jumps, X or B fires, the d-pad and the
// left stick (beyond a third of its throw) steer. Indexed by GameKey.
void controllerKeys(const ControllerState& state, bool held[6]);

// Keyboard, game controllers and the first plain joystick through SDL. Keys:
// by default the arrows, Z (jump) and X (fire), or six of the player's
// choosing. A device SDL knows as a game controller (one with a mapping) is
// read in the standard layout and may be plugged in or out while the game
// runs; the first joystick without a mapping is opened once at construction,
// the way the game examines it once at start-up, its axes (-32768..32767)
// shifted to 0..65535 and SDL button index n as button n + 1.
class SdlInput : public InputDevice {
  public:
    // `keyboardState` is indexed by SDL scancode; by default SDL's own. Tests
    // pass an array of their own because pushed key events do not reach SDL's.
    explicit SdlInput(const Uint8* keyboardState = nullptr,
                      const GameKeyCodes& keys = kDefaultGameKeys);
    ~SdlInput() override;
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    // A key pressed since the last poll counts as held for the next poll even
    // if it was released again before it, so a tap shorter than one update
    // step is never lost. The window's event handling reports key-downs here.
    void notePress(SDL_Scancode code);
    // Game controllers coming and going (SDL_CONTROLLERDEVICEADDED and
    // SDL_CONTROLLERDEVICEREMOVED); other events are ignored.
    void handleEvent(const SDL_Event& event);
    bool controllerConnected() const { return controller_ != nullptr; }
    void beginPoll() override;
    bool keyHeld(GameKey key) const override;
    bool readJoystick(JoystickReading& out) override;

  private:
    static constexpr int kKeyCount = 6;
    void openController(int deviceIndex);
    const Uint8* keyboard_;
    GameKeyCodes keys_;
    SDL_GameController* controller_ = nullptr;
    bool controllerHeld_[kKeyCount] = {};
    bool pressedSincePoll_[kKeyCount] = {};
    bool pressedForPoll_[kKeyCount] = {};
    SDL_Joystick* joystick_ = nullptr;
};
