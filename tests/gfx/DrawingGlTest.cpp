// Sprite and text drawing with a real GL context (SDL offscreen driver and
// Mesa): pictures are drawn into the off-screen view and read back.
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
    graphics_->drawSprite(160, 50, 0, 1, false, 0);
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
    for (int d : {-16, 15}) {
        EXPECT_FALSE(GlTestContext::isBlack(100 + d, 100)) << d;
        EXPECT_FALSE(GlTestContext::isBlack(100, 100 + d)) << d;
    }
    for (int d : {-18, 17}) {
        EXPECT_TRUE(GlTestContext::isBlack(100 + d, 100)) << d;
        EXPECT_TRUE(GlTestContext::isBlack(100, 100 + d)) << d;
    }
    EXPECT_TRUE(near(60, 50, frameColor(9)));
    EXPECT_TRUE(near(160, 50, frameColor(0)));
    // The picture's bottom lands at the view's top until the screen pass
    // mirrors the view.
    EXPECT_TRUE(near(220, 92, kYellow));
    EXPECT_TRUE(near(220, 108, kBlue));
    EXPECT_TRUE(near(272, 100, kRed));
    EXPECT_TRUE(near(288, 100, kGreen));
    EXPECT_TRUE(near(332, 100, kGreen));
    EXPECT_TRUE(near(348, 100, kRed));
    // Rotation turns +x towards +y.
    EXPECT_TRUE(near(400, 108, kGreen));
    EXPECT_TRUE(near(400, 92, kRed));
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
    EXPECT_TRUE(near(290, 100, kBlue));  // the wrap-border ring at the quad's edge
    EXPECT_TRUE(near(300, 90, kBlue));
    EXPECT_TRUE(GlTestContext::isBlack(288, 100));  // 20.8-pixel quad
    EXPECT_TRUE(GlTestContext::isBlack(300, 111));
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

TEST_F(DrawingGl, EmptyTextureAndFramesOutsideTheSheetDrawNothing) {
    Texture empty(realGl());
    EXPECT_FALSE(empty.load(tempPath("missing.tga")));
    graphics_->drawSprite(100, 100, 0, 1, false, 16);  // past the last frame
    graphics_->drawSprite(100, 100, 0, 1, false, -1);
    graphics_->bindTexture(&empty);
    graphics_->drawSprite(200, 100, 0, 1, false, 0);
    GlTestContext::readView();
    for (int x = 60; x < 240; x += 3) EXPECT_TRUE(GlTestContext::isBlack(x, 100)) << x;
}

TEST(TextGl, GlyphsAdvanceByTheirMeasuredWidths) {
    REQUIRE_GL();
    Image font = makeImage(256, 32);
    // Capitals: glyph row 1 = stored rows 16..23; fully inked cells.
    for (char ch : std::string("ABDERY")) fillCell(font, 16, (ch - 64) * 8, 8, 8, kWhite);
    // 'a': columns 1..5 of glyph row 2 (stored rows 8..15); 'b' left empty.
    fillCell(font, 8, ('a' - 96) * 8 + 1, 8, 5, kWhite);

    Graphics graphics(realGl());
    ASSERT_TRUE(graphics.loadFont(writeTempTarga(font, "font.tga")));
    GlTestContext::beginView();
    graphics.drawText(10, 50, "AB");
    graphics.drawText(142, 140, "READY");
    graphics.drawText(10, 80, "ab A");
    graphics.drawText(10, 205, "A");
    GlTestContext::readView();

    // "AB": two 8-pixel cells, rows y to y + 7.
    for (int x = 10; x < 26; ++x) EXPECT_FALSE(GlTestContext::isBlack(x, 53)) << x;
    EXPECT_TRUE(GlTestContext::isBlack(9, 53));
    EXPECT_TRUE(GlTestContext::isBlack(26, 53));
    // "READY" is 40 pixels wide.
    EXPECT_FALSE(GlTestContext::isBlack(181, 144));
    EXPECT_TRUE(GlTestContext::isBlack(182, 144));
    // 'a' advances 6 (ink at 11..15), empty 'b' advances 5, space 8: 'A' at 29.
    EXPECT_TRUE(GlTestContext::isBlack(10, 83));
    EXPECT_FALSE(GlTestContext::isBlack(11, 83));
    EXPECT_FALSE(GlTestContext::isBlack(15, 83));
    EXPECT_TRUE(GlTestContext::isBlack(16, 83));
    EXPECT_TRUE(GlTestContext::isBlack(28, 83));
    EXPECT_FALSE(GlTestContext::isBlack(29, 83));
    EXPECT_FALSE(GlTestContext::isBlack(36, 83));
    // Text at y 205 covers rows 205 to 212.
    EXPECT_TRUE(GlTestContext::isBlack(12, 204));
    EXPECT_FALSE(GlTestContext::isBlack(12, 205));
    EXPECT_FALSE(GlTestContext::isBlack(12, 212));
    EXPECT_TRUE(GlTestContext::isBlack(12, 213));
    if (::testing::Test::HasFailure()) GlTestContext::saveView(tempPath("text.png"));
}
