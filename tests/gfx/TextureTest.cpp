// Textures and the graphics context with no GL context (the null GL side):
// what a headless run relies on.
#include <gtest/gtest.h>

#include <tuple>

#include "gfx/Graphics.h"
#include "gfx/Texture.h"
#include "input/InputDevice.h"
#include "support/TestImages.h"

TEST(TextureHeadless, LoadsWithoutGlAndAFailedLoadLeavesItEmptyAndSafe) {
    Graphics graphics(nullGl());
    const std::unique_ptr<Texture> texture = graphics.loadTexture(tempPath("no-such-sheet.tga"));
    ASSERT_NE(texture, nullptr);
    graphics.bindTexture(texture.get());
    graphics.drawSprite(10, 10, 0, 1, false, 0);
    EXPECT_FLOAT_EQ(graphics.getFrameBox(3).width, 0.0f);
    // A sheet loads with no GL, frame boxes measured; failing to reload
    // empties it again.
    Image image = makeImage(64, 32);
    fillCell(image, 8, 32 + 8, 16, 16, Color{1, 2, 3, 255});  // frame 1: a full tile
    ASSERT_TRUE(texture->load(writeTempTarga(image, "sheet.tga")));
    EXPECT_EQ(texture->getId(), 0u);
    EXPECT_EQ(texture->getFrameCount(), 2);
    EXPECT_FLOAT_EQ(texture->getWidth(), 64.0f);
    EXPECT_FLOAT_EQ(texture->getFrameBox(1).width, 15.0f);
    EXPECT_FLOAT_EQ(texture->getFrameBox(0).width, -1.0f);
    EXPECT_FALSE(texture->load(tempPath("missing.tga")));
    EXPECT_EQ(texture->getFrameCount(), 0);
}

TEST(FontMetrics, LowerCaseRowIsMeasuredAndEverythingElseAdvancesEight) {
    Image font = makeImage(256, 32);
    // Glyph row 2 (characters 96..127) is stored rows 8..15.
    auto ink = [&](int ch, int column) {
        const int k = ch - 96;
        for (int r = 8; r < 16; ++r) setPixel(font, r, k * 8 + column, Color{255, 255, 255, 255});
    };
    ink('a', 1);
    ink('a', 5);  // inked columns 1..5: (0, 6)
    ink('i', 3);  // one column: (2, 4), advance 2
    ink('m', 0);
    ink('m', 7);  // the whole cell: (-1, 8), advance 9
    // 'b' stays empty: the space-like (1, 6), advance 5.
    // Capitals (row 1) are inked but never measured.
    fillCell(font, 16, ('A' - 64) * 8, 8, 2, Color{255, 255, 255, 255});

    GlyphEdges metrics[kGlyphCount];
    Image image;
    std::string error;
    ASSERT_TRUE(prepareFontPicture(writeTempTarga(font, "font.tga"), image, metrics, &error))
        << error;
    auto edges = [&](int ch) { return metrics[ch - kFirstGlyph]; };
    EXPECT_EQ(edges('i').right - edges('i').left, 2);
    const std::tuple<int, int, int> expected[] = {
        {'a', 0, 6}, {'m', -1, 8}, {'b', 1, 6}, {'A', 0, 8}, {'Z', 0, 8},
        {'0', 0, 8}, {'9', 0, 8},  {' ', 0, 8}, {128, 0, 8}, {159, 0, 8}};
    for (const auto& [ch, left, right] : expected) {
        EXPECT_EQ(edges(ch).left, left) << ch;
        EXPECT_EQ(edges(ch).right, right) << ch;
    }
}

TEST(GraphicsState, RefusedFontsKeepTheFixedAdvanceAndFramesResetTheFrameSize) {
    Graphics graphics(nullGl());
    EXPECT_FALSE(graphics.loadFont(tempPath("none.tga")));
    EXPECT_FALSE(graphics.loadFont(writeTempTarga(makeImage(512, 32), "wide.tga")));
    EXPECT_EQ(graphics.glyphEdges('a').right - graphics.glyphEdges('a').left, 8);
    // Characters outside the font are skipped, not read past the table.
    EXPECT_EQ(graphics.glyphEdges(31).right, 0);
    EXPECT_EQ(graphics.glyphEdges(200).right, 0);
    graphics.drawText(0, 0, "\x01\xff ok");
    // Tiles draw at frame size 20; binding a sheet or a new frame goes back to 32.
    graphics.setFrameSize(20);
    graphics.bindTexture(nullptr);
    EXPECT_EQ(graphics.getFrameSize(), 32);
    graphics.setFrameSize(20);
    graphics.beginFrame();
    EXPECT_EQ(graphics.getFrameSize(), 32);
}
