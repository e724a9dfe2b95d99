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

    ASSERT_TRUE(
        parse({"--windowed", "--frames", "10", "--screenshot", "shot.png", "--no-boxes", "--mute"},
              options));
    EXPECT_TRUE(options.mute);
    EXPECT_TRUE(options.windowed);
    EXPECT_TRUE(options.noBoxes);
    EXPECT_EQ(options.frames, 10);
    EXPECT_EQ(options.screenshotPath, "shot.png");
}

TEST(CommandLine, BadValuesAndUnknownFlagsAreRefused) {
    CommandLine options;
    std::string error;
    for (const char* bad : {"0", "-3", "10x", "", "99999999999999999999"}) {
        EXPECT_FALSE(parse({"--frames", bad}, options, &error)) << bad;
    }
    EXPECT_FALSE(parse({"--frames"}, options));
    EXPECT_FALSE(parse({"--screenshot"}, options));
    EXPECT_FALSE(parse({"--fullscreen"}, options, &error));
    EXPECT_NE(error.find("--fullscreen"), std::string::npos);
}
