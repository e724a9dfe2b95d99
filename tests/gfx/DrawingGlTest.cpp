// Sprite and text drawing with a real GL context (SDL offscreen driver and
// Mesa), read back from the off-screen view.
#include <gtest/gtest.h>

#include <cmath>

#include "gfx/Graphics.h"
#include "input/InputDevice.h"
#include "support/GlTestContext.h"
#include "support/TestImages.h"

namespace {

constexpr Color kRed{220, 0, 0, 255};
constexpr Color kGreen{0, 220, 0, 255};
constexpr Color kBlue{0, 0, 220, 255};
constexpr Color kYellow{220, 220, 0, 255};
constexpr Color kWhite{255, 255, 255, 255};

Color frameColor(int frame) {
    return Color{static_cast<std::uint8_t>(16 * frame + 10),
                 static_cast<std::uint8_t>(240 - 8 * frame), 90, 255};
}

// Fills frame n's cell of a 256 x 64 sheet (8 frames a row, frame rows
// counted from the end of the stored data), `rows` and `columns` being cell
// offsets (rows as stored).
void paint(Image& sheet, int frame, int row0, int column0, int rows, int columns, Color c) {
    const int cellRow = sheet.height - 32 * (frame / 8 + 1);
    fillCell(sheet, cellRow + row0, 32 * (frame % 8) + column0, rows, columns, c);
}

Image makeTestSheet() {
    Image sheet = makeImage(256, 64);
    for (int frame = 0; frame < 16; ++frame) paint(sheet, frame, 0, 0, 32, 32, frameColor(frame));
    paint(sheet, 4, 0, 0, 32, 16, kRed);  // left half red, right half green
    paint(sheet, 4, 0, 16, 32, 16, kGreen);
    paint(sheet, 5, 0, 0, 16, 32, kYellow);  // bottom as seen yellow, top blue
    paint(sheet, 5, 16, 0, 16, 32, kBlue);
    paint(sheet, 6, 0, 0, 32, 32, kRed);  // a tile: green, blue ring at 6, 7, 24, 25
    paint(sheet, 6, 6, 6, 20, 20, kBlue);
    paint(sheet, 6, 8, 8, 16, 16, kGreen);
    paint(sheet, 7, 0, 0, 32, 32, kWhite);
    return sheet;
}

bool near(int x, int y, Color c) {
    const std::uint8_t* p = GlTestContext::viewPixel(x, y);
    return std::abs(p[0] - c.r) < 12 && std::abs(p[1] - c.g) < 12 && std::abs(p[2] - c.b) < 12;
}

class DrawingGl : public ::testing::Test {
  protected:
    void SetUp() override {
        REQUIRE_GL();
        graphics_ = new Graphics(realGl());
        sheet_ = new Texture(realGl());
        ASSERT_TRUE(sheet_->load(writeTempTarga(makeTestSheet(), "sheet.tga")));
        GlTestContext::beginView();
        graphics_->bindTexture(sheet_);
        graphics_->setScreenSpace();
    }
    void TearDown() override {
        if (HasFailure()) GlTestContext::saveView(tempPath("view.png"));
        delete sheet_;
        delete graphics_;
    }

    Graphics* graphics_ = nullptr;
    Texture* sheet_ = nullptr;
};

}  // namespace

// Sprites placed apart in one view: size, frame choice, orientation, flip,
// rotation, scale and world space.
TEST_F(DrawingGl, SpritesAreCentredSizedTurnedAndPlacedAsAsked) {
    graphics_->drawSprite(100, 100, 0, 1, false, 3);
    // On a 256-wide sheet frame 9 is cell column 1 of cell row 1.
    graphics_->drawSprite(60, 50, 0, 1, false, 9);
    graphics_->drawSprite(220, 100, 0, 1, false, 5);  // yellow bottom, blue top (as stored)
    graphics_->drawSprite(280, 100, 0, 1, false, 4);  // red left, green right
    graphics_->drawSprite(340, 100, 0, 1, true, 4);
    graphics_->drawSprite(400, 100, 3.14159265f / 2, 1, false, 4);
    graphics_->drawSprite(300, 190, 0, 2, false, 3);
    graphics_->setWorldSpace();
    graphics_->setDrawCamera(makeVector3(500, 300, 0));
    graphics_->drawSprite(510, 320, 0, 1, false, 3);  // lands at (170, 140)
    graphics_->setScreenSpace();
    graphics_->drawSprite(32, 210, 0, 1, false, 9);  // the camera is ignored here
    GlTestContext::readView();

    EXPECT_TRUE(near(100, 100, frameColor(3)));
    // Half edge 32 x 0.52 = 16.64 pixels.
    auto isBlack = [](int x, int y) { return GlTestContext::isBlack(x, y); };
    for (int d : {-16, 15}) EXPECT_FALSE(isBlack(100 + d, 100) || isBlack(100, 100 + d)) << d;
    for (int d : {-18, 17}) EXPECT_TRUE(isBlack(100 + d, 100) && isBlack(100, 100 + d)) << d;
    EXPECT_TRUE(near(60, 50, frameColor(9)));
    // The picture's bottom lands at the view's top until the screen pass
    // mirrors the view.
    EXPECT_TRUE(near(220, 92, kYellow) && near(220, 108, kBlue));
    EXPECT_TRUE(near(272, 100, kRed) && near(288, 100, kGreen));
    EXPECT_TRUE(near(332, 100, kGreen) && near(348, 100, kRed)) << "flipped";
    EXPECT_TRUE(near(400, 108, kGreen) && near(400, 92, kRed)) << "turned +x towards +y";
    EXPECT_FALSE(GlTestContext::isBlack(300 + 32, 190));  // half edge 33.28
    EXPECT_TRUE(GlTestContext::isBlack(300 + 35, 190));
    EXPECT_TRUE(near(170, 140, frameColor(3)));
    EXPECT_TRUE(GlTestContext::isBlack(170 - 18, 140));
    EXPECT_TRUE(near(32, 210, frameColor(9)));
}

TEST_F(DrawingGl, FrameSizeTwentySamplesTheTileAndItsBorder) {
    graphics_->setFrameSize(20);
    graphics_->drawSprite(300, 100, 0, 1, false, 6);
    GlTestContext::readView();
    EXPECT_TRUE(near(300, 100, kGreen));
    EXPECT_TRUE(near(290, 100, kBlue) && near(300, 90, kBlue));  // the ring at the quad's edge
    EXPECT_TRUE(GlTestContext::isBlack(288, 100) && GlTestContext::isBlack(300, 111));  // 20.8 px
    // Nothing outside offsets 6..26 of the cell is sampled.
    for (int y = 88; y <= 112; ++y) {
        for (int x = 288; x <= 312; ++x) {
            const std::uint8_t* p = GlTestContext::viewPixel(x, y);
            EXPECT_LT(p[0], 40) << x << "," << y;
        }
    }
}

TEST_F(DrawingGl, BaseColourTintsAndClampsAboveOne) {
    graphics_->setBaseColor(2.0f, 0.5f, -1.0f);
    graphics_->setColor();
    graphics_->drawSprite(100, 100, 0, 1, false, 7);
    GlTestContext::readView();
    const std::uint8_t* p = GlTestContext::viewPixel(100, 100);
    EXPECT_EQ(p[0], 255);
    EXPECT_NEAR(p[1], 128, 2);
    EXPECT_EQ(p[2], 0);
}

TEST(TextGl, GlyphsAdvanceByTheirMeasuredWidths) {
    REQUIRE_GL();
    Image font = makeImage(256, 32);
    // 'A': glyph row 1 = stored rows 16..23, fully inked.
    fillCell(font, 16, ('A' - 64) * 8, 8, 8, kWhite);
    // 'a': columns 1..5 of glyph row 2 (stored rows 8..15); 'b' left empty.
    fillCell(font, 8, ('a' - 96) * 8 + 1, 8, 5, kWhite);

    Graphics graphics(realGl());
    ASSERT_TRUE(graphics.loadFont(writeTempTarga(font, "font.tga")));
    GlTestContext::beginView();
    graphics.drawText(10, 80, "ab A");
    graphics.drawText(10, 205, "A");
    GlTestContext::readView();

    // 'a' advances 6 (ink at 11..15), empty 'b' advances 5, space 8: 'A' at 29.
    for (int x : {10, 16, 28}) EXPECT_TRUE(GlTestContext::isBlack(x, 83)) << x;
    for (int x : {11, 15, 29, 36}) EXPECT_FALSE(GlTestContext::isBlack(x, 83)) << x;
    // Text at y 205 covers rows 205 to 212.
    for (int y : {204, 213}) EXPECT_TRUE(GlTestContext::isBlack(12, y)) << y;
    for (int y : {205, 212}) EXPECT_FALSE(GlTestContext::isBlack(12, y)) << y;
    if (::testing::Test::HasFailure()) GlTestContext::saveView(tempPath("text.png"));
}
