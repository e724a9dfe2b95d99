// Every picture the game loads, drawn in memory and put through the game's own
// loader: sizes GL 1.1 accepts, something in the frames the game draws, and
// tile sheets that agree with their catalogue in assets/tiles/.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Canvas.h"
#include "gfx/Graphics.h"
#include "gfx/Targa.h"
#include "sheets/TileCatalog.h"
#include "support/TestImages.h"

namespace {

const SheetDefinition* findSheet(const std::string& path) {
    for (const SheetDefinition& sheet : registeredSheets()) {
        if (sheet.path == path) return &sheet;
    }
    return nullptr;
}

Canvas drawSheet(const SheetDefinition& sheet) {
    Canvas canvas(sheet.width, sheet.height);
    sheet.draw(canvas);
    return canvas;
}

// Encoded as the generator writes it (rows stored bottom-up), then decoded
// by the game's reader.
Image loadAsGame(const SheetDefinition& sheet) {
    const Canvas canvas = drawSheet(sheet);
    Image image = makeImage(canvas.width(), canvas.height());
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba c = canvas.get(x, y);
            setPixel(image, image.height - 1 - y, x, Color{c.r, c.g, c.b, c.a});
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
    // How many frames at least show something (as many as the game draws);
    // -1 for plain pictures. Tile sheets are checked against their catalogue.
    const std::pair<const char*, int> table[] = {
        {"font.tga", -1},        {"flashlight.tga", -1},  {"hud.tga", 1},
        {"gearboy.tga", 20},     {"vanta.tga", 20},       {"weapons.tga", 5},
        {"particles.tga", 9},    {"items.tga", 4},        {"enemy_swoop.tga", 6},
        {"enemy_helmet.tga", 5}, {"enemy_raka.tga", 4},   {"enemy_bossdragon.tga", 20},
        {"tiles_test.tga", 0},   {"tiles_combo1.tga", 0}, {"tiles_test-gearboy.tga", 0},
    };
    auto powerOfTwo = [](int v) { return v > 0 && (v & (v - 1)) == 0; };
    for (const auto& [path, drawnFrames] : table) {
        SCOPED_TRACE(path);
        const SheetDefinition* sheet = findSheet(path);
        ASSERT_NE(sheet, nullptr) << "no sheet source draws it";
        EXPECT_TRUE(powerOfTwo(sheet->width) && powerOfTwo(sheet->height));
        Image image = loadAsGame(*sheet);
        if (drawnFrames < 0) continue;
        std::vector<FrameBox> boxes;
        std::string error;
        ASSERT_TRUE(prepareSpriteSheet(image, boxes, &error)) << error;
        int shown = 0;
        for (int frame = 0; frame < static_cast<int>(boxes.size()); ++frame)
            shown += frameShowsSomething(image, frame);
        EXPECT_GE(shown, drawnFrames);
        // Cyan marks a wrap border for the sprite loader: only tiles may use it.
        if (drawnFrames > 0) {
            const auto drawn = drawSheet(*sheet);
            for (const Rgba& p : drawn.pixels()) ASSERT_FALSE(p == kWrapBorder);
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
    // No hidden state or unseeded randomness, or rebuilds would churn the data.
    for (const SheetDefinition& sheet : registeredSheets()) {
        EXPECT_TRUE(drawSheet(sheet).pixels() == drawSheet(sheet).pixels()) << sheet.path;
    }
}

TEST(Pictures, FontHasEveryGlyphAndLowerCaseMeasuresNarrow) {
    const SheetDefinition* sheet = findSheet("font.tga");
    ASSERT_NE(sheet, nullptr);
    Image image;
    GlyphEdges metrics[kGlyphCount];
    std::string error;
    ASSERT_TRUE(prepareFontPicture(writeTempTarga(loadAsGame(*sheet), "font.tga", sheet->withAlpha),
                                   image, metrics, &error))
        << error;
    // Every character but the space is drawn; glyph rows count from the end
    // of the stored data.
    for (int ch = 32; ch <= 126; ++ch) {
        const int i = ch - 32, row0 = image.height - 8 - (i / 32) * 8;
        bool inked = false;
        for (int r = row0; r < row0 + 8; ++r)
            for (int c = 0; c < 8; ++c) inked = inked || image.pixel(r, (i % 32) * 8 + c)[3] != 0;
        EXPECT_EQ(inked, ch != ' ') << static_cast<char>(ch);
    }
    auto advance = [&](char ch) { return metrics[ch - 32].right - metrics[ch - 32].left; };
    EXPECT_LT(advance('i'), advance('n'));
    EXPECT_LT(advance('n'), advance('m'));
    EXPECT_LE(advance('m'), 8);
}

// The catalogue's shape name of a measured frame box.
std::string shapeOf(const FrameBox& b) {
    auto axis = [](float centre, float size) -> std::string {
        if (size == 15.0f && centre == -0.5f) return "whole";
        if (size == 7.0f) return centre == -4.5f ? "low" : centre == 3.5f ? "high" : "odd";
        return size == -1.0f ? "none" : "odd";
    };
    const std::string x = axis(b.centerX, b.width), y = axis(b.centerY, b.height);
    // Frame box y runs along the stored rows, which go upwards as seen.
    if (x == "whole" && y == "whole") return "full";
    if (x == "whole" && (y == "high" || y == "low"))
        return y == "high" ? "top-half" : "bottom-half";
    if (y == "whole" && (x == "high" || x == "low")) return x == "low" ? "left-half" : "right-half";
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

}  // namespace
