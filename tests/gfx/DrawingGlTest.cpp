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

// Fills part of frame n's cell of a 256 x 64 sheet (8 frames a row, frame
// rows counted from the end of the stored data); offsets are rows as stored.
void paint(Image& sheet, int frame, int row0, int column0, int rows, int columns, Color c) {
    const int cellRow = sheet.height - 32 * (frame / 8 + 1);
    fillCell(sheet, cellRow + row0, 32 * (frame % 8) + column0, rows, columns, c);
}

bool near(int x, int y, Color c) {
    const std::uint8_t* p = GlTestContext::viewPixel(x, y);
    return std::abs(p[0] - c.r) < 12 && std::abs(p[1] - c.g) < 12 && std::abs(p[2] - c.b) < 12;
}

bool isBlack(int x, int y) {
    return GlTestContext::isBlack(x, y);
}

}  // namespace

TEST(DrawingGl, SpritesAreCentredSizedTurnedPlacedAndCutAsAsked) {
    REQUIRE_GL();
    Image sheet = makeImage(256, 64);
    for (int frame = 0; frame < 16; ++frame) paint(sheet, frame, 0, 0, 32, 32, frameColor(frame));
    paint(sheet, 4, 0, 0, 32, 16, kRed);  // left half red, right half green
    paint(sheet, 4, 0, 16, 32, 16, kGreen);
    paint(sheet, 5, 0, 0, 16, 32, kYellow);  // bottom as stored yellow, top blue
    paint(sheet, 5, 16, 0, 16, 32, kBlue);
    paint(sheet, 6, 0, 0, 32, 32, kRed);  // a tile: green, blue ring at 6, 7, 24, 25
    paint(sheet, 6, 6, 6, 20, 20, kBlue);
    paint(sheet, 6, 8, 8, 16, 16, kGreen);
    Graphics graphics(realGl());
    Texture texture(realGl());
    ASSERT_TRUE(texture.load(writeTempTarga(sheet, "sheet.tga")));
    GlTestContext::beginView();
    graphics.bindTexture(&texture);
    graphics.setScreenSpace();

    graphics.drawSprite(100, 100, 0, 1, false, 3);
    graphics.drawSprite(60, 50, 0, 1, false, 9);  // cell column 1 of cell row 1
    graphics.drawSprite(220, 100, 0, 1, false, 5);
    graphics.drawSprite(280, 100, 0, 1, false, 4);
    graphics.drawSprite(340, 100, 0, 1, true, 4);
    graphics.drawSprite(400, 100, 3.14159265f / 2, 1, false, 4);
    graphics.drawSprite(300, 190, 0, 2, false, 3);
    graphics.setWorldSpace();
    graphics.setDrawCamera(makeVector3(500, 300, 0));
    graphics.drawSprite(510, 320, 0, 1, false, 3);  // lands at (170, 140)
    graphics.setScreenSpace();
    graphics.setFrameSize(20);  // a tile with its wrap border
    graphics.drawSprite(460, 100, 0, 1, false, 6);
    GlTestContext::readView();

    EXPECT_TRUE(near(100, 100, frameColor(3)));
    // Half edge 32 x 0.52 = 16.64 pixels.
    for (int d : {-16, 15}) EXPECT_FALSE(isBlack(100 + d, 100) || isBlack(100, 100 + d)) << d;
    for (int d : {-18, 17}) EXPECT_TRUE(isBlack(100 + d, 100) && isBlack(100, 100 + d)) << d;
    EXPECT_TRUE(near(60, 50, frameColor(9)));
    // The picture's bottom lands at the view's top until the screen pass
    // mirrors the view.
    EXPECT_TRUE(near(220, 92, kYellow) && near(220, 108, kBlue));
    EXPECT_TRUE(near(272, 100, kRed) && near(288, 100, kGreen));
    EXPECT_TRUE(near(332, 100, kGreen) && near(348, 100, kRed)) << "flipped";
    EXPECT_TRUE(near(400, 108, kGreen) && near(400, 92, kRed)) << "turned +x towards +y";
    EXPECT_TRUE(!isBlack(300 + 32, 190) && isBlack(300 + 35, 190));  // half edge 33.28
    EXPECT_TRUE(near(170, 140, frameColor(3)) && isBlack(170 - 18, 140));
    // Frame size 20: offsets 6..26 of the cell, on a 20.8-pixel quad.
    EXPECT_TRUE(near(460, 100, kGreen));
    EXPECT_TRUE(near(450, 100, kBlue) && near(460, 90, kBlue));
    EXPECT_TRUE(isBlack(448, 100) && isBlack(460, 111));
    for (int y = 88; y <= 112; ++y)
        for (int x = 448; x <= 472; ++x) EXPECT_LT(GlTestContext::viewPixel(x, y)[0], 40) << x;
    if (::testing::Test::HasFailure()) GlTestContext::saveView(tempPath("view.png"));
}

TEST(DrawingGl, GlyphsAdvanceByTheirMeasuredWidths) {
    REQUIRE_GL();
    Image font = makeImage(256, 32);
    fillCell(font, 16, ('A' - 64) * 8, 8, 8, kWhite);  // glyph row 1 = stored rows 16..23
    // 'a': columns 1..5 of glyph row 2 (stored rows 8..15); 'b' left empty.
    fillCell(font, 8, ('a' - 96) * 8 + 1, 8, 5, kWhite);
    Graphics graphics(realGl());
    ASSERT_TRUE(graphics.loadFont(writeTempTarga(font, "font.tga")));
    GlTestContext::beginView();
    graphics.drawText(10, 80, "ab A");
    graphics.drawText(10, 205, "A");
    GlTestContext::readView();

    // 'a' advances 6 (ink at 11..15), empty 'b' advances 5, space 8: 'A' at 29.
    for (int x : {10, 16, 28}) EXPECT_TRUE(isBlack(x, 83)) << x;
    for (int x : {11, 15, 29, 36}) EXPECT_FALSE(isBlack(x, 83)) << x;
    // Text at y 205 covers rows 205 to 212.
    for (int y : {204, 213}) EXPECT_TRUE(isBlack(12, y)) << y;
    for (int y : {205, 212}) EXPECT_FALSE(isBlack(12, y)) << y;
    if (::testing::Test::HasFailure()) GlTestContext::saveView(tempPath("text.png"));
}
