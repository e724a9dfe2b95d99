// The control flags: their rules, SDL devices and keys, input scripts and recordings.
#include <SDL.h>
#include <gtest/gtest.h>

#include <set>

#include "input/Controls.h"
#include "input/ScriptInput.h"
#include "input/SdlInput.h"
#include "support/ScratchFolder.h"
#include "support/TestImages.h"

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

// The flags as letters in RLUDJF order ("-" for none).
std::string held(const Controls& c) {
    const bool flags[] = {c.right, c.left, c.up, c.down, c.jump, c.fire};
    std::string out;
    for (int k = 0; k < 6; ++k) {
        if (flags[k]) out += "RLUDJF"[k];
    }
    return out.empty() ? "-" : out;
}

using Polls = std::vector<std::string>;

// What the controls show at each of `polls` polls of a device.
Polls heldPerPoll(InputDevice& input, int polls) {
    Controls controls(input);
    Polls out;
    for (int i = 0; i < polls; ++i) {
        controls.update();
        out.push_back(held(controls));
    }
    return out;
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
    const GameKeyCodes keys = {SDL_SCANCODE_D, SDL_SCANCODE_A,     SDL_SCANCODE_W,
                               SDL_SCANCODE_S, SDL_SCANCODE_SPACE, SDL_SCANCODE_LCTRL};
    SdlInput input(keyboard_, keys);
    Controls controls(input);
    ASSERT_TRUE(controls.isJoystickPresent());

    // Full left, SDL buttons 2 (jump) and 0 (fire), S; default X and Down do nothing.
    SDL_JoystickSetVirtualAxis(stick, 0, -32768);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_PRESSED);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_PRESSED);
    keyboard_[SDL_SCANCODE_S] = keyboard_[SDL_SCANCODE_X] = keyboard_[SDL_SCANCODE_DOWN] = 1;
    controls.update();
    EXPECT_EQ(held(controls), "LDJF");

    // In the dead zone, Left Ctrl held, a Space tap between polls: seen by one poll.
    SDL_JoystickSetVirtualAxis(stick, 0, 4000);
    SDL_JoystickSetVirtualButton(stick, 2, SDL_RELEASED);
    SDL_JoystickSetVirtualButton(stick, 0, SDL_RELEASED);
    keyboard_[SDL_SCANCODE_S] = 0;
    keyboard_[SDL_SCANCODE_LCTRL] = 1;
    input.notePress(SDL_SCANCODE_SPACE);
    input.notePress(SDL_SCANCODE_Z);
    controls.update();
    EXPECT_EQ(held(controls), "JF");
    controls.update();
    EXPECT_EQ(held(controls), "F");
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

TEST(ScriptInput, EachLineHoldsItsKeysForItsCountThenNothingIsHeld) {
    ScriptInput script;
    std::string error;
    ASSERT_TRUE(
        script.parse("2 JR\n# a comment on a line of its own\n\n   1 -   \n"
                     "3 FDUL# a comment right after the keys\n1 RRR\n",
                     &error))
        << error;
    EXPECT_EQ(script.length(), 7);
    // Letters in any order, repeated or not, name a set.
    EXPECT_EQ(heldPerPoll(script, 9),
              (Polls{"RJ", "RJ", "-", "LUDF", "LUDF", "LUDF", "R", "-", "-"}));

    // Counts are 64-bit: a script may hold a key for longer than 2^32 polls.
    ASSERT_TRUE(script.parse("5000000000 F\n", &error)) << error;
    EXPECT_EQ(script.length(), 5000000000);
    EXPECT_EQ(heldPerPoll(script, 2), (Polls{"F", "F"}));
}

TEST(ScriptInput, MalformedLinesAreRefusedNamingTheLine) {
    for (const char* bad : {"0 R", "-3 R", "3", "R 3", "3 RX", "3 r", "3 R-", "3 R J", "3x R",
                            "99999999999999999999 R"}) {
        SCOPED_TRACE(bad);
        ScriptInput script;
        std::string error;
        EXPECT_FALSE(script.parse(std::string("10 R\n# fine so far\n") + bad + "\n1 -\n", &error));
        EXPECT_EQ(error.rfind("line 3:", 0), 0u) << error;
        // Nothing of a refused script is played.
        EXPECT_EQ(script.length(), 0);
        EXPECT_EQ(heldPerPoll(script, 1), Polls{"-"});
    }
}

TEST(ScriptRecorder, WritesTheSeedThenEachRunOfPollsAsOneLine) {
    ScratchFolder folder("recorder");
    ScriptInput played;
    std::string error;
    const std::string session = "3 RJ\n1 -\n2 UD\n1 LF\n4 -\n";
    ASSERT_TRUE(played.parse(session, &error)) << error;
    Controls controls(played);
    {
        ScriptRecorder recorder(folder.file("rec.txt"), 7);
        ASSERT_TRUE(recorder.isOpen());
        for (int poll = 0; poll < 11; ++poll) {
            controls.update();
            recorder.record(controls);
        }
    }
    EXPECT_EQ(readTextFile(folder.file("rec.txt")), "# seed 7\n" + session);
}
