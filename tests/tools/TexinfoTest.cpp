// The texinfo tool prints the boxes the game's loader measures.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/TestImages.h"

namespace {

std::string run(const std::string& command, int* status) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    *status = pclose(pipe);
    return output;
}

}  // namespace

TEST(Texinfo, PrintsOneLineAFrameWithTheLoadersBoxes) {
    Image sheet = makeImage(64, 32);
    fillCell(sheet, 8, 8, 16, 16, Color{9, 9, 9, 255});       // frame 0: full tile
    fillCell(sheet, 16, 32 + 16, 8, 8, Color{9, 9, 9, 255});  // frame 1: a quarter
    const std::string path = writeTempTarga(sheet, "sheet.tga", false);
    int status = -1;
    const std::string out = run(std::string(QUASARINE_TEXINFO) + " " + path, &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("64 x 32, 2 frames"), std::string::npos) << out;
    EXPECT_NE(out.find("\nframe 0: -0.5 -0.5 15 15\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nframe 1: 3.5 3.5 7 7\n"), std::string::npos) << out;
}

TEST(Texinfo, RefusesABadSheetWithAReason) {
    const std::string path = writeTempTarga(makeImage(16, 16), "small.tga");
    int status = -1;
    const std::string out = run(std::string(QUASARINE_TEXINFO) + " " + path + " 2>&1", &status);
    EXPECT_NE(status, 0);
    EXPECT_NE(out.find("multiple of 32"), std::string::npos) << out;
}
