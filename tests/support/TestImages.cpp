#include "support/TestImages.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

Image makeImage(int width, int height, Color fill) {
    Image image;
    image.width = width;
    image.height = height;
    image.rgba.resize(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
        image.rgba[i] = fill.r;
        image.rgba[i + 1] = fill.g;
        image.rgba[i + 2] = fill.b;
        image.rgba[i + 3] = fill.a;
    }
    return image;
}

void setPixel(Image& image, int row, int column, Color c) {
    std::uint8_t* p = image.pixel(row, column);
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
    p[3] = c.a;
}

Color pixelAt(const Image& image, int row, int column) {
    const std::uint8_t* p = image.pixel(row, column);
    return Color{p[0], p[1], p[2], p[3]};
}

void fillCell(Image& image, int row0, int column0, int rows, int columns, Color c) {
    for (int r = row0; r < row0 + rows; ++r)
        for (int col = column0; col < column0 + columns; ++col) setPixel(image, r, col, c);
}

bool sameColor(Color a, Color b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

namespace {

// The id of this run of the suite: the process id of the first process. The
// death tests' re-run children inherit it through the environment, so parent
// and child name the same files, while two suites run at once (two build
// folders) keep out of each other's. Set at start-up, before any child.
const std::string kRunId = [] {
    if (!std::getenv("QUASARINE_TEST_RUN")) {
        setenv("QUASARINE_TEST_RUN", std::to_string(::getpid()).c_str(), 1);
    }
    return std::string(std::getenv("QUASARINE_TEST_RUN"));
}();

}  // namespace

std::string tempPath(const std::string& name) {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string prefix = info ? std::string(info->test_suite_name()) + "_" + info->name() : "t";
    for (char& ch : prefix)
        if (ch == '/') ch = '_';
    return ::testing::TempDir() + prefix + "_" + kRunId + "_" + name;
}

std::string writeTempTarga(const Image& image, const std::string& name, bool withAlpha) {
    const std::string path = tempPath(name);
    EXPECT_TRUE(writeTargaFile(path, image, withAlpha)) << path;
    return path;
}

std::string readTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}
