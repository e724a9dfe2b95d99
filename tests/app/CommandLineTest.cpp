#include <gtest/gtest.h>

#include <vector>

#include "app/CommandLine.h"

namespace {

bool parse(std::vector<const char*> args, CommandLine& out, std::string* error = nullptr) {
    args.insert(args.begin(), "quasarine");
    std::string message;
    const bool ok = parseCommandLine(static_cast<int>(args.size()), args.data(), out, message);
    if (error) *error = message;
    return ok;
}

}  // namespace

TEST(CommandLine, FlagsAndValues) {
    CommandLine options;
    ASSERT_TRUE(parse({}, options));
    EXPECT_FALSE(options.windowed);
    EXPECT_EQ(options.frames, -1);

    ASSERT_TRUE(parse({"--windowed", "--frames", "10", "--screenshot", "shot.png", "--no-boxes",
                       "--mute", "--seed", "4294967295"},
                      options));
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_TRUE(options.mute);
    EXPECT_TRUE(options.windowed);
    EXPECT_TRUE(options.noBoxes);
    EXPECT_EQ(options.frames, 10);
    EXPECT_EQ(options.screenshotPath, "shot.png");
}

TEST(CommandLine, BadValuesUnknownFlagsAndImpossibleCombinationsAreRefused) {
    CommandLine options;
    std::string error;
    EXPECT_FALSE(parse({"--frames", "0"}, options));
    // Seeds are whole numbers that fit 32 bits.
    EXPECT_TRUE(parse({"--seed", "0"}, options));
    for (const char* bad :
         {"4294967296", "-1", "+5", " 5", "5 ", "0x10", "", "99999999999999999999"}) {
        EXPECT_FALSE(parse({"--seed", bad}, options)) << bad;
    }
    EXPECT_FALSE(parse({"--frames"}, options));
    EXPECT_FALSE(parse({"--screenshot"}, options));
    EXPECT_FALSE(parse({"--fullscreen"}, options, &error));
    EXPECT_NE(error.find("--fullscreen"), std::string::npos);

    // A screenshot needs a window.
    EXPECT_FALSE(parse({"--headless", "--frames", "5", "--screenshot", "a.png"}, options, &error));
    EXPECT_NE(error.find("--screenshot"), std::string::npos);
    EXPECT_TRUE(parse({"--frames", "5", "--screenshot", "a.png"}, options));
    // The trace and the recording would overwrite each other.
    for (const char* other : {"./out.txt", "sub/../out.txt"}) {
        EXPECT_FALSE(parse({"--trace", "out.txt", "--record", other}, options, &error)) << other;
        EXPECT_NE(error.find("same file"), std::string::npos);
    }
    EXPECT_TRUE(parse({"--trace", "-", "--record", "rec.txt"}, options));
    EXPECT_TRUE(parse({"--trace", "t.txt", "--record", "rec.txt"}, options));
}
