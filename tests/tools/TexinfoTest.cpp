// The texinfo tool prints the boxes the game's loader measures.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/TestImages.h"

namespace {

// The tool's output (stderr included); `status` its exit status.
std::string texinfo(const std::string& path, int& status) {
    std::string output;
    FILE* pipe = popen((std::string(QUASARINE_TEXINFO) + " " + path + " 2>&1").c_str(), "r");
    char buffer[256];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    status = pipe ? pclose(pipe) : -1;
    return output;
}

}  // namespace

TEST(Texinfo, PrintsOneLineAFrameWithTheLoadersBoxesOrWhyNot) {
    Image sheet = makeImage(64, 32);
    fillCell(sheet, 8, 8, 16, 16, Color{9, 9, 9, 255});      // frame 0: full tile
    fillCell(sheet, 16, 32 + 8, 8, 8, Color{9, 9, 9, 255});  // frame 1: a quarter
    int status = -1;
    std::string out = texinfo(writeTempTarga(sheet, "sheet.tga", false), status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(out.find("64 x 32, 2 frames"), std::string::npos) << out;
    EXPECT_NE(out.find("\nframe 0: -0.5 -0.5 15 15\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\nframe 1: -4.5 3.5 7 7\n"), std::string::npos) << out;

    out = texinfo(writeTempTarga(makeImage(16, 16), "small.tga"), status);
    EXPECT_NE(status, 0);
    EXPECT_NE(out.find("multiple of 32"), std::string::npos) << out;
}
