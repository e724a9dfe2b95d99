// Where the picture goes in a window or screen of any size.
#include <gtest/gtest.h>

#include "game/Game.h"

TEST(PictureArea, FourToThreeCentredOrWholeStepsWithIntegerScaling) {
    struct Case {
        int width, height;
        bool integer;
        PictureArea expected;
    };
    const Case cases[] = {
        {640, 480, false, {0, 0, 640, 480}},
        {800, 480, false, {80, 0, 640, 480}},      // bars left and right
        {640, 600, false, {0, 60, 640, 480}},      // bars above and below
        {1366, 768, false, {171, 0, 1024, 768}},   // a laptop panel, full screen
        {1366, 768, true, {203, 24, 960, 720}},    // three times 320 x 240
        {1920, 1080, true, {320, 60, 1280, 960}},  // four times
        {700, 500, true, {30, 10, 640, 480}},
        {500, 300, true, {90, 30, 320, 240}},  // never below one step
    };
    for (const Case& c : cases) {
        GameServices services;
        services.integerScaling = c.integer;
        const PictureArea area = pictureArea(services, c.width, c.height);
        SCOPED_TRACE(testing::Message()
                     << c.width << " x " << c.height << (c.integer ? " integer" : ""));
        EXPECT_EQ(area.x, c.expected.x);
        EXPECT_EQ(area.y, c.expected.y);
        EXPECT_EQ(area.width, c.expected.width);
        EXPECT_EQ(area.height, c.expected.height);
    }
}
