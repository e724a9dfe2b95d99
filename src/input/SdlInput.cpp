#include "input/SdlInput.h"

SdlInput::SdlInput(const Uint8* keyboardState)
    : keyboard_(keyboardState ? keyboardState : SDL_GetKeyboardState(nullptr)) {
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_NumJoysticks() > 0) joystick_ = SDL_JoystickOpen(0);
}

SdlInput::~SdlInput() {
    if (joystick_) SDL_JoystickClose(joystick_);
}

bool SdlInput::keyHeld(GameKey key) const {
    SDL_Scancode code = SDL_SCANCODE_UNKNOWN;
    switch (key) {
        case GameKey::Right:
            code = SDL_SCANCODE_RIGHT;
            break;
        case GameKey::Left:
            code = SDL_SCANCODE_LEFT;
            break;
        case GameKey::Up:
            code = SDL_SCANCODE_UP;
            break;
        case GameKey::Down:
            code = SDL_SCANCODE_DOWN;
            break;
        case GameKey::Jump:
            code = SDL_SCANCODE_Z;
            break;
        case GameKey::Fire:
            code = SDL_SCANCODE_X;
            break;
    }
    return keyboard_ && keyboard_[code] != 0;
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
