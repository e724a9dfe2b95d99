// Every picture the game loads, drawn in memory and put through the game's own
// loader: it must exist, have sizes the loader and GL 1.1 accept, and show
// something in every frame the game draws. Tile sheets must also agree with
// their catalogue in assets/tiles/.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "Canvas.h"
#include "gfx/Graphics.h"
#include "gfx/Targa.h"
#include "sheets/TileCatalog.h"
#include "support/TestImages.h"

namespace {

enum class Kind { Sprites, Plain, Font };

struct RequiredPicture {
    const char* path;
    Kind kind;
    std::vector<int> drawnFrames;  // frames the game draws (sprite sheets)
};

std::vector<int> range(int first, int last) {
    std::vector<int> frames;
    for (int f = first; f <= last; ++f) frames.push_back(f);
    return frames;
}

std::vector<int> join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<RequiredPicture>& requiredPictures() {
    static const std::vector<RequiredPicture> table{
        {"font.tga", Kind::Font, {}},
        {"hud.tga", Kind::Sprites, {0}},
        {"flashlight.tga", Kind::Plain, {}},
        {"gearboy.tga", Kind::Sprites,
         join(range(0, 6), join({8}, join(range(10, 12), join({14}, range(16, 23)))))},
        {"vanta.tga", Kind::Sprites, join(range(0, 13), range(16, 21))},
        {"weapons.tga", Kind::Sprites, {0, 1, 8, 16, 17}},
        {"particles.tga", Kind::Sprites, {0, 1, 2, 8, 9, 10, 11, 12, 13}},
        {"items.tga", Kind::Sprites, range(0, 3)},
        {"enemy_swoop.tga", Kind::Sprites, {0, 1, 2, 4, 5, 6}},
        {"enemy_helmet.tga", Kind::Sprites, range(0, 4)},
        {"enemy_raka.tga", Kind::Sprites, range(0, 3)},
        {"enemy_bossdragon.tga", Kind::Sprites, range(0, 19)},
        // Tile sheets: the catalogued frames are checked below.
        {"tiles_test.tga", Kind::Sprites, {}},
        {"tiles_combo1.tga", Kind::Sprites, {}},
        {"tiles_test-gearboy.tga", Kind::Sprites, {}},
    };
    return table;
}

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

// The picture as the game reads it: encoded to a Targa (rows stored
// bottom-up, as the generator writes them) and decoded by the game's reader.
Image loadAsGame(const SheetDefinition& sheet, const Canvas& canvas) {
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

bool powerOfTwo(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

// An opaque pixel at offsets 2..29 of the frame's cell (after the colour key),
// frames counted top to bottom as seen, which is from the end of the data.
bool frameShowsSomething(const Image& image, int frame) {
    const int columns = image.width / 32;
    const int cellRows = image.height / 32;
    const int row0 = (cellRows - 1 - frame / columns) * 32;
    const int col0 = (frame % columns) * 32;
    for (int r = 2; r <= 29; ++r)
        for (int c = 2; c <= 29; ++c)
            if (image.pixel(row0 + r, col0 + c)[3] != 0) return true;
    return false;
}

TEST(Pictures, EveryPictureTheGameLoadsIsDrawnLegalAndLoads) {
    for (const RequiredPicture& wanted : requiredPictures()) {
        SCOPED_TRACE(wanted.path);
        const SheetDefinition* sheet = findSheet(wanted.path);
        ASSERT_NE(sheet, nullptr) << "no sheet source draws " << wanted.path;
        EXPECT_TRUE(powerOfTwo(sheet->width) && powerOfTwo(sheet->height));
        const Canvas canvas = drawSheet(*sheet);
        Image image = loadAsGame(*sheet, canvas);
        if (wanted.kind == Kind::Sprites) {
            std::vector<FrameBox> boxes;
            std::string error;
            ASSERT_TRUE(prepareSpriteSheet(image, boxes, &error)) << error;
            for (int frame : wanted.drawnFrames) {
                ASSERT_LT(frame, static_cast<int>(boxes.size()));
                EXPECT_TRUE(frameShowsSomething(image, frame)) << "frame " << frame << " is empty";
            }
        }
        // Cyan marks a wrap border for the sprite loader: only tiles may use it.
        if (wanted.kind == Kind::Sprites && std::string(wanted.path).rfind("tiles_", 0) != 0) {
            for (const Rgba& p : canvas.pixels()) ASSERT_FALSE(p == kWrapBorder);
        }
    }
}

TEST(Pictures, DrawingIsRepeatable) {
    // Two drawings of one sheet must match pixel for pixel (no hidden state,
    // no unseeded randomness), or rebuilds would churn the data files.
    for (const SheetDefinition& sheet : registeredSheets()) {
        EXPECT_TRUE(drawSheet(sheet).pixels() == drawSheet(sheet).pixels()) << sheet.path;
    }
}

TEST(Pictures, FlashlightIsWhiteInTheMiddleAndBlackAtEveryEdge) {
    const SheetDefinition* sheet = findSheet("flashlight.tga");
    ASSERT_NE(sheet, nullptr);
    const Canvas c = drawSheet(*sheet);
    const int w = c.width(), h = c.height();
    EXPECT_EQ(c.get(w / 2, h / 2), (Rgba{255, 255, 255, 255}));
    for (int i = 0; i < w; ++i) {
        EXPECT_EQ(c.get(i, 0).r, 0);
        EXPECT_EQ(c.get(i, h - 1).r, 0);
    }
    for (int j = 0; j < h; ++j) {
        EXPECT_EQ(c.get(0, j).r, 0);
        EXPECT_EQ(c.get(w - 1, j).r, 0);
    }
    // Light only falls off going outwards, in every direction.
    for (int x = w / 2 + 1; x < w; ++x) EXPECT_LE(c.get(x, h / 2).r, c.get(x - 1, h / 2).r);
    for (int y = h / 2 - 1; y >= 0; --y) EXPECT_LE(c.get(w / 2, y).r, c.get(w / 2, y + 1).r);
}

class FontPicture : public ::testing::Test {
  protected:
    void SetUp() override {
        const SheetDefinition* sheet = findSheet("font.tga");
        ASSERT_NE(sheet, nullptr);
        const Image picture = loadAsGame(*sheet, drawSheet(*sheet));
        const std::string path = writeTempTarga(picture, "font.tga", sheet->withAlpha);
        std::string error;
        ASSERT_TRUE(prepareFontPicture(path, image_, metrics_, &error)) << error;
    }

    // Inked columns of a character's cell, glyph rows counted from the end of
    // the stored data as the game counts them.
    std::set<int> inkedColumns(int ch) const {
        const int i = ch - 32;
        const int row0 = image_.height - 8 - (i / 32) * 8;
        std::set<int> columns;
        for (int r = row0; r < row0 + 8; ++r)
            for (int c = 0; c < 8; ++c)
                if (image_.pixel(r, (i % 32) * 8 + c)[3] != 0) columns.insert(c);
        return columns;
    }
    int advance(int ch) const { return metrics_[ch - 32].right - metrics_[ch - 32].left; }

    Image image_;
    GlyphEdges metrics_[kGlyphCount];
};

TEST_F(FontPicture, EveryPrintableCharacterHasAGlyphInTheGameRowOrder) {
    for (int ch = 33; ch <= 126; ++ch) {
        EXPECT_FALSE(inkedColumns(ch).empty()) << "no glyph for '" << static_cast<char>(ch) << "'";
    }
    EXPECT_TRUE(inkedColumns(' ').empty());
}

TEST_F(FontPicture, CapitalsAndDigitsLeaveAGapInTheirFixedAdvance) {
    for (int ch : std::string("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ")) {
        const std::set<int> columns = inkedColumns(ch);
        ASSERT_FALSE(columns.empty());
        EXPECT_LE(*columns.rbegin() - *columns.begin() + 1, 7) << static_cast<char>(ch);
        EXPECT_EQ(columns.count(7), 0u) << static_cast<char>(ch);
        EXPECT_EQ(advance(ch), 8);
    }
}

TEST_F(FontPicture, LowerCaseIsMeasuredNarrowAndKeepsItsSpacing) {
    for (int ch = 'a'; ch <= 'z'; ++ch) {
        const std::set<int> columns = inkedColumns(ch);
        // The game draws the glyph shifted by `left`: column 0 must stay clear
        // of ink, or it would be cut by the previous character.
        EXPECT_GE(metrics_[ch - 32].left, 0) << static_cast<char>(ch);
        EXPECT_EQ(advance(ch), *columns.rbegin() - *columns.begin() + 2) << static_cast<char>(ch);
        EXPECT_LE(advance(ch), 7) << static_cast<char>(ch);
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

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(TileSheets, EveryTileHasTheCollisionShapeItsCatalogueStates) {
    const std::vector<std::string> sheets{"tiles_test.tga", "tiles_combo1.tga",
                                          "tiles_test-gearboy.tga"};
    for (const std::string& path : sheets) {
        SCOPED_TRACE(path);
        const TileSet* set = findTileSet(path);
        const SheetDefinition* sheet = findSheet(path);
        ASSERT_NE(set, nullptr);
        ASSERT_NE(sheet, nullptr);
        Image image = loadAsGame(*sheet, drawSheet(*sheet));
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
        std::string name = path.substr(0, path.size() - 4);
        const std::string file =
            std::string(QUASARINE_SOURCE_DIR) + "/assets/tiles/" + name + ".txt";
        EXPECT_EQ(readFile(file), formatTileCatalog(*set)) << "refresh " << file;
    }
}

TEST(TileSheets, DoorsOpenThroughAHalfOpenTileRightAfterEachClosedOne) {
    for (const TileSet& set : registeredTileSets()) {
        int doorSegments = 0;
        for (const TileDefinition& tile : set.tiles) {
            const std::string name = tile.name;
            if (name.rfind("door-", 0) != 0 || name.find("half-open") != std::string::npos)
                continue;
            ++doorSegments;
            bool found = false;
            for (const TileDefinition& next : set.tiles) {
                if (next.code == tile.code + 1) {
                    found = std::string(next.name) == name + "-half-open";
                    // Half open is still solid, but no longer full.
                    EXPECT_NE(next.shape, TileShape::Full) << next.name;
                    EXPECT_NE(next.shape, TileShape::None) << next.name;
                }
            }
            EXPECT_TRUE(found) << set.path << ": " << name << " has no half-open tile after it";
        }
        EXPECT_GE(doorSegments, 2) << set.path << " needs a door of several tiles";
    }
}

TEST(TileSheets, TheFlushTargetAndItsDrainedTileSitAtTheCodesTheGameUses) {
    const TileSet* set = findTileSet("tiles_combo1.tga");
    ASSERT_NE(set, nullptr);
    std::string at39, at40;
    for (const TileDefinition& tile : set->tiles) {
        if (tile.code == 39) at39 = tile.name;
        if (tile.code == 40) at40 = tile.name;
    }
    EXPECT_EQ(at39, "flush-target");
    EXPECT_EQ(at40, "flush-target-drained");
}

}  // namespace
