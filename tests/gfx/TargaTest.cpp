// The Targa reader and the sprite-sheet pixel passes, on pictures built here.
#include <gtest/gtest.h>

#include <vector>

#include "gfx/Targa.h"
#include "support/TestImages.h"

namespace {

constexpr Color kRed{200, 10, 10, 255};
constexpr Color kGreen{10, 200, 10, 255};
constexpr Color kBlue{10, 10, 200, 255};

// An 18-byte Targa header; sizes little-endian.
std::vector<std::uint8_t> header(int type, int width, int height, int depth, int idLength = 0) {
    return {std::uint8_t(idLength),
            0,
            std::uint8_t(type),
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            0,
            std::uint8_t(width),
            std::uint8_t(width >> 8),
            std::uint8_t(height),
            std::uint8_t(height >> 8),
            std::uint8_t(depth),
            0};
}

FrameBox boxOfSingleCell(const std::vector<std::pair<int, int>>& pixels) {
    Image image = makeImage(32, 32);
    for (auto [row, column] : pixels) setPixel(image, row, column, kRed);
    return measureFrameBoxes(image).at(0);
}

void expectBox(const FrameBox& box, float cx, float cy, float w, float h) {
    EXPECT_FLOAT_EQ(box.centerX, cx);
    EXPECT_FLOAT_EQ(box.centerY, cy);
    EXPECT_FLOAT_EQ(box.width, w);
    EXPECT_FLOAT_EQ(box.height, h);
}

}  // namespace

TEST(TargaDecode, ReadsBgrAndBgraPixelsBottomRowFirst) {
    // 24 bits: no alpha byte, alpha becomes 255; an id field is skipped.
    std::vector<std::uint8_t> bytes = header(2, 2, 1, 24, 3);
    bytes.insert(bytes.end(), {9, 9, 9, 1, 2, 3, 4, 5, 6});  // id field, B G R, B G R
    Image image;
    ASSERT_TRUE(decodeTarga(bytes.data(), bytes.size(), image, nullptr));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 0), Color{3, 2, 1, 255}));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 1), Color{6, 5, 4, 255}));

    std::vector<std::uint8_t> withAlpha = header(2, 1, 2, 32);
    withAlpha.insert(withAlpha.end(), {1, 2, 3, 77, 4, 5, 6, 0});
    ASSERT_TRUE(decodeTarga(withAlpha.data(), withAlpha.size(), image, nullptr));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 0), Color{3, 2, 1, 77}));
    EXPECT_TRUE(sameColor(pixelAt(image, 1, 0), Color{6, 5, 4, 0}));

    // The same bytes marked top row first (descriptor bit 5) turn over.
    withAlpha[17] |= 0x20;
    ASSERT_TRUE(decodeTarga(withAlpha.data(), withAlpha.size(), image, nullptr));
    EXPECT_TRUE(sameColor(pixelAt(image, 1, 0), Color{3, 2, 1, 77}));
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 0), Color{6, 5, 4, 0}));
}

TEST(TargaDecode, RefusesMalformedFilesWithoutReadingPastThem) {
    // Each with a few data bytes: absurd sizes are refused before any
    // allocation, and an id field longer than the file is caught.
    struct Bad {
        std::vector<std::uint8_t> head;
        std::size_t dataBytes;
        const char* why;
    };
    const Bad files[] = {
        {header(10, 1, 1, 24), 4, "type 10"},
        {header(2, 8, 8, 16), 128, "depth 16"},
        {header(2, 0, 32, 32), 16, "size of 0"},
        {header(2, 65535, 65535, 32), 16, "larger than"},
        {header(2, 48, 32, 32), 16, "not a power of two"},
        {header(2, 4, 4, 32), 4 * 4 * 4 - 1, "fewer pixels"},
        {header(2, 1, 1, 24, 200), 10, "fewer pixels"},
        {{}, 17, "too short"},
    };
    for (const Bad& bad : files) {
        std::vector<std::uint8_t> bytes = bad.head;
        bytes.resize(bytes.size() + bad.dataBytes, 0);
        std::string error;
        Image image;
        EXPECT_FALSE(decodeTarga(bytes.data(), bytes.size(), image, &error)) << bad.why;
        EXPECT_NE(error.find(bad.why), std::string::npos) << error;
    }
    Image image;
    EXPECT_FALSE(readTargaFile(tempPath("missing.tga"), image, nullptr));
    EXPECT_EQ(image.width, 0);
}

TEST(SpriteSheet, WrapBordersCopyTheTilesOppositeEdge) {
    // The second of two cells; its tile (offsets 8..23) has a colour per row
    // and column, so every mapping can be told apart.
    auto tile = [](int r, int c) {
        return Color{static_cast<std::uint8_t>(r * 10), static_cast<std::uint8_t>(c * 10), 32, 255};
    };
    Image image = makeImage(64, 32);
    for (int r = 8; r <= 23; ++r)
        for (int c = 8; c <= 23; ++c) setPixel(image, r, 32 + c, tile(r, c));
    for (auto [r, c] : {std::pair{7, 10}, {10, 24}, {7, 24}, {12, 12}, {6, 10}})
        setPixel(image, r, 32 + c, kCyan);
    fillWrapBorders(image);
    EXPECT_TRUE(sameColor(pixelAt(image, 7, 32 + 10), tile(23, 10)));  // 7 takes 23
    EXPECT_TRUE(sameColor(pixelAt(image, 10, 32 + 24), tile(10, 8)));  // 24 takes 8
    EXPECT_TRUE(sameColor(pixelAt(image, 7, 32 + 24), tile(23, 8)));   // corners both ways
    // Inside the tile or outside the ring, cyan is left alone.
    EXPECT_TRUE(sameColor(pixelAt(image, 12, 32 + 12), kCyan));
    EXPECT_TRUE(sameColor(pixelAt(image, 6, 32 + 10), kCyan));
}

TEST(SpriteSheet, FrameBoxesSnapToTheTileGridOnBothAxes) {
    // No visible pixel between offsets 2 and 29: the fixed 15..17 core snaps
    // to 16..15 on both axes.
    expectBox(boxOfSingleCell({}), -0.5f, -0.5f, -1.0f, -1.0f);
    expectBox(boxOfSingleCell({{0, 0}, {31, 31}, {1, 30}}), -0.5f, -0.5f, -1.0f, -1.0f);
    // Columns 3 to 28: the whole tile, 8..23.
    expectBox(boxOfSingleCell({{16, 3}, {16, 28}}), -0.5f, -0.5f, 15.0f, -1.0f);
    // Columns 14 to 25: right half 16..23; rows 5 to 15: lower half 8..15.
    expectBox(boxOfSingleCell({{5, 14}, {15, 25}}), 3.5f, -4.5f, 7.0f, 7.0f);
    // Columns 12 and 19 are the thresholds for a full span.
    expectBox(boxOfSingleCell({{16, 12}, {16, 19}}), -0.5f, -0.5f, 15.0f, -1.0f);
    expectBox(boxOfSingleCell({{16, 13}, {16, 18}}), -0.5f, -0.5f, -1.0f, -1.0f);
}

TEST(SpriteSheet, FramesAreNumberedFromTheLastStoredRows) {
    // 64 x 64: the cells holding the last stored rows (the top as seen) are
    // frames 0 and 1.
    Image image = makeImage(64, 64);
    setPixel(image, 32 + 16, 3, kRed);       // top-left as seen: frame 0, wide
    setPixel(image, 32 + 3, 32 + 16, kRed);  // top-right as seen: frame 1, tall
    setPixel(image, 28, 20, kRed);           // bottom-left as seen: frame 2
    const std::vector<FrameBox> boxes = measureFrameBoxes(image);
    ASSERT_EQ(boxes.size(), 4u);
    expectBox(boxes[0], -4.5f, -0.5f, 7.0f, -1.0f);
    expectBox(boxes[1], -0.5f, -4.5f, -1.0f, 7.0f);
    expectBox(boxes[2], 3.5f, 3.5f, 7.0f, 7.0f);
    expectBox(boxes[3], -0.5f, -0.5f, -1.0f, -1.0f);
}

TEST(SpriteSheet, ColourKeyAndBleedGiveTransparentPixelsTheirUsableNeighboursColour) {
    Image image = makeImage(4, 3);
    setPixel(image, 1, 1, Color{100, 50, 9, 255});
    setPixel(image, 1, 2, Color{201, 0, 0, 255});
    // An alpha-0 pixel that is not magenta stays transparent and counts itself.
    setPixel(image, 0, 0, Color{30, 30, 30, 0});
    setPixel(image, 2, 3, kCyan);
    setPixel(image, 2, 0, Color{255, 1, 255, 255});  // near magenta: no colour key
    applyColorKey(image);
    bleedColors(image, BleedSource::NotMagentaOrCyan);
    EXPECT_TRUE(sameColor(pixelAt(image, 2, 0), Color{255, 1, 255, 255}));

    // (0, 0) sees itself and (1, 1): truncated averages.
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 0), Color{65, 40, 19, 0}));
    // (0, 2) sees (1, 1) and (1, 2).
    EXPECT_TRUE(sameColor(pixelAt(image, 0, 2), Color{150, 25, 4, 0}));
    // Opaque pixels are untouched; the cyan marker neither bleeds nor moves.
    EXPECT_TRUE(sameColor(pixelAt(image, 1, 1), Color{100, 50, 9, 255}));
    EXPECT_TRUE(sameColor(pixelAt(image, 2, 3), kCyan));
    // (1, 3) sees (1, 2) but not the cyan at (2, 3).
    EXPECT_TRUE(sameColor(pixelAt(image, 1, 3), Color{201, 0, 0, 0}));

    // In a plain picture cyan is a colour like any other; in a sheet a pixel
    // with no usable neighbour turns transparent magenta.
    Image sheet = makeImage(4, 4);
    setPixel(sheet, 0, 0, kCyan);
    Image plain = sheet;
    applyColorKey(sheet);
    applyColorKey(plain);
    bleedColors(sheet, BleedSource::NotMagentaOrCyan);
    bleedColors(plain, BleedSource::NotMagenta);
    EXPECT_TRUE(sameColor(pixelAt(plain, 1, 0), Color{0, 255, 255, 0}));
    EXPECT_TRUE(sameColor(pixelAt(sheet, 1, 0), Color{255, 0, 255, 0}));
    EXPECT_TRUE(sameColor(pixelAt(plain, 2, 0), Color{255, 0, 255, 0}));
}

TEST(SpriteSheet, PreparationMeasuresBoxesBetweenBordersAndBleed) {
    std::vector<FrameBox> boxes;
    std::string error;
    Image odd = makeImage(16, 64, kRed);
    EXPECT_FALSE(prepareSpriteSheet(odd, boxes, &error));
    EXPECT_TRUE(boxes.empty());
    EXPECT_NE(error.find("multiple of 32"), std::string::npos);

    // A tile inked on its right half only, with a cyan border column on its
    // left: the filled border is visible, so the box snaps to the full 8..23.
    Image bordered = makeImage(32, 32);
    fillCell(bordered, 8, 16, 16, 8, kGreen);
    for (int r = 8; r <= 23; ++r) setPixel(bordered, r, 7, kCyan);
    ASSERT_TRUE(prepareSpriteSheet(bordered, boxes, nullptr));
    ASSERT_EQ(boxes.size(), 1u);
    expectBox(boxes[0], -0.5f, -0.5f, 15.0f, 15.0f);
    EXPECT_TRUE(sameColor(pixelAt(bordered, 10, 7), kGreen));

    // One pixel at column 13: the bleed later colours column 12, but boxes
    // are measured from the keyed picture, so 12 does not count.
    Image single = makeImage(32, 32);
    setPixel(single, 16, 13, kGreen);
    ASSERT_TRUE(prepareSpriteSheet(single, boxes, nullptr));
    expectBox(boxes[0], -0.5f, -0.5f, -1.0f, -1.0f);
    EXPECT_EQ(pixelAt(single, 16, 12).a, 0);
    EXPECT_TRUE(sameColor(pixelAt(single, 16, 12), Color{10, 200, 10, 0}));
}
