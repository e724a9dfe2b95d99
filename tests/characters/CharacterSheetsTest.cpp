// The character sheets as the game uses them: figures stand on the ground
// their boxes stand on, shots leave from the hand or cannon, the vanta's
// halves join in every pairing, and hit flashes and animations change what
// they should. (That every drawn frame is there is in PicturesTest.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Canvas.h"
#include "gfx/Targa.h"

namespace {

// Sprites are drawn 4 % larger than their 32-pixel frame (drawSprite).
constexpr float kQuadScale = 1.04f;

const SheetDefinition* findSheet(const std::string& path) {
    for (const SheetDefinition& s : registeredSheets())
        if (s.path == path) return &s;
    return nullptr;
}

Canvas drawSheet(const std::string& path) {
    const SheetDefinition* sheet = findSheet(path);
    if (!sheet) {
        ADD_FAILURE() << path << " is not registered";
        return Canvas(32, 32);
    }
    Canvas canvas(sheet->width, sheet->height);
    sheet->draw(canvas);
    return canvas;
}

bool opaque(const Canvas& c, int frame, int x, int y) {
    if (x < 0 || y < 0 || x > 31 || y > 31) return false;
    return !(c.get(c.cellX(frame) + x, c.cellY(frame) + y) == kTransparent);
}

int opaqueCount(const Canvas& c, int frame) {
    int n = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) n += opaque(c, frame, x, y) ? 1 : 0;
    return n;
}

// Lowest visible row of a frame (as seen, 0 at the top), or -1.
int bottomRow(const Canvas& c, int frame) {
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; ++x)
            if (opaque(c, frame, x, y)) return y;
    return -1;
}

// World height, relative to where the frame is drawn, of the bottom edge of
// cell row `row`.
float bottomEdge(int row) {
    return (15 - row) * kQuadScale;
}

// Whether anything visible lies within `radius` pixels of a frame point.
bool visibleNear(const Canvas& c, int frame, float x, float y, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (opaque(c, frame, static_cast<int>(std::floor(x)) + dx,
                       static_cast<int>(std::floor(y)) + dy))
                return true;
    return false;
}

// Frame point (column, row) of a world offset from where a frame is drawn.
float frameColumn(float dx) {
    return 16.0f + dx / kQuadScale;
}
float frameRow(float dy) {
    return 16.0f - dy / kQuadScale;
}

}  // namespace

// Standing figures must touch the ground their collision box stands on: the
// feet end within a unit of the box's bottom.
TEST(CharacterSheets, FeetMeetTheBottomOfTheBodyBox) {
    struct Case {
        const char* path;
        std::vector<int> frames;
        float feetBelowDrawPoint;  // box bottom, world units below the frame's draw point
    };
    const Case cases[] = {
        // Gearboy: body box 24 high centred 2 below the drawn point.
        {"gearboy.tga", {0, 1, 2, 3, 4, 8, 10, 11, 12, 14, 23}, 14.0f},
        // Vanta legs, drawn 8 below a body box that ends 16 below.
        {"vanta.tga", {0, 1, 2, 3}, 8.0f},
        // Ball: drawn 8 below, its 12 x 12 box ends 16 below.
        {"vanta.tga", {18, 19, 20, 21}, 8.0f},
        // Helmet: box 14 high around the drawn point.
        {"enemy_helmet.tga", {0, 1, 2, 3, 4}, 7.0f},
        // Swoop: it lands on the bottom of its 25-high box.
        {"enemy_swoop.tga", {0, 1, 2}, 12.5f},
    };
    for (const Case& k : cases) {
        const Canvas c = drawSheet(k.path);
        for (int frame : k.frames) {
            SCOPED_TRACE(std::string(k.path) + " frame " + std::to_string(frame));
            const int row = bottomRow(c, frame);
            ASSERT_GE(row, 0);
            EXPECT_NEAR(bottomEdge(row), -k.feetBelowDrawPoint, 1.05f);
        }
    }
}

// The gearboy is drawn 4 units ahead of its body on the ground, 2 in the air
// and on its body when hurt or appearing: the head must stay put all the
// same, or the robot would jump sideways between frames.
TEST(CharacterSheets, GearboyHeadStaysOverTheBodyWhateverTheDrawOffset) {
    const Canvas c = drawSheet("gearboy.tga");
    auto headCentre = [&](int frame, float drawOffset) {
        // Mean column of the visible pixels in the rows of the visor band.
        int top = 0;
        while (top < 32 && opaqueCount(c, frame) > 0) {
            bool any = false;
            for (int x = 0; x < 32; ++x) any = any || opaque(c, frame, x, top);
            if (any) break;
            ++top;
        }
        float sum = 0;
        int n = 0;
        for (int y = top + 5; y < top + 9; ++y)
            for (int x = 0; x < 32; ++x)
                if (opaque(c, frame, x, y)) {
                    sum += x + 0.5f;
                    ++n;
                }
        return n ? (sum / n - 16.0f) * kQuadScale + drawOffset : 1e9f;
    };
    const float standing = headCentre(0, 4.0f);
    const std::pair<int, float> others[] = {{1, 4.0f},  {8, 4.0f},  {5, 2.0f},
                                            {14, 0.0f}, {22, 0.0f}, {23, 0.0f}};
    for (const auto& [frame, offset] : others) {
        EXPECT_NEAR(headCentre(frame, offset), standing, 1.6f) << "frame " << frame;
    }
}

// Shots appear where the controllers spawn them; the cannon or glowing hand
// must be there. Offsets are from the player's position; frames are drawn at
// the position plus their draw offset.
TEST(CharacterSheets, ShotsLeaveFromTheCannonOrTheHand) {
    struct Case {
        const char* path;
        int frame;
        float drawX, drawY;  // where the frame is drawn, relative to the player
        float shotX, shotY;  // where the shot appears
    };
    const Case cases[] = {
        {"gearboy.tga", 8, 4, 0, 10, 0},   // standing
        {"gearboy.tga", 11, 4, 0, 10, 0},  // walking
        {"gearboy.tga", 6, 2, 0, 12, 5},   // in the air
        {"vanta.tga", 10, 0, 8, 8, 5},     // forward
        {"vanta.tga", 12, 0, 8, 8, 5},     // forward on the move
        {"vanta.tga", 11, 0, 8, 2, 18},    // upward
    };
    for (const Case& k : cases) {
        const Canvas c = drawSheet(k.path);
        SCOPED_TRACE(std::string(k.path) + " frame " + std::to_string(k.frame));
        const float x = frameColumn(k.shotX - k.drawX), y = frameRow(k.shotY - k.drawY);
        EXPECT_TRUE(visibleNear(c, k.frame, x, y, 2));
    }
}

// The vanta is two frames 16 units apart. Every pairing the controller shows
// must read as one figure: a column through the middle has no hole from the
// head to the feet.
TEST(CharacterSheets, VantaHalvesJoinInEveryPairing) {
    const Canvas c = drawSheet("vanta.tga");
    struct Pair {
        int legs, upper, spacing;
    };
    std::vector<Pair> pairs;
    for (int upper : {5, 6, 10, 11}) pairs.push_back({0, upper, 16});
    for (int legs : {1, 2, 3})
        for (int upper : {7, 8, 9, 6, 11, 12, 13}) pairs.push_back({legs, upper, 16});
    for (int upper : {9, 6, 11, 12, 13}) pairs.push_back({4, upper, 16});
    pairs.push_back({17, 16, 16});  // curling
    pairs.push_back({17, 16, 15});  // somersault, upright
    for (const Pair& p : pairs) {
        SCOPED_TRACE("legs " + std::to_string(p.legs) + " upper " + std::to_string(p.upper) +
                     " spacing " + std::to_string(p.spacing));
        // Rows of the joined figure, upper frame first; the legs frame's row r
        // sits at figure row r + spacing.
        int best = 0;
        for (int x = 13; x <= 18; ++x) {
            bool started = false, ended = false, hole = false;
            for (int y = 0; y < 32 + p.spacing; ++y) {
                const bool on = opaque(c, p.upper, x, y) || opaque(c, p.legs, x, y - p.spacing);
                if (on && ended) hole = true;
                if (on) started = true;
                if (!on && started) ended = true;
            }
            if (started && !hole) ++best;
        }
        EXPECT_GE(best, 2) << "no unbroken column through the figure";
    }
}

// A hit flash recolours the swoop but must not change its outline, or it
// would seem to jump when hit.
TEST(CharacterSheets, SwoopHurtFramesKeepTheShapeButNotTheColours) {
    const Canvas c = drawSheet("enemy_swoop.tga");
    for (int frame = 0; frame < 3; ++frame) {
        int differing = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                ASSERT_EQ(opaque(c, frame, x, y), opaque(c, frame + 4, x, y));
                const Rgba a = c.get(c.cellX(frame) + x, c.cellY(frame) + y);
                const Rgba b = c.get(c.cellX(frame + 4) + x, c.cellY(frame + 4) + y);
                differing += a == b ? 0 : 1;
            }
        }
        EXPECT_GT(differing, opaqueCount(c, frame) / 2) << "frame " << frame;
    }
}

// The wing cycle and the leap must move: consecutive frames differ in shape.
TEST(CharacterSheets, AnimationFramesDifferFromTheirNeighbours) {
    const std::pair<const char*, std::vector<int>> cycles[] = {
        {"enemy_swoop.tga", {0, 1, 2}},  {"enemy_raka.tga", {0, 1, 2, 3}},
        {"enemy_helmet.tga", {0, 1, 2}}, {"enemy_helmet.tga", {3, 4}},
        {"gearboy.tga", {2, 3, 4}},      {"vanta.tga", {1, 2, 3}},
        {"vanta.tga", {18, 19, 20, 21}},
    };
    for (const auto& [path, frames] : cycles) {
        const Canvas c = drawSheet(path);
        for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
            int changed = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    changed += c.get(c.cellX(frames[i]) + x, c.cellY(frames[i]) + y) ==
                                       c.get(c.cellX(frames[i + 1]) + x, c.cellY(frames[i + 1]) + y)
                                   ? 0
                                   : 1;
            EXPECT_GT(changed, 8) << path << " frames " << frames[i] << " and " << frames[i + 1];
        }
    }
}
