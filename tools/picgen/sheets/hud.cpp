// The health panel, drawn at view (32, 210) with the two health digits
// printed just right of it from x 47: a round badge holding a heart, and a
// tab on its right edge that the digits continue from.
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
    outlineRegion(c, 0, 0, 32, 32, pal::kInk);
}

const SheetRegistration kSheet{{"hud.tga", 32, 32, false, drawHud}};

}  // namespace
