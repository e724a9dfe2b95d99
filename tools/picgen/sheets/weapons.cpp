// Shots: 0 the vanta's bolt and 1 its impact flash (teal, the vanta's
// glow), 8 the gearboy's brass pellet, 16 and 17 the enemies' shots (red,
// spiky, so they read as harmful at a glance).
#include "Canvas.h"
#include "SpriteOutline.h"
#include "WorldPalette.h"

namespace {

void drawWeapons(Canvas& c) {
    auto at = [&c](int frame, int dx, int dy) {
        return std::pair<int, int>{c.cellX(frame) + 16 + dx, c.cellY(frame) + 16 + dy};
    };
    // 0: vanta bolt, a glowing orb with a bright core.
    auto p = at(0, 0, 0);
    c.circle(p.first, p.second, 3, pal::kGlow, true);
    c.circle(p.first, p.second, 1, pal::kWhite, true);
    outlineRegion(c, c.cellX(0), c.cellY(0), 32, 32, pal::kVanta1);
    // 1: impact flash, a four-point star.
    p = at(1, 0, 0);
    for (int i = -5; i <= 5; ++i) {
        c.set(p.first + i, p.second, pal::kGlow);
        c.set(p.first, p.second + i, pal::kGlow);
    }
    c.circle(p.first, p.second, 2, pal::kWhite, true);
    // 8: gearboy pellet.
    p = at(8, 0, 0);
    c.circle(p.first, p.second, 2, pal::kBrass2, true);
    c.set(p.first - 1, p.second - 1, pal::kWhite);
    outlineRegion(c, c.cellX(8), c.cellY(8), 32, 32, pal::kBrass0);
    // 16: the swoop's spark, red with spikes.
    p = at(16, 0, 0);
    c.circle(p.first, p.second, 2, pal::kRed2, true);
    for (int i = 3; i <= 4; ++i) {
        c.set(p.first + i, p.second, pal::kRed1);
        c.set(p.first - i, p.second, pal::kRed1);
        c.set(p.first, p.second + i, pal::kRed1);
        c.set(p.first, p.second - i, pal::kRed1);
    }
    c.set(p.first, p.second, pal::kYellow);
    // 17: the helmet's shell, an orange ball with a dark ring.
    p = at(17, 0, 0);
    c.circle(p.first, p.second, 3, pal::kOrange, true);
    c.circle(p.first - 1, p.second - 1, 1, pal::kYellow, true);
    outlineRegion(c, c.cellX(17), c.cellY(17), 32, 32, pal::kRed0);
}

const SheetRegistration kSheet{{"weapons.tga", 256, 128, false, drawWeapons}};

}  // namespace
