// Input scripts: what a script holds poll by poll, the lines it refuses, and
// the recorder writing a session back in the same form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/Controls.h"
#include "input/ScriptInput.h"
#include "support/ScratchFolder.h"
#include "support/TestImages.h"

namespace {

using Polls = std::vector<std::string>;

// The keys held at each of `polls` polls, as letters in RLUDJF order ("-"
// for none).
Polls heldPerPoll(ScriptInput& script, int polls) {
    const GameKey keys[] = {GameKey::Right, GameKey::Left, GameKey::Up,
                            GameKey::Down,  GameKey::Jump, GameKey::Fire};
    Polls out;
    for (int i = 0; i < polls; ++i) {
        script.beginPoll();
        std::string held;
        for (int k = 0; k < 6; ++k) {
            if (script.keyHeld(keys[k])) held += "RLUDJF"[k];
        }
        out.push_back(held.empty() ? "-" : held);
    }
    return out;
}

}  // namespace

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

TEST(ScriptRecorder, WritesEachRunOfPollsAsOneLineThatReadsBackTheSame) {
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

    // A recorder whose file cannot be made says so and records nothing.
    ScriptRecorder nowhere(folder.file("no/such/folder/rec.txt"), 7);
    EXPECT_FALSE(nowhere.isOpen());
    nowhere.record(controls);
}
