// The headless interface every end-to-end test stands on: the real program
// writes a trace a frame, a recorded session replays it exactly, and what it
// cannot do ends with a failure status.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/ScratchFolder.h"
#include "support/TestImages.h"

namespace fs = std::filesystem;

namespace {

class HeadlessRun : public ::testing::Test {
  protected:
    void SetUp() override { REQUIRE_GENERATED_DATA(); }
    // Runs the game in the scratch folder; its exit status.
    int run(const std::string& arguments, const char* output = "> stdout.txt") {
        const std::string command =
            std::string(QUASARINE_GAME) + " " + arguments + " " + output + " 2> stderr.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    bool said(const std::string& what) {
        return readTextFile("stderr.txt").find(what) != std::string::npos;
    }

    ScratchFolder folder_{"run", ScratchFolder::kGameFolder};
};

}  // namespace

TEST_F(HeadlessRun, ARecordingReplaysTheSameTraceWithItsSeed) {
    std::ofstream("walk.txt") << "# a short walk\n200 -\n60 R\n30 RJ\n100 LF\n";
    ASSERT_EQ(run("--headless --frames 420 --seed 7 --input walk.txt --trace a.jsonl "
                  "--record rec.txt"),
              0)
        << readTextFile("stderr.txt");
    const std::string a = readTextFile("a.jsonl");
    // One line a frame, each a JSON object with the room and the player.
    EXPECT_EQ(std::count(a.begin(), a.end(), '\n'), 420);
    EXPECT_EQ(a.rfind("{\"frame\":1,\"step\":1,\"room\":\"starting_room.sec\"", 0), 0u);
    EXPECT_NE(a.find("\"audio\":[\"music data/sound/music_fernvale.ogg 50\"]"), std::string::npos);

    // The replay takes its seed from the recording and runs the same.
    EXPECT_EQ(readTextFile("rec.txt").rfind("# seed 7\n", 0), 0u);
    ASSERT_EQ(run("--headless --frames 420 --input rec.txt --trace c.jsonl"), 0);
    EXPECT_EQ(a, readTextFile("c.jsonl"));
}

TEST_F(HeadlessRun, BadArgumentsScriptsAndDataEndWithAFailureStatus) {
    EXPECT_EQ(run("--headless"), 2);  // needs --frames
    // Scripts refused, naming the line: a bad key, counts adding up past what
    // can be counted, a seed comment --seed would not take.
    const std::pair<const char*, const char*> refused[] = {
        {"10 RX\n", "line 1"},
        {"6 R\n9223372036854775807 -\n", "line 2"},
        {"# seed 4294967296\n5 R\n", "line 1"}};
    for (const auto& [script, line] : refused) {
        std::ofstream("bad.txt") << script;
        EXPECT_EQ(run("--headless --frames 3 --input bad.txt"), 2) << script;
        EXPECT_TRUE(said(line)) << script;
    }

    // A damaged map: reported with this system's separators; the game does not start.
    fs::remove_all("data");
    fs::create_directories("data/map");
    std::ofstream("data/map/test.map") << "xx";
    EXPECT_EQ(run("--headless --frames 3"), 1);
    EXPECT_TRUE(said("data/map/test.map")) << readTextFile("stderr.txt");
    EXPECT_TRUE(said("InitGame() Failed."));
}

TEST_F(HeadlessRun, AnOutputThatCannotBeWrittenEndsTheRunWithAFailure) {
    EXPECT_EQ(run("--headless --frames 50 --trace /dev/full"), 1);  // a full disk
    EXPECT_TRUE(said("cannot write the trace /dev/full")) << readTextFile("stderr.txt");
    EXPECT_EQ(run("--headless --frames 50 --record /dev/full"), 1);
    EXPECT_TRUE(said("cannot write the recording")) << readTextFile("stderr.txt");
    EXPECT_EQ(run("--headless --frames 5 --trace -", ">&-"), 1);  // a closed standard output
    EXPECT_TRUE(said("standard output")) << readTextFile("stderr.txt");
}
