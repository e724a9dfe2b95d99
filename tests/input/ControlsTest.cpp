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

struct Flags {
    bool right, left, up, down, jump, fire;
};

Flags flagsOf(const Controls& c) {
    return Flags{c.right, c.left, c.up, c.down, c.jump, c.fire};
}

}  // namespace

TEST(Controls, RightAndLeftCancelUpAndDownDoNot) {
    ScriptedInput input;
    Controls controls(input);
    input.keys = {GameKey::Right, GameKey::Left, GameKey::Up, GameKey::Down, GameKey::Fire};
    controls.update();
    Flags f = flagsOf(controls);
    EXPECT_FALSE(f.right);
    EXPECT_FALSE(f.left);
    EXPECT_TRUE(f.up);
    EXPECT_TRUE(f.down);
    EXPECT_TRUE(f.fire);
    EXPECT_FALSE(f.jump);

    // One from the stick, one from the keyboard cancel too.
    input.joystickAnswers = true;
    input.stick = JoystickReading{32768, 32768, 0};
    Controls withStick(input);
    input.keys = {GameKey::Left};
    input.stick.x = 32768 + 20000;
    withStick.update();
    EXPECT_FALSE(withStick.right);
    EXPECT_FALSE(withStick.left);

    // Flags are levels: released keys clear them on the next update.
    input.keys.clear();
    input.stick.x = 32768;
    withStick.update();
    f = flagsOf(withStick);
    EXPECT_FALSE(f.right || f.left || f.up || f.down || f.jump || f.fire);
}

TEST(Controls, StickHasADeadZoneAroundItsStartingPosition) {
    ScriptedInput input;
    input.joystickAnswers = true;
    input.stick = JoystickReading{40000, 20000, 0};  // held off-centre at start-up
    Controls controls(input);
    ASSERT_TRUE(controls.isJoystickPresent());

    input.stick = JoystickReading{45000, 15000, 0};  // exactly 5000 away: nothing
    controls.update();
    EXPECT_FALSE(controls.right || controls.left || controls.up || controls.down);

    input.stick = JoystickReading{45001, 14999, 0};
    controls.update();
    EXPECT_TRUE(controls.right);
    EXPECT_TRUE(controls.up);

    input.stick = JoystickReading{34999, 25001, 0};
    controls.update();
    EXPECT_TRUE(controls.left);
    EXPECT_TRUE(controls.down);
}

TEST(Controls, StickCentredNearAnEndDoesNotHoldADirection) {
    ScriptedInput input;
    input.joystickAnswers = true;
    input.stick = JoystickReading{0, 65535, 0};
    Controls controls(input);
    controls.update();
    EXPECT_FALSE(controls.left || controls.right || controls.up || controls.down);
    input.stick = JoystickReading{6000, 60000, 0};
    controls.update();
    EXPECT_TRUE(controls.right);
    EXPECT_TRUE(controls.up);
}

TEST(Controls, JoystickIsExaminedOnlyAtCreation) {
    ScriptedInput input;
    Controls controls(input);  // no stick yet
    input.joystickAnswers = true;
    input.stick = JoystickReading{65535, 32768, 0xff};
    controls.update();
    EXPECT_FALSE(controls.right || controls.jump);

    // A stick that stops answering keeps its last reading.
    input.stick = JoystickReading{32768, 32768, 0};
    Controls present(input);
    input.stick = JoystickReading{65535, 32768, 1};
    present.update();
    input.joystickAnswers = false;
    present.update();
    EXPECT_TRUE(present.right);
    EXPECT_TRUE(present.fire);
}

class SdlControls : public ::testing::Test {
  protected:
    void SetUp() override {
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
        device_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 4, 0);
        ASSERT_GE(device_, 0) << SDL_GetError();
    }
    void TearDown() override {
        if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    int device_ = -1;
    Uint8 keyboard_[SDL_NUM_SCANCODES] = {};
};

TEST_F(SdlControls, VirtualJoystickAndKeyboardDriveTheFlags) {
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
    EXPECT_TRUE(controls.left);
    EXPECT_TRUE(controls.jump);
    EXPECT_FALSE(controls.fire);

    // Within the dead zone; SDL button 0 fires; the keyboard adds to it.
    SDL_JoystickSetVirtualAxis(stick, 0, 4000);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    keyboard_[SDL_SCANCODE_DOWN] = 1;
    keyboard_[SDL_SCANCODE_Z] = 1;
    controls.update();
    EXPECT_FALSE(controls.left || controls.right);
    EXPECT_TRUE(controls.fire);
    EXPECT_TRUE(controls.down);
    EXPECT_TRUE(controls.jump);

    // Arrows and X map to their flags; right and left cancel.
    keyboard_[SDL_SCANCODE_Z] = 0;
    keyboard_[SDL_SCANCODE_DOWN] = 0;
    keyboard_[SDL_SCANCODE_RIGHT] = 1;
    keyboard_[SDL_SCANCODE_X] = 1;
    SDL_JoystickSetVirtualButton(stick, 0, SDL_RELEASED);
    SDL_JoystickSetVirtualAxis(stick, 0, -32768);
    controls.update();
    EXPECT_FALSE(controls.right || controls.left);
    EXPECT_TRUE(controls.fire);
    SDL_JoystickClose(stick);
}

TEST_F(SdlControls, ATapBetweenTwoPollsIsNotLost) {
    SdlInput input(keyboard_);
    Controls controls(input);
    // Z pressed and released again before the next poll: seen by that poll,
    // and only by that one.
    input.notePress(SDL_SCANCODE_Z);
    controls.update();
    EXPECT_TRUE(controls.jump);
    controls.update();
    EXPECT_FALSE(controls.jump);
    // Keys that are no action are ignored.
    input.notePress(SDL_SCANCODE_A);
    controls.update();
    EXPECT_FALSE(controls.jump || controls.fire || controls.left);
}
