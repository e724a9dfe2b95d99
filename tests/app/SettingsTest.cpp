// Reading "config.txt" and writing its default.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/Settings.h"
#include "support/TestImages.h"

namespace {}  // namespace

TEST(Settings, ValuesAreReadPositionallyWithIntegerSyntax) {
    EXPECT_EQ(parseSettings("refresh_rate = 100\nfilter = true\n").refreshRate, 100);
    EXPECT_TRUE(parseSettings("refresh_rate = 100\nfilter = true\n").textureFiltering);
    // Key words are not compared; hexadecimal and octal follow %i.
    EXPECT_EQ(parseSettings("rate : 0x3C\nx = false\n").refreshRate, 60);
    EXPECT_EQ(parseSettings("r = 075\n").refreshRate, 61);
    EXPECT_EQ(parseSettings("r = 85\r\nfilter = true\r\n").refreshRate, 85);
}

TEST(Settings, OnlyTheExactWordTrueTurnsFilteringOn) {
    for (const char* word : {"TRUE", "yes", "True", "1", "truex"}) {
        EXPECT_FALSE(parseSettings(std::string("a = 60\nfilter = ") + word + "\n").textureFiltering)
            << word;
    }
    EXPECT_FALSE(parseSettings("a = 60\nfilter =\n").textureFiltering);
}

TEST(Settings, UnusableRatesBecomeSeventyFive) {
    for (const char* text :
         {"", "refresh_rate = 0\n", "refresh_rate = -60\n", "refresh_rate = fast\n",
          "refresh_rate\n", "\nfilter = true\n", "refresh_rate = 501\n", "refresh_rate = 1000\n",
          "refresh_rate = 99999999999\n", "refresh_rate = 0x100000000\n",
          "refresh_rate = -4294967221\n"}) {
        EXPECT_EQ(parseSettings(text).refreshRate, 75) << text;
    }
    // A missing second line leaves filtering off.
    const Settings oneLine = parseSettings("refresh_rate = 144");
    EXPECT_EQ(oneLine.refreshRate, 144);
    EXPECT_FALSE(oneLine.textureFiltering);
}

TEST(Settings, OverlongWordsAreCutNotOverrun) {
    const std::string longWord(300, 'k');
    // The key word's tail is read where the separator and value should be.
    EXPECT_EQ(parseSettings(longWord + " = 60\n").refreshRate, 75);
    EXPECT_FALSE(parseSettings("a = 60\nfilter = true" + longWord + "\n").textureFiltering);
    EXPECT_FALSE(parseSettings("a = 60\n" + longWord + " = true\n").textureFiltering);
    EXPECT_TRUE(parseSettings("a = 60\n" + std::string(99, 'k') + " = true\n").textureFiltering);
}

TEST(Settings, MissingFileIsWrittenWithTheDefaultText) {
    const std::string path = tempPath("config.txt");
    std::remove(path.c_str());
    const Settings settings = loadSettings(path);
    EXPECT_EQ(settings.refreshRate, 75);
    EXPECT_FALSE(settings.textureFiltering);
    EXPECT_EQ(readTextFile(path), "refresh_rate = 75\nfilter = false\n");

    // The file just written reads back the same; an edited one is honoured.
    EXPECT_EQ(loadSettings(path).refreshRate, 75);
    std::ofstream(path) << "refresh_rate = 60\nfilter = true\n";
    EXPECT_EQ(loadSettings(path).refreshRate, 60);
    EXPECT_TRUE(loadSettings(path).textureFiltering);
    EXPECT_EQ(readTextFile(path), "refresh_rate = 60\nfilter = true\n");
}
