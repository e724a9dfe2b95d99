// The six control flags from keyboard and joystick: the rules on a scripted
// device, and the SDL side with virtual joysticks and a synthetic keyboard.
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
        if (joystickAnswers) out = stick;
        return joystickAnswers;
    }

    std::set<GameKey> keys;
    bool joystickAnswers = false;
    JoystickReading stick{32768, 32768, 0};
};

// Six flags in RLUDJF order as their letters ("-" for none).
std::string letters(const bool flags[6]) {
    std::string out;
    for (int k = 0; k < 6; ++k) {
        if (flags[k]) out += "RLUDJF"[k];
    }
    return out.empty() ? "-" : out;
}
std::string held(const Controls& c) {
    const bool flags[] = {c.right, c.left, c.up, c.down, c.jump, c.fire};
    return letters(flags);
}

}  // namespace

TEST(Controls, RightAndLeftCancelEvenFromTwoDevicesUpAndDownDoNot) {
    ScriptedInput input;
    input.joystickAnswers = true;
    Controls controls(input);
    input.keys = {GameKey::Right, GameKey::Left, GameKey::Up, GameKey::Down, GameKey::Fire};
    controls.update();
    EXPECT_EQ(held(controls), "UDF");

    input.keys = {GameKey::Left};
    input.stick = JoystickReading{32768 + 20000, 32768, 1};
    controls.update();
    EXPECT_EQ(held(controls), "F");
    input.keys.clear();
    input.joystickAnswers = false;  // a stick that stops answering keeps its last reading
    controls.update();
    EXPECT_EQ(held(controls), "RF");
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
        {{0, 65535, 0}, {6000, 60000, 0}, "RU"},
    };
    for (const auto& c : cases) {
        ScriptedInput input;
        input.joystickAnswers = true;
        input.stick = c.start;
        Controls controls(input);
        input.stick = c.now;
        controls.update();
        EXPECT_EQ(held(controls), c.flags) << c.now.x << ", " << c.now.y;
    }
}

TEST(ControllerLayout, AJumpsXOrBFireTheDpadAndLeftStickSteer) {
    auto keys = [](auto change) {
        ControllerState state;
        change(state);
        bool flags[6];
        controllerKeys(state, flags);
        return letters(flags);
    };
    EXPECT_EQ(keys([](ControllerState& s) { s.a = s.y = true; }), "J");  // Y is no action
    EXPECT_EQ(keys([](ControllerState& s) { s.x = true; }), "F");
    EXPECT_EQ(keys([](ControllerState& s) { s.dpadRight = s.dpadUp = true; }), "RU");
    // The stick steers past a third of its throw; y grows downward.
    EXPECT_EQ(keys([](ControllerState& s) { s.leftX = 10000, s.leftY = -10000; }), "-");
    EXPECT_EQ(keys([](ControllerState& s) { s.leftX = 12000, s.leftY = -12000; }), "RU");
    EXPECT_EQ(keys([](ControllerState& s) { s.leftX = -12000, s.leftY = 12000; }), "LD");
}

class SdlControls : public ::testing::Test {
  protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER); }

    Uint8 keyboard_[SDL_NUM_SCANCODES] = {};
};

TEST_F(SdlControls, APlainStickAndThePlayersKeysDriveTheFlagsAndTapsAreNotLost) {
    // SDL has no controller mapping for it, so the game's own rules read it.
    const int device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 0);
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* stick = SDL_JoystickOpen(device);
    ASSERT_NE(stick, nullptr);
    const SDL_Scancode keys[6] = {SDL_SCANCODE_D, SDL_SCANCODE_A,     SDL_SCANCODE_W,
                                  SDL_SCANCODE_S, SDL_SCANCODE_SPACE, SDL_SCANCODE_LCTRL};
    SdlInput input(keyboard_, keys);
    Controls controls(input);
    ASSERT_TRUE(controls.isJoystickPresent());

    // Full left and SDL button 2 (the stick's button 3) jumps; the default
    // keys are no action now.
    SDL_JoystickSetVirtualAxis(stick, 0, -32768);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_PRESSED);
    keyboard_[SDL_SCANCODE_X] = keyboard_[SDL_SCANCODE_DOWN] = 1;
    controls.update();
    EXPECT_EQ(held(controls), "LJ");

    // Within the dead zone; SDL button 0 fires; S and Space add to it.
    SDL_JoystickSetVirtualAxis(stick, 0, 4000);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    keyboard_[SDL_SCANCODE_S] = keyboard_[SDL_SCANCODE_SPACE] = 1;
    controls.update();
    EXPECT_EQ(held(controls), "DJF");

    // Left Ctrl pressed and released again before the next poll: seen by
    // that poll, and only by that one.
    keyboard_[SDL_SCANCODE_S] = keyboard_[SDL_SCANCODE_SPACE] = 0;
    SDL_JoystickSetVirtualButton(stick, 0, SDL_RELEASED);
    input.notePress(SDL_SCANCODE_LCTRL);
    input.notePress(SDL_SCANCODE_Z);
    controls.update();
    EXPECT_EQ(held(controls), "F");
    controls.update();
    EXPECT_EQ(held(controls), "-");
    SDL_JoystickClose(stick);
    SDL_JoystickDetachVirtual(device);
}

TEST_F(SdlControls, AGameControllerPluggedInWhileRunningDrivesTheFlagsUntilUnplugged) {
    SdlInput input(keyboard_);
    Controls controls(input);
    const int pad = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    ASSERT_GE(pad, 0) << SDL_GetError();
    auto pump = [&input] {
        SDL_PumpEvents();
        SDL_Event event;
        while (SDL_PollEvent(&event)) input.handleEvent(event);
    };
    EXPECT_FALSE(input.controllerConnected());
    pump();
    ASSERT_TRUE(input.controllerConnected()) << "plugged in while the game runs";

    SDL_Joystick* stick = SDL_JoystickOpen(pad);
    ASSERT_NE(stick, nullptr);
    for (const int button :
         {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_B, SDL_CONTROLLER_BUTTON_DPAD_LEFT}) {
        SDL_JoystickSetVirtualButton(stick, button, SDL_PRESSED);
    }
    SDL_JoystickSetVirtualAxis(stick, SDL_CONTROLLER_AXIS_LEFTY, 30000);
    controls.update();
    EXPECT_EQ(held(controls), "LDJF");
    SDL_JoystickClose(stick);

    SDL_JoystickDetachVirtual(pad);
    pump();
    EXPECT_FALSE(input.controllerConnected()) << "unplugged";
    controls.update();
    EXPECT_EQ(held(controls), "-");
}
