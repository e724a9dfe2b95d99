// Every picture the game loads, drawn in memory and put through the game's own
// loader: it must exist, have sizes the loader and GL 1.1 accept, and show
// something in every frame the game draws. Tile sheets must also agree with
// their catalogue in assets/tiles/.
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "gfx/Graphics.h"
#include "gfx/Targa.h"
#include "pictures/Sheets.h"
#include "sheets/TileCatalog.h"
#include "support/TestImages.h"
#include "world/World.h"

namespace {

std::vector<int> range(int first, int last, std::vector<int> more = {}) {
    for (int f = first; f <= last; ++f) more.push_back(f);
    return more;
}

// The picture as the game reads it: encoded to a Targa (rows stored
// bottom-up, as the generator writes them) and decoded by the game's reader.
Image loadAsGame(const SheetDefinition& sheet) {
    const Canvas canvas = drawSheet(sheet);
    Image image;
    image.width = canvas.width();
    image.height = canvas.height();
    image.rgba.resize(static_cast<std::size_t>(image.width) * image.height * 4);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba c = canvas.get(x, y);
            std::uint8_t* p = image.pixel(image.height - 1 - y, x);
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
            p[3] = c.a;
        }
    }
    const std::vector<std::uint8_t> file = encodeTarga(image, sheet.withAlpha);
    Image decoded;
    std::string error;
    EXPECT_TRUE(decodeTarga(file.data(), file.size(), decoded, &error)) << sheet.path << error;
    return decoded;
}

// An opaque pixel at offsets 2..29 of the frame's cell (after the colour key),
// frames counted top to bottom as seen, which is from the end of the data.
bool frameShowsSomething(const Image& image, int frame) {
    const int columns = image.width / 32;
    const int row0 = (image.height / 32 - 1 - frame / columns) * 32;
    const int col0 = (frame % columns) * 32;
    for (int r = 2; r <= 29; ++r)
        for (int c = 2; c <= 29; ++c)
            if (image.pixel(row0 + r, col0 + c)[3] != 0) return true;
    return false;
}

TEST(Pictures, EveryPictureTheGameLoadsIsDrawnLegalAndLoads) {
    struct Wanted {
        const char* path;
        bool sprites;
        std::vector<int> drawnFrames;  // frames the game draws
    };
    const Wanted table[] = {
        {"font.tga", false, {}},
        {"flashlight.tga", false, {}},
        {"hud.tga", true, {0}},
        {"gearboy.tga", true, range(0, 6, range(10, 12, range(16, 23, {8, 14})))},
        {"vanta.tga", true, range(0, 13, range(16, 21))},
        {"weapons.tga", true, {0, 1, 8, 16, 17}},
        {"particles.tga", true, {0, 1, 2, 8, 9, 10, 11, 12, 13}},
        {"items.tga", true, range(0, 3)},
        {"enemy_swoop.tga", true, {0, 1, 2, 4, 5, 6}},
        {"enemy_helmet.tga", true, range(0, 4)},
        {"enemy_raka.tga", true, range(0, 3)},
        {"enemy_bossdragon.tga", true, range(0, 19)},
        // Tile sheets: the catalogued frames are checked below.
        {"tiles_test.tga", true, {}},
        {"tiles_combo1.tga", true, {}},
        {"tiles_test-gearboy.tga", true, {}},
    };
    auto powerOfTwo = [](int v) { return v > 0 && (v & (v - 1)) == 0; };
    for (const Wanted& wanted : table) {
        SCOPED_TRACE(wanted.path);
        const SheetDefinition* sheet = findSheet(wanted.path);
        ASSERT_NE(sheet, nullptr) << "no sheet source draws it";
        EXPECT_TRUE(powerOfTwo(sheet->width) && powerOfTwo(sheet->height));
        Image image = loadAsGame(*sheet);
        if (!wanted.sprites) continue;
        std::vector<FrameBox> boxes;
        std::string error;
        ASSERT_TRUE(prepareSpriteSheet(image, boxes, &error)) << error;
        for (int frame : wanted.drawnFrames) {
            ASSERT_LT(frame, static_cast<int>(boxes.size()));
            EXPECT_TRUE(frameShowsSomething(image, frame)) << "frame " << frame << " is empty";
        }
        // Cyan marks a wrap border for the sprite loader: only tiles may use it.
        if (std::string(wanted.path).rfind("tiles_", 0) != 0) {
            const Canvas canvas = drawSheet(*sheet);
            for (const Rgba& p : canvas.pixels()) ASSERT_FALSE(p == kWrapBorder);
        }
    }
}

TEST(Pictures, MirroredCopiesTurnAboutTheRegionsMiddleAndSkipTheColourKey) {
    Canvas from(4, 1), to(4, 1);
    from.set(0, 0, Rgba{1, 1, 1, 255});
    from.set(1, 0, Rgba{2, 2, 2, 255});
    from.set(3, 0, Rgba{4, 4, 4, 255});
    to.fillRect(0, 0, 4, 1, Rgba{9, 9, 9, 255});
    to.copyFrom(from, 0, 0, 4, 1, 0, 0, true);
    EXPECT_EQ(to.pixels(),
              (std::vector<Rgba>{{4, 4, 4, 255}, {9, 9, 9, 255}, {2, 2, 2, 255}, {1, 1, 1, 255}}));
}

TEST(Pictures, DrawingIsRepeatable) {
    // Two drawings of one sheet must match pixel for pixel (no hidden state,
    // no unseeded randomness), or rebuilds would churn the data files.
    for (const SheetDefinition& sheet : registeredSheets()) {
        EXPECT_TRUE(drawSheet(sheet).pixels() == drawSheet(sheet).pixels()) << sheet.path;
    }
}

TEST(Pictures, FlashlightIsWhiteInTheMiddleAndFadesToBlackAtEveryEdge) {
    const Canvas c = drawSheet("flashlight.tga");
    const int w = c.width(), h = c.height();
    EXPECT_EQ(c.get(w / 2, h / 2), (Rgba{255, 255, 255, 255}));
    for (int i = 0; i < w; ++i) EXPECT_EQ(c.get(i, 0).r + c.get(i, h - 1).r, 0);
    for (int j = 0; j < h; ++j) EXPECT_EQ(c.get(0, j).r + c.get(w - 1, j).r, 0);
    for (int x = w / 2 + 1; x < w; ++x) EXPECT_LE(c.get(x, h / 2).r, c.get(x - 1, h / 2).r);
    for (int y = h / 2 - 1; y >= 0; --y) EXPECT_LE(c.get(w / 2, y).r, c.get(w / 2, y + 1).r);
}

TEST(Pictures, FontHasEveryGlyphAndTheGameMeasuresOnlyLowerCaseNarrow) {
    const SheetDefinition* sheet = findSheet("font.tga");
    ASSERT_NE(sheet, nullptr);
    Image image;
    GlyphEdges metrics[kGlyphCount];
    std::string error;
    ASSERT_TRUE(prepareFontPicture(writeTempTarga(loadAsGame(*sheet), "font.tga", sheet->withAlpha),
                                   image, metrics, &error))
        << error;
    // Inked columns of a character's cell, glyph rows counted from the end of
    // the stored data as the game counts them.
    auto inkedColumns = [&](int ch) {
        const int i = ch - 32, row0 = image.height - 8 - (i / 32) * 8;
        std::set<int> columns;
        for (int r = row0; r < row0 + 8; ++r)
            for (int c = 0; c < 8; ++c)
                if (image.pixel(r, (i % 32) * 8 + c)[3] != 0) columns.insert(c);
        return columns;
    };
    auto advance = [&](int ch) { return metrics[ch - 32].right - metrics[ch - 32].left; };
    for (int ch = 32; ch <= 126; ++ch) {
        SCOPED_TRACE(std::string("'") + static_cast<char>(ch) + "'");
        const std::set<int> columns = inkedColumns(ch);
        ASSERT_EQ(columns.empty(), ch == ' ');
        if (std::isupper(ch) || std::isdigit(ch)) {
            // Fixed advance: the glyph leaves column 7 as the gap.
            EXPECT_EQ(columns.count(7), 0u);
            EXPECT_EQ(advance(ch), 8);
        } else if (std::islower(ch)) {
            // Drawn shifted by `left`: column 0 must stay clear of ink, or the
            // previous character would cut it.
            EXPECT_GE(metrics[ch - 32].left, 0);
            EXPECT_EQ(advance(ch), *columns.rbegin() - *columns.begin() + 2);
            EXPECT_LE(advance(ch), 7);
        }
    }
    EXPECT_LT(advance('i'), advance('n'));
    EXPECT_LT(advance('n'), advance('m'));
}

// Which catalogue shape a measured frame box is.
std::string shapeOf(const FrameBox& b) {
    auto axis = [](float centre, float size) -> std::string {
        if (size == 15.0f && centre == -0.5f) return "whole";
        if (size == 7.0f && centre == -4.5f) return "low";
        if (size == 7.0f && centre == 3.5f) return "high";
        if (size == -1.0f) return "none";
        return "odd";
    };
    const std::string x = axis(b.centerX, b.width), y = axis(b.centerY, b.height);
    // Frame box y runs along the stored rows, which go upwards as seen.
    if (x == "whole" && y == "whole") return "full";
    if (x == "whole" && y == "high") return "top-half";
    if (x == "whole" && y == "low") return "bottom-half";
    if (x == "low" && y == "whole") return "left-half";
    if (x == "high" && y == "whole") return "right-half";
    if (x == "none" && y == "none") return "none";
    return "x " + x + ", y " + y;
}

TEST(TileSheets, EveryTileHasTheCollisionShapeItsCatalogueStates) {
    for (const std::string path :
         {"tiles_test.tga", "tiles_combo1.tga", "tiles_test-gearboy.tga"}) {
        SCOPED_TRACE(path);
        const TileSet* set = findTileSet(path);
        const SheetDefinition* sheet = findSheet(path);
        ASSERT_NE(set, nullptr);
        ASSERT_NE(sheet, nullptr);
        Image image = loadAsGame(*sheet);
        std::vector<FrameBox> boxes;
        ASSERT_TRUE(prepareSpriteSheet(image, boxes, nullptr));

        std::set<int> codes;
        for (const TileDefinition& tile : set->tiles) {
            ASSERT_TRUE(tile.code >= 1 && tile.code <= static_cast<int>(boxes.size()));
            EXPECT_TRUE(codes.insert(tile.code).second) << "code " << tile.code << " twice";
            EXPECT_TRUE(frameShowsSomething(image, tile.code - 1)) << tile.name << " is empty";
            EXPECT_EQ(shapeOf(boxes[tile.code - 1]), tileShapeName(tile.shape))
                << tile.code << ' ' << tile.name;
        }
        // Nothing drawn that the catalogue does not name.
        for (int frame = 0; frame < static_cast<int>(boxes.size()); ++frame) {
            if (frameShowsSomething(image, frame)) {
                EXPECT_TRUE(codes.count(frame + 1)) << "frame " << frame << " is not catalogued";
            }
        }
        // The checked-in catalogue is this table.
        const std::string file = std::string(QUASARINE_SOURCE_DIR) + "/assets/tiles/" +
                                 path.substr(0, path.size() - 4) + ".txt";
        EXPECT_EQ(readTextFile(file), formatTileCatalog(*set)) << "refresh " << file;
    }
}

TEST(TileSheets, TheDrainedFlushTargetSitsWhereTheGamePutsIt) {
    const TileSet* set = findTileSet("tiles_combo1.tga");
    ASSERT_NE(set, nullptr);
    std::string target, drained;
    for (const TileDefinition& tile : set->tiles) {
        if (tile.code == kDrainedFlushTile - 1) target = tile.name;
        if (tile.code == kDrainedFlushTile) drained = tile.name;
    }
    EXPECT_EQ(target, "flush-target");
    EXPECT_EQ(drained, "flush-target-drained");
}

}  // namespace
