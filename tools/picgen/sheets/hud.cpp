// The health panel, drawn at view (32, 210) with the two health digits
// printed just right of it from x 47: frame 0 is a round badge holding a
// heart and a tab on its right edge; frame 1, drawn at (64, 210), is the dark
// plate the tab runs on into, under the digits, so they read on any wall.
#include "Canvas.h"
#include "SpriteOutline.h"
#include "WorldPalette.h"

namespace {

void drawHud(Canvas& c) {
    // Tab behind the badge, reaching the cell's right edge at the digits' row.
    c.fillRect(18, 12, 13, 9, wpal::kPanel1);
    c.fillRect(18, 12, 13, 1, wpal::kPanel2);
    c.fillRect(18, 20, 13, 1, wpal::kPanel0);
    // Badge.
    c.circle(13, 16, 10, wpal::kPanel1, true);
    c.circle(13, 16, 10, wpal::kPanel0, false);
    c.circle(12, 15, 8, wpal::kPanel2, false);
    c.circle(13, 16, 7, wpal::kPanel0, true);
    // Heart, lit from the top left.
    c.blit(7, 11,
           {".rr...rr.", "rRRr.rRRr", "rRWRrRRRr", "rRRRRRRRr", ".rRRRRRr.", "..rRRRr..",
            "...rRr...", "....r...."},
           {{'r', wpal::kHeart0}, {'R', wpal::kHeart1}, {'W', wpal::kHeart2}});
    // The plate under the digits (view x 48 to 66), as tall as the tab it
    // continues, its right end rounded.
    c.fillRect(32, 12, 18, 9, wpal::kPanel1);
    c.fillRect(32, 12, 18, 1, wpal::kPanel2);
    c.fillRect(32, 20, 18, 1, wpal::kPanel0);
    c.fillRect(50, 13, 1, 7, wpal::kPanel1);
    outlineRegion(c, 0, 0, 32, 32, pal::kInk);
    outlineRegion(c, 32, 0, 32, 32, pal::kInk);
}

const SheetRegistration kSheet{{"hud.tga", 64, 32, false, drawHud}};

}  // namespace
