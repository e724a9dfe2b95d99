// Where the picture goes in a window or screen of any size.
#include <gtest/gtest.h>

#include <array>

#include "game/Game.h"

TEST(PictureArea, FourToThreeCentredOrWholeStepsWithIntegerScaling) {
    const struct {
        int width, height;
        bool integer;
        std::array<int, 4> expected;  // x, y, width, height
    } cases[] = {
        {800, 480, false, {80, 0, 640, 480}},      // bars left and right
        {640, 600, false, {0, 60, 640, 480}},      // bars above and below
        {1366, 768, false, {171, 0, 1024, 768}},   // a laptop panel, full screen
        {1366, 768, true, {203, 24, 960, 720}},    // three times 320 x 240
        {1920, 1080, true, {320, 60, 1280, 960}},  // four times
        {500, 300, true, {90, 30, 320, 240}},      // never below one step
    };
    for (const auto& c : cases) {
        GameServices services;
        services.integerScaling = c.integer;
        const PictureArea area = pictureArea(services, c.width, c.height);
        EXPECT_EQ((std::array<int, 4>{area.x, area.y, area.width, area.height}), c.expected)
            << c.width << " x " << c.height << (c.integer ? " integer" : "");
    }
}
