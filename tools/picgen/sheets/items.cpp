// The ball ability item: a glowing orb whose bright band turns round it over
// the four frames of its loop, with a spark circling it.
#include "Canvas.h"
#include "SpriteOutline.h"
#include "WorldPalette.h"

namespace {

void drawItems(Canvas& c) {
    for (int frame = 0; frame < 4; ++frame) {
        const int cx = c.cellX(frame) + 16, cy = c.cellY(frame) + 16;
        c.circle(cx, cy, 7, pal::kVanta1, true);
        c.circle(cx - 1, cy - 1, 5, pal::kVanta2, true);
        // The band: a vertical stripe sliding right, wrapping behind the orb.
        const int band = -5 + frame * 3;
        for (int y = -7; y <= 7; ++y) {
            for (int x = band; x < band + 3; ++x) {
                if (x * x + y * y <= 7 * 7 - 4) c.set(cx + x, cy + y, pal::kGlow);
            }
        }
        c.set(cx - 3, cy - 4, pal::kWhite);  // lit from the top left
        c.set(cx - 4, cy - 3, pal::kWhite);
        outlineRegion(c, c.cellX(frame), c.cellY(frame), 32, 32, pal::kInk);
        // The spark, a quarter turn further each frame.
        static const int kSpark[4][2] = {{0, -11}, {11, 0}, {0, 11}, {-11, 0}};
        const int sx = cx + kSpark[frame][0], sy = cy + kSpark[frame][1];
        c.set(sx, sy, pal::kWhite);
        c.set(sx - 1, sy, pal::kGlow);
        c.set(sx + 1, sy, pal::kGlow);
        c.set(sx, sy - 1, pal::kGlow);
        c.set(sx, sy + 1, pal::kGlow);
    }
}

const SheetRegistration kSheet{{"items.tga", 128, 32, false, drawItems}};

}  // namespace
