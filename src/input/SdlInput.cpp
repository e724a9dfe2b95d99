#include "input/SdlInput.h"

SdlInput::SdlInput(const Uint8* keyboardState)
    : keyboard_(keyboardState ? keyboardState : SDL_GetKeyboardState(nullptr)) {
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_NumJoysticks() > 0) joystick_ = SDL_JoystickOpen(0);
}

SdlInput::~SdlInput() {
    if (joystick_) SDL_JoystickClose(joystick_);
}

namespace {

// The keys of the six actions, in GameKey order.
const SDL_Scancode kKeyCodes[] = {SDL_SCANCODE_RIGHT, SDL_SCANCODE_LEFT, SDL_SCANCODE_UP,
                                  SDL_SCANCODE_DOWN,  SDL_SCANCODE_Z,    SDL_SCANCODE_X};

}  // namespace

void SdlInput::notePress(SDL_Scancode code) {
    for (int i = 0; i < kKeyCount; ++i) {
        if (kKeyCodes[i] == code) pressedSincePoll_[i] = true;
    }
}

void SdlInput::beginPoll() {
    for (int i = 0; i < kKeyCount; ++i) {
        pressedForPoll_[i] = pressedSincePoll_[i];
        pressedSincePoll_[i] = false;
    }
}

bool SdlInput::keyHeld(GameKey key) const {
    const int i = static_cast<int>(key);
    return pressedForPoll_[i] || (keyboard_ && keyboard_[kKeyCodes[i]] != 0);
}

bool SdlInput::readJoystick(JoystickReading& out) {
    if (!joystick_ || !SDL_JoystickGetAttached(joystick_)) return false;
    SDL_JoystickUpdate();
    out.x = static_cast<std::uint32_t>(SDL_JoystickGetAxis(joystick_, 0) + 32768);
    out.y = static_cast<std::uint32_t>(SDL_JoystickGetAxis(joystick_, 1) + 32768);
    out.buttons = 0;
    const int buttons = SDL_JoystickNumButtons(joystick_);
    for (int i = 0; i < buttons && i < 32; ++i) {
        if (SDL_JoystickGetButton(joystick_, i)) out.buttons |= 1u << i;
    }
    return true;
}
