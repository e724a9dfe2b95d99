// The headless interface every end-to-end test stands on: the real program,
// run twice with the same seed and input, writes the same trace; a recorded
// session replays exactly.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/TestImages.h"

namespace fs = std::filesystem;

namespace {

class HeadlessRun : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* data = std::getenv("QUASARINE_DATA_DIR");
        if (!data || !fs::exists(fs::path(data) / "map" / "test.map")) {
            GTEST_SKIP() << "the game's data is not built (QUASARINE_DATA_DIR)";
        }
        folder_ = tempPath("run");
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::create_symlink(fs::absolute(data), folder_ + "/data");
    }
    void TearDown() override {
        if (!folder_.empty()) fs::remove_all(folder_);
    }
    // Runs the game in the folder; returns its exit status.
    int run(const std::string& arguments) {
        const std::string command = "cd '" + folder_ + "' && " + QUASARINE_GAME + " " + arguments +
                                    " > stdout.txt 2> stderr.txt";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string file(const std::string& name) { return readTextFile(folder_ + "/" + name); }

    std::string folder_;
};

}  // namespace

TEST_F(HeadlessRun, SameSeedAndInputGiveTheSameTraceAndARecordingReplaysIt) {
    std::ofstream(folder_ + "/walk.txt") << "# a short walk\n200 -\n60 R\n30 RJ\n100 LF\n";
    ASSERT_EQ(run("--headless --frames 420 --seed 7 --input walk.txt --trace a.jsonl "
                  "--record rec.txt"),
              0)
        << file("stderr.txt");
    ASSERT_EQ(run("--headless --frames 420 --seed 7 --input walk.txt --trace b.jsonl"), 0);
    const std::string a = file("a.jsonl");
    EXPECT_EQ(a, file("b.jsonl"));
    // One line a frame, each a JSON object with the room and the player.
    EXPECT_EQ(std::count(a.begin(), a.end(), '\n'), 420);
    EXPECT_EQ(a.rfind("{\"frame\":1,\"step\":1,\"room\":\"starting_room.sec\"", 0), 0u);
    EXPECT_NE(a.find("\"audio\":[\"music data/sound/music_fernvale.ogg 50\"]"), std::string::npos);

    // The replay takes its seed from the recording.
    EXPECT_EQ(file("rec.txt").rfind("# seed 7\n", 0), 0u) << file("rec.txt");
    ASSERT_EQ(run("--headless --frames 420 --input rec.txt --trace c.jsonl"), 0);
    EXPECT_EQ(a, file("c.jsonl"));
}

TEST_F(HeadlessRun, BadArgumentsAndDamagedDataEndWithAFailureStatus) {
    EXPECT_EQ(run("--headless"), 2);  // needs --frames
    std::ofstream(folder_ + "/bad.txt") << "10 RX\n";
    EXPECT_EQ(run("--headless --frames 3 --input bad.txt"), 2);
    EXPECT_NE(file("stderr.txt").find("line 1"), std::string::npos);

    // Runs whose counts add up past what can be counted.
    std::ofstream(folder_ + "/endless.txt") << "6 R\n9223372036854775807 -\n";
    EXPECT_EQ(run("--headless --frames 3 --input endless.txt"), 2);
    EXPECT_NE(file("stderr.txt").find("line 2"), std::string::npos);

    // A seed comment takes exactly the values --seed takes.
    for (const char* seed : {"-1", "4294967296", "12abc", "0x10"}) {
        std::ofstream(folder_ + "/seeded.txt") << "# seed " << seed << "\n5 R\n";
        EXPECT_EQ(run("--headless --frames 3 --input seeded.txt"), 2) << seed;
        EXPECT_NE(file("stderr.txt").find("line 1"), std::string::npos) << seed;
    }
    std::ofstream(folder_ + "/seeded.txt") << "# seed 4294967295\n5 R\n";
    EXPECT_EQ(run("--headless --frames 3 --input seeded.txt"), 0) << file("stderr.txt");

    // A map that is not there: reported, and the game does not start.
    fs::remove(folder_ + "/data");
    fs::create_directories(folder_ + "/data/map");
    std::ofstream(folder_ + "/data/map/test.map") << "xx";
    EXPECT_EQ(run("--headless --frames 3"), 1);
    const std::string err = file("stderr.txt");
    EXPECT_NE(err.find("data/map/test.map"), std::string::npos) << err;  // this system's separators
    EXPECT_NE(err.find("InitGame() Failed."), std::string::npos) << err;
}

TEST_F(HeadlessRun, AnOutputThatCannotBeWrittenEndsTheRunWithAFailure) {
    // A full disk, for the trace and for the recording.
    EXPECT_EQ(run("--headless --frames 50 --trace /dev/full"), 1);
    EXPECT_NE(file("stderr.txt").find("cannot write the trace /dev/full"), std::string::npos)
        << file("stderr.txt");
    EXPECT_EQ(run("--headless --frames 50 --record /dev/full"), 1);
    EXPECT_NE(file("stderr.txt").find("cannot write the recording"), std::string::npos)
        << file("stderr.txt");
    // A closed standard output.
    const std::string closed = "cd '" + folder_ + "' && " + QUASARINE_GAME +
                               " --headless --frames 5 --trace - >&- 2> stderr.txt";
    const int status = std::system(closed.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_NE(file("stderr.txt").find("standard output"), std::string::npos) << file("stderr.txt");
}
