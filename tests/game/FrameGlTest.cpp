// A whole frame drawn with the game's own objects under the offscreen driver
// and checked by its pixels: the HUD, the blinking "READY", "PAUSED" and
// "GAME OVER", the fade overlay and the letterbox bars of a wider window.
#include <gtest/gtest.h>

#include <vector>

#include "game/Game.h"
#include "support/GlTestContext.h"
#include "support/ScratchFolder.h"
#include "support/WorldFixture.h"
#include "world/World.h"

namespace {

int drawableWidth = 640;
void testDrawable(int& width, int& height) {
    width = drawableWidth;
    height = 480;
}

class FrameGl : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GL();
        REQUIRE_GENERATED_DATA();
        folder_.linkData(true);
        folder_.enter();
        std::vector<TestRoom> rooms{floorRoom("first.sec")};
        writeTestRooms("data/map", rooms);
        drawableWidth = 640;
        GameServices services = headlessServices(input_, 1);
        services.gl = &realGl();
        services.drawableSize = testDrawable;
        ASSERT_TRUE(InitGame(game, services));
        started_ = true;
    }
    void TearDown() override {
        if (started_) shutdownGame(game);
    }
    // Draws a frame and reads the 640 x 480 screen; pixel(x, y) with y from the top.
    void drawAndRead() {
        ASSERT_TRUE(drawFrame(game));
        screen_.assign(640 * 480 * 4, 0);
        realGl().readBuffer(GL_BACK);
        realGl().readPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, screen_.data());
    }
    const std::uint8_t* pixel(int x, int y) { return &screen_[((479 - y) * 640 + x) * 4]; }
    int brightness(int x, int y) { return pixel(x, y)[0] + pixel(x, y)[1] + pixel(x, y)[2]; }
    // How many pixels of a view rectangle (view pixels, y down) are bright on
    // the screen, where the view is doubled and mirrored top to bottom.
    int brightInView(int x0, int y0, int x1, int y1) {
        int count = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (brightness(2 * x, 479 - 2 * y) > 300) ++count;
        return count;
    }

    GameState game;
    NullInput input_;
    ScratchFolder folder_{"frame"};
    bool started_ = false;
    std::vector<std::uint8_t> screen_;
};

}  // namespace

TEST_F(FrameGl, HudDigitsABlinkingReadyPausedAndGameOver) {
    game.world->freezeTimer = 23;  // 12 steps on, 12 off: 12..23 shows "READY"
    drawAndRead();
    EXPECT_GT(brightInView(142, 140, 182, 148), 20);  // "READY"
    EXPECT_GT(brightInView(47, 205, 63, 213), 20);    // "99"
    EXPECT_EQ(brightInView(70, 205, 100, 213), 0);    // nothing after the digits

    game.world->freezeTimer = 11;  // off phase
    drawAndRead();
    EXPECT_EQ(brightInView(136, 140, 184, 148), 0);

    game.paused = true;
    drawAndRead();
    EXPECT_GT(brightInView(136, 140, 184, 148), 20);  // "PAUSED"
    game.paused = false;
    game.gameOver = true;
    drawAndRead();
    EXPECT_GT(brightInView(124, 140, 196, 148), 30);  // "GAME OVER"
    EXPECT_GT(brightInView(130, 120, 190, 128), 15);  // "press fire"
}

TEST_F(FrameGl, AFullFadeHidesTheRoomButNotTheHudAndAWiderWindowGetsBars) {
    game.world->freezeTimer = 0;
    game.readyShown = false;
    auto floorLit = [this](int from) {
        int lit = 0;
        for (int x = from; x < 640; x += 4) lit += brightness(x, 475) > 60 ? 1 : 0;
        return lit;
    };
    drawAndRead();
    EXPECT_GT(floorLit(0), 20);  // the floor tiles along the bottom

    drawableWidth = 800;  // the picture is 640 wide, centred: bars of 80
    drawAndRead();
    for (int y = 0; y < 480; y += 8) EXPECT_LT(brightness(40, y), 5) << y;
    EXPECT_GT(floorLit(80), 20);

    drawableWidth = 640;
    game.fading = true;
    game.fadeOverlayEnabled = true;
    game.fadeLevel = 0;
    drawAndRead();
    for (int x = 0; x < 640; x += 4) EXPECT_LT(brightness(x, 475), 10) << x;
    EXPECT_GT(brightInView(47, 205, 63, 213), 20);  // the HUD is drawn over the fade
}
