// Reading "config.txt" and writing its default.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "app/Settings.h"
#include "support/TestImages.h"

TEST(Settings, ValuesAreReadByLineNotByKeyWordAndUnusableOnesFallBack) {
    const std::string longWord(300, 'k');
    const struct {
        std::string text;
        int rate;
        bool filter, integer;
    } cases[] = {
        {"refresh_rate = 100\nfilter = true\ninteger_scale = true\n", 100, true, true},
        {"rate : 0x3C\nx = false\n", 60, false, false},  // the integer syntax of C
        {"refresh_rate = 144", 144, false, false},
        {"r = 60\ninteger_scale = true\n", 60, true, false},  // the second line is the filter
        // Only the exact word "true" turns an option on.
        {"a = 60\nfilter = TRUE\ni = truex\n", 60, false, false},
        // Unusable rates become 75.
        {"refresh_rate = 0\n", 75, false, false},
        {"refresh_rate = 501\n", 75, false, false},
        {"refresh_rate = 4294967356\n", 75, false, false},  // 60 if cut to 32 bits
        {"refresh_rate\n", 75, false, false},
        {"\nfilter = true\n", 75, true, false},
        // Overlong words are cut, not overrun: the key word's tail is read
        // where the separator and value should be.
        {longWord + " = 60\n", 75, false, false},
        {"a = 60\n" + longWord + " = true\n", 60, false, false},
        {"a = 60\n" + std::string(99, 'k') + " = true\n", 60, true, false},
    };
    for (const auto& c : cases) {
        const Settings settings = parseSettings(c.text);
        EXPECT_EQ(settings.refreshRate, c.rate) << c.text;
        EXPECT_EQ(settings.textureFiltering, c.filter) << c.text;
        EXPECT_EQ(settings.integerScaling, c.integer) << c.text;
    }
}

TEST(Settings, AMissingFileIsWrittenWithTheDefaultTextAndAnEditedOneIsHonoured) {
    const std::string path = tempPath("config.txt");
    std::remove(path.c_str());
    EXPECT_EQ(loadSettings(path).refreshRate, 75);
    EXPECT_EQ(readTextFile(path),
              "refresh_rate = 75\nfilter = false\ninteger_scale = false\n"
              "keys = Right, Left, Up, Down, Z, X\n");
    EXPECT_EQ(loadSettings(path).keys[5], SDL_SCANCODE_X) << "the default file reads back";
    std::ofstream(path) << "refresh_rate = 60\nfilter = true\n";
    EXPECT_EQ(loadSettings(path).refreshRate, 60);
    EXPECT_EQ(readTextFile(path), "refresh_rate = 60\nfilter = true\n");
}

TEST(Settings, KeysAreTheFourthLineBySdlNamesAndFallBackWhole) {
    const Settings chosen =
        parseSettings("r = 60\nf = false\ni = false\nkeys = D, A, W, S, Space, Left Ctrl\n");
    const SDL_Scancode expected[6] = {SDL_SCANCODE_D, SDL_SCANCODE_A,     SDL_SCANCODE_W,
                                      SDL_SCANCODE_S, SDL_SCANCODE_SPACE, SDL_SCANCODE_LCTRL};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(chosen.keys[i], expected[i]) << i;
    // Five names, an unknown name, the same key twice, no '=', seven, an empty
    // name: the defaults, all six (half a layout would strand the player).
    for (const char* line : {"keys = D, A, W, S, Space", "keys = D, A, W, S, Space, Nope",
                             "keys = D, A, W, S, Space, D", "D, A, W, S, Space, X",
                             "keys = D, A, W, S, Space, X, Y", "keys = D,, W, S, Space, X"}) {
        const Settings settings = parseSettings(std::string("r\nf\ni\n") + line + "\n");
        EXPECT_EQ(settings.keys[0], SDL_SCANCODE_RIGHT) << line;
        EXPECT_EQ(settings.keys[4], SDL_SCANCODE_Z) << line;
    }
}
