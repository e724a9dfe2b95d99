// The six control flags from keyboard and joystick: the rules on a scripted
// device, and the SDL side with a virtual joystick and a synthetic keyboard.
#include <SDL.h>
#include <gtest/gtest.h>

#include <set>

#include "input/Controls.h"
#include "input/SdlInput.h"

namespace {

class ScriptedInput : public InputDevice {
  public:
    bool keyHeld(GameKey key) const override { return keys.count(key) != 0; }
    bool readJoystick(JoystickReading& out) override {
        if (!joystickAnswers) return false;
        out = stick;
        return true;
    }

    std::set<GameKey> keys;
    bool joystickAnswers = false;
    JoystickReading stick{32768, 32768, 0};
};

// The flags as letters in RLUDJF order ("-" for none).
std::string held(const Controls& c) {
    std::string out;
    const bool flags[] = {c.right, c.left, c.up, c.down, c.jump, c.fire};
    for (int k = 0; k < 6; ++k) {
        if (flags[k]) out += "RLUDJF"[k];
    }
    return out.empty() ? "-" : out;
}

}  // namespace

TEST(Controls, RightAndLeftCancelUpAndDownDoNotAndFlagsAreLevels) {
    ScriptedInput input;
    Controls controls(input);
    input.keys = {GameKey::Right, GameKey::Left, GameKey::Up, GameKey::Down, GameKey::Fire};
    controls.update();
    EXPECT_EQ(held(controls), "UDF");

    // One from the stick, one from the keyboard cancel too.
    input.joystickAnswers = true;
    Controls withStick(input);
    input.keys = {GameKey::Left};
    input.stick.x = 32768 + 20000;
    withStick.update();
    EXPECT_EQ(held(withStick), "-");

    input.keys.clear();
    input.stick.x = 32768;
    input.stick.buttons = 1;
    withStick.update();
    EXPECT_EQ(held(withStick), "F");
    input.stick.buttons = 0;
    withStick.update();
    EXPECT_EQ(held(withStick), "-");
}

TEST(Controls, StickHasADeadZoneAroundItsStartingPosition) {
    const struct {
        JoystickReading start, now;
        const char* flags;
    } cases[] = {
        // Held off-centre at start-up: that is the centre.
        {{40000, 20000, 0}, {45000, 15000, 0}, "-"},  // exactly 5000 away: nothing
        {{40000, 20000, 0}, {45001, 14999, 0}, "RU"},
        {{40000, 20000, 0}, {34999, 25001, 0}, "LD"},
        // Centred near an end, no direction is held for ever.
        {{0, 65535, 0}, {0, 65535, 0}, "-"},
        {{0, 65535, 0}, {6000, 60000, 0}, "RU"},
    };
    for (const auto& c : cases) {
        ScriptedInput input;
        input.joystickAnswers = true;
        input.stick = c.start;
        Controls controls(input);
        ASSERT_TRUE(controls.isJoystickPresent());
        input.stick = c.now;
        controls.update();
        EXPECT_EQ(held(controls), c.flags) << c.now.x << ", " << c.now.y;
    }
}

TEST(Controls, JoystickIsExaminedOnlyAtCreationAndKeepsItsLastReading) {
    ScriptedInput input;
    Controls controls(input);  // no stick yet
    input.joystickAnswers = true;
    input.stick = JoystickReading{65535, 32768, 0xff};
    controls.update();
    EXPECT_EQ(held(controls), "-");

    input.stick = JoystickReading{32768, 32768, 0};
    Controls present(input);
    input.stick = JoystickReading{65535, 32768, 1};
    present.update();
    input.joystickAnswers = false;  // stops answering
    present.update();
    EXPECT_EQ(held(present), "RF");
}

class SdlControls : public ::testing::Test {
  protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        // A plain stick: SDL has no controller mapping for it, so the game's
        // own joystick rules read it.
        device_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 0);
        ASSERT_GE(device_, 0) << SDL_GetError();
    }
    void TearDown() override {
        if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }

    int device_ = -1;
    Uint8 keyboard_[SDL_NUM_SCANCODES] = {};
};

TEST_F(SdlControls, VirtualJoystickAndKeyboardDriveTheFlagsAndTapsAreNotLost) {
    SdlInput input(keyboard_);
    SDL_Joystick* stick = SDL_JoystickOpen(device_);
    ASSERT_NE(stick, nullptr);
    SDL_JoystickSetVirtualAxis(stick, 0, 0);
    SDL_JoystickSetVirtualAxis(stick, 1, 0);
    SDL_JoystickUpdate();
    Controls controls(input);
    ASSERT_TRUE(controls.isJoystickPresent());

    // Full left and a press of SDL button 2 (the stick's button 3).
    SDL_JoystickSetVirtualAxis(stick, 0, -32768);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_PRESSED);
    controls.update();
    EXPECT_EQ(held(controls), "LJ");

    // Within the dead zone; SDL button 0 fires; the arrows and Z add to it.
    SDL_JoystickSetVirtualAxis(stick, 0, 4000);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    keyboard_[SDL_SCANCODE_DOWN] = 1;
    keyboard_[SDL_SCANCODE_Z] = 1;
    controls.update();
    EXPECT_EQ(held(controls), "DJF");

    // X fires, and the right arrow cancels the stick's left.
    keyboard_[SDL_SCANCODE_Z] = 0;
    keyboard_[SDL_SCANCODE_DOWN] = 0;
    keyboard_[SDL_SCANCODE_RIGHT] = 1;
    keyboard_[SDL_SCANCODE_X] = 1;
    SDL_JoystickSetVirtualButton(stick, 0, SDL_RELEASED);
    SDL_JoystickSetVirtualAxis(stick, 0, -32768);
    controls.update();
    EXPECT_EQ(held(controls), "F");

    // Z pressed and released again before the next poll: seen by that poll,
    // and only by that one. Keys that are no action are ignored.
    keyboard_[SDL_SCANCODE_RIGHT] = keyboard_[SDL_SCANCODE_X] = 0;
    SDL_JoystickSetVirtualAxis(stick, 0, 0);
    input.notePress(SDL_SCANCODE_Z);
    input.notePress(SDL_SCANCODE_A);
    controls.update();
    EXPECT_EQ(held(controls), "J");
    controls.update();
    EXPECT_EQ(held(controls), "-");
    SDL_JoystickClose(stick);
}

TEST(ControllerLayout, AJumpsXOrBFireTheDpadAndLeftStickSteer) {
    auto keys = [](const ControllerState& state) {
        bool held[6];
        controllerKeys(state, held);
        std::string text;
        for (int i = 0; i < 6; ++i) {
            if (held[i]) text += "RLUDJF"[i];
        }
        return text.empty() ? std::string("-") : text;
    };
    ControllerState state;
    EXPECT_EQ(keys(state), "-");
    state.a = true;
    EXPECT_EQ(keys(state), "J");
    state = ControllerState{};
    state.b = true;
    EXPECT_EQ(keys(state), "F");
    state = ControllerState{};
    state.x = true;
    state.y = true;  // Y is no action
    EXPECT_EQ(keys(state), "F");
    state = ControllerState{};
    state.dpadLeft = state.dpadDown = true;
    EXPECT_EQ(keys(state), "LD");
    // The stick steers past a third of its throw; y grows downward.
    state = ControllerState{};
    state.leftX = 10000;
    state.leftY = -10000;
    EXPECT_EQ(keys(state), "-");
    state.leftX = 12000;
    state.leftY = -12000;
    EXPECT_EQ(keys(state), "RU");
    state.leftX = -32768;
    state.leftY = 32767;
    EXPECT_EQ(keys(state), "LD");
}

TEST_F(SdlControls, AGameControllerPluggedInWhileRunningDrivesTheFlagsUntilUnplugged) {
    SdlInput input(keyboard_);
    Controls controls(input);
    EXPECT_FALSE(input.controllerConnected());
    const int pad = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(pad, 0) << SDL_GetError();
    auto pump = [&input] {
        SDL_PumpEvents();
        SDL_Event event;
        while (SDL_PollEvent(&event)) input.handleEvent(event);
    };
    pump();
    ASSERT_TRUE(input.controllerConnected()) << "plugged in while the game runs";

    SDL_Joystick* stick = SDL_JoystickOpen(pad);
    ASSERT_NE(stick, nullptr);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_PRESSED);
    controls.update();
    EXPECT_EQ(held(controls), "LJ");
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_A, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(stick, SDL_CONTROLLER_BUTTON_B, SDL_PRESSED);
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, 30000);
    controls.update();
    EXPECT_EQ(held(controls), "DF");
    SDL_JoystickClose(stick);

    SDL_JoystickDetachVirtual(pad);
    pump();
    EXPECT_FALSE(input.controllerConnected()) << "unplugged";
    controls.update();
    EXPECT_EQ(held(controls), "-");
}

TEST(SdlKeys, KeysOfThePlayersChoosingReplaceTheDefaults) {
    Uint8 keyboard[SDL_NUM_SCANCODES] = {};
    const SDL_Scancode keys[6] = {SDL_SCANCODE_D, SDL_SCANCODE_A,     SDL_SCANCODE_W,
                                  SDL_SCANCODE_S, SDL_SCANCODE_SPACE, SDL_SCANCODE_LCTRL};
    SdlInput input(keyboard, keys);
    Controls controls(input);
    keyboard[SDL_SCANCODE_Z] = keyboard[SDL_SCANCODE_RIGHT] = 1;  // the defaults: nothing now
    controls.update();
    EXPECT_EQ(held(controls), "-");
    keyboard[SDL_SCANCODE_SPACE] = keyboard[SDL_SCANCODE_A] = 1;
    input.notePress(SDL_SCANCODE_LCTRL);
    controls.update();
    EXPECT_EQ(held(controls), "LJF");
}
