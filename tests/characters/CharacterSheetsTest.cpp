// The character sheets as the game uses them: figures stand on the ground
// their boxes stand on, shots leave from the hand or cannon, the vanta's
// halves join in every pairing, and hit flashes and animations change what
// they should. (That every drawn frame is there is in PicturesTest.)
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "pictures/Sheets.h"

namespace {

// Sprites are drawn 4 % larger than their 32-pixel frame (drawSprite).
constexpr float kQuadScale = 1.04f;

// Pixels of the two frames' cells that differ: in colour, or (outline only)
// in whether they are drawn at all.
int differing(const Canvas& c, int a, int b, bool outlineOnly) {
    int n = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            n += outlineOnly ? opaque(c, a, x, y) != opaque(c, b, x, y)
                             : !(c.get(c.cellX(a) + x, c.cellY(a) + y) ==
                                 c.get(c.cellX(b) + x, c.cellY(b) + y));
        }
    }
    return n;
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
        // Vanta legs and ball, drawn 8 below a body box that ends 16 below.
        {"vanta.tga", {0, 1, 2, 3, 18, 19, 20, 21}, 8.0f},
        // Helmet: box 14 high around the drawn point.
        {"enemy_helmet.tga", {0, 1, 2, 3, 4}, 7.0f},
        // Swoop: it lands on the bottom of its 25-high box.
        {"enemy_swoop.tga", {0, 1, 2}, 12.5f},
    };
    for (const Case& k : cases) {
        const Canvas c = drawSheet(k.path);
        for (int frame : k.frames) {
            SCOPED_TRACE(std::string(k.path) + " frame " + std::to_string(frame));
            int row = 31;  // lowest visible row, 0 at the top
            auto rowEmpty = [&](int y) {
                for (int x = 0; x < 32; ++x)
                    if (opaque(c, frame, x, y)) return false;
                return true;
            };
            while (row >= 0 && rowEmpty(row)) --row;
            ASSERT_GE(row, 0);
            // World height of the row's bottom edge relative to the draw point.
            EXPECT_NEAR((15 - row) * kQuadScale, -k.feetBelowDrawPoint, 1.05f);
        }
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
        // The frame pixel the shot appears on; anything within 2 of it will do.
        const int x = static_cast<int>(std::floor(16.0f + (k.shotX - k.drawX) / kQuadScale));
        const int y = static_cast<int>(std::floor(16.0f - (k.shotY - k.drawY) / kQuadScale));
        bool near = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) near = near || opaque(c, k.frame, x + dx, y + dy);
        EXPECT_TRUE(near) << k.path << " frame " << k.frame;
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
        int unbroken = 0;
        for (int x = 13; x <= 18; ++x) {
            bool started = false, ended = false, hole = false;
            for (int y = 0; y < 32 + p.spacing; ++y) {
                const bool on = opaque(c, p.upper, x, y) || opaque(c, p.legs, x, y - p.spacing);
                hole = hole || (on && ended);
                started = started || on;
                ended = ended || (!on && started);
            }
            if (started && !hole) ++unbroken;
        }
        EXPECT_GE(unbroken, 2) << "no unbroken column through the figure";
    }
}

// A hit flash recolours the swoop but keeps its outline, or it would seem to
// jump when hit; the wing cycles, walks and leaps must move.
TEST(CharacterSheets, HurtFramesKeepTheOutlineAndAnimationFramesMove) {
    const Canvas swoop = drawSheet("enemy_swoop.tga");
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_EQ(differing(swoop, frame, frame + 4, true), 0) << "frame " << frame;
        int drawn = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) drawn += opaque(swoop, frame, x, y);
        EXPECT_GT(differing(swoop, frame, frame + 4, false), drawn / 2) << "frame " << frame;
    }
    const std::pair<const char*, std::vector<int>> cycles[] = {
        {"enemy_swoop.tga", {0, 1, 2}},  {"enemy_raka.tga", {0, 1, 2, 3}},
        {"enemy_helmet.tga", {0, 1, 2}}, {"enemy_helmet.tga", {3, 4}},
        {"gearboy.tga", {2, 3, 4}},      {"vanta.tga", {1, 2, 3}},
        {"vanta.tga", {18, 19, 20, 21}},
    };
    for (const auto& [path, frames] : cycles) {
        const Canvas c = drawSheet(path);
        for (std::size_t i = 0; i + 1 < frames.size(); ++i) {
            EXPECT_GT(differing(c, frames[i], frames[i + 1], false), 8)
                << path << " frames " << frames[i] << " and " << frames[i + 1];
        }
    }
}
