// Particles: 0 a bubble, 1 a ricochet spark, 2 a chunk of debris, 8 and 9 the
// small burst (a flash, then its fading ring), 10 to 13 an explosion growing
// from a white core to a ring of smoke.
#include "Canvas.h"
#include "SpriteOutline.h"
#include "WorldPalette.h"

namespace {

void star(Canvas& c, int cx, int cy, int arm, Rgba tip, Rgba core) {
    for (int i = -arm; i <= arm; ++i) {
        c.set(cx + i, cy, tip);
        c.set(cx, cy + i, tip);
    }
    for (int i = -arm / 2; i <= arm / 2; ++i) {
        c.set(cx + i, cy + i, tip);
        c.set(cx + i, cy - i, tip);
    }
    c.circle(cx, cy, arm / 3, core, true);
}

void drawParticles(Canvas& c) {
    auto centre = [&c](int frame, int& x, int& y) {
        x = c.cellX(frame) + 16;
        y = c.cellY(frame) + 16;
    };
    int x, y;
    // 0: bubble, a thin ring with a glint.
    centre(0, x, y);
    c.circle(x, y, 3, pal::kWater2, false);
    c.set(x - 1, y - 1, pal::kWhite);
    // 1: ricochet spark.
    centre(1, x, y);
    star(c, x, y, 3, pal::kYellow, pal::kWhite);
    // 2: debris, a lump of rock.
    centre(2, x, y);
    c.blit(x - 3, y - 2, {".1221.", "122331", "112221", ".0111."},
           {{'0', pal::kStone0}, {'1', pal::kStone1}, {'2', pal::kStone2}, {'3', pal::kStone3}});
    outlineRegion(c, c.cellX(2), c.cellY(2), 32, 32, pal::kInk);
    // 8, 9: the small burst.
    centre(8, x, y);
    star(c, x, y, 7, pal::kOrange, pal::kYellow);
    c.circle(x, y, 1, pal::kWhite, true);
    centre(9, x, y);
    for (int i = 0; i < 8; ++i) {
        static const int kDots[8][2] = {{8, 0},  {6, 6},   {0, 8},  {-6, 6},
                                        {-8, 0}, {-6, -6}, {0, -8}, {6, -6}};
        c.fillRect(x + kDots[i][0] - 1, y + kDots[i][1] - 1, 2, 2, pal::kOrange);
    }
    c.circle(x, y, 2, pal::kRed2, false);
    // 10..13: the explosion.
    centre(10, x, y);
    c.circle(x, y, 5, pal::kYellow, true);
    c.circle(x, y, 3, pal::kWhite, true);
    centre(11, x, y);
    c.circle(x, y, 9, pal::kOrange, true);
    c.circle(x - 1, y - 1, 6, pal::kYellow, true);
    c.circle(x - 2, y - 2, 2, pal::kWhite, true);
    centre(12, x, y);
    c.circle(x, y, 12, pal::kRed1, true);
    c.circle(x, y - 1, 9, pal::kOrange, true);
    c.circle(x, y, 5, pal::kRed2, true);
    centre(13, x, y);
    const Rgba smoke{70, 66, 74, 255}, smokeLight{110, 104, 110, 255};
    for (int i = 0; i < 8; ++i) {
        static const int kPuffs[8][2] = {{11, 0},  {8, 8},   {0, 11},  {-8, 8},
                                         {-11, 0}, {-8, -8}, {0, -11}, {8, -8}};
        c.circle(x + kPuffs[i][0], y + kPuffs[i][1], 3, smoke, true);
        c.set(x + kPuffs[i][0] - 1, y + kPuffs[i][1] - 1, smokeLight);
    }
    for (int f : {10, 11, 12, 13}) outlineRegion(c, c.cellX(f), c.cellY(f), 32, 32, pal::kRed0);
}

const SheetRegistration kSheet{{"particles.tga", 256, 64, false, drawParticles}};

}  // namespace
