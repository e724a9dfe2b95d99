#include "input/SdlInput.h"

namespace {

// A third of the stick's throw steers; less is a resting thumb.
constexpr int kStickDeadZone = 10923;

}  // namespace

void controllerKeys(const ControllerState& state, bool held[6]) {
    held[static_cast<int>(GameKey::Right)] = state.dpadRight || state.leftX > kStickDeadZone;
    held[static_cast<int>(GameKey::Left)] = state.dpadLeft || state.leftX < -kStickDeadZone;
    held[static_cast<int>(GameKey::Up)] = state.dpadUp || state.leftY < -kStickDeadZone;
    held[static_cast<int>(GameKey::Down)] = state.dpadDown || state.leftY > kStickDeadZone;
    held[static_cast<int>(GameKey::Jump)] = state.a;
    held[static_cast<int>(GameKey::Fire)] = state.x || state.b;
}

SdlInput::SdlInput(const Uint8* keyboardState, const GameKeyCodes& keys)
    : keyboard_(keyboardState ? keyboardState : SDL_GetKeyboardState(nullptr)), keys_(keys) {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0) SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    // A controller plugged in already; the first plain joystick for the
    // joystick rules.
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (SDL_IsGameController(i)) {
            if (!controller_) openController(i);
        } else if (!joystick_) {
            joystick_ = SDL_JoystickOpen(i);
        }
    }
}

SdlInput::~SdlInput() {
    if (controller_) SDL_GameControllerClose(controller_);
    if (joystick_) SDL_JoystickClose(joystick_);
}

void SdlInput::openController(int deviceIndex) {
    controller_ = SDL_GameControllerOpen(deviceIndex);
}

void SdlInput::handleEvent(const SDL_Event& event) {
    if (event.type == SDL_CONTROLLERDEVICEADDED && !controller_) {
        openController(event.cdevice.which);  // a device index
    } else if (event.type == SDL_CONTROLLERDEVICEREMOVED && controller_ &&
               SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller_)) ==
                   event.cdevice.which) {  // an instance id
        SDL_GameControllerClose(controller_);
        controller_ = nullptr;
        // Another one still plugged in takes over.
        for (int i = 0; i < SDL_NumJoysticks() && !controller_; ++i) {
            if (SDL_IsGameController(i)) openController(i);
        }
    }
}

void SdlInput::notePress(SDL_Scancode code) {
    for (int i = 0; i < kKeyCount; ++i) {
        if (keys_[i] == code) pressedSincePoll_[i] = true;
    }
}

void SdlInput::beginPoll() {
    for (int i = 0; i < kKeyCount; ++i) {
        pressedForPoll_[i] = pressedSincePoll_[i];
        pressedSincePoll_[i] = false;
        controllerHeld_[i] = false;
    }
    if (!controller_ || !SDL_GameControllerGetAttached(controller_)) return;
    SDL_GameControllerUpdate();
    auto button = [this](SDL_GameControllerButton b) {
        return SDL_GameControllerGetButton(controller_, b) != 0;
    };
    ControllerState state;
    state.a = button(SDL_CONTROLLER_BUTTON_A);
    state.b = button(SDL_CONTROLLER_BUTTON_B);
    state.x = button(SDL_CONTROLLER_BUTTON_X);
    state.y = button(SDL_CONTROLLER_BUTTON_Y);
    state.dpadUp = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
    state.dpadDown = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    state.dpadLeft = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
    state.dpadRight = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
    state.leftX = SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTX);
    state.leftY = SDL_GameControllerGetAxis(controller_, SDL_CONTROLLER_AXIS_LEFTY);
    controllerKeys(state, controllerHeld_);
}

bool SdlInput::keyHeld(GameKey key) const {
    const int i = static_cast<int>(key);
    return pressedForPoll_[i] || controllerHeld_[i] || (keyboard_ && keyboard_[keys_[i]] != 0);
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
