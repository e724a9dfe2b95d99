// The helmet: a hunched creature under a spiked steel helmet that shots
// glance off. It faces left (the game mirrors it to face right). Frames:
// 0 hiding under the helmet, 1 2 rising, 3 4 walking. Its box is 12 x 14
// around the frame centre, so it stands on row 22.
#include "sheets/CharacterArt.h"
#include "sheets/CharacterPalette.h"

namespace {

const Rgba kInk = charpal::kEnemyInk;

// The helmet with its brim at row `brim`.
void drawHelmet(Canvas& c, int brim) {
    Canvas dome(32, 32);
    const float b = static_cast<float>(brim);
    charart::fillPolygon(dome, {{14.5f, b - 6.5f}, {16.5f, b - 11.5f}, {18.5f, b - 6.5f}},
                         charpal::kBone.tone[2]);
    charart::shadeEllipse(dome, 16.0f, b, 8.0f, 7.0f, charpal::kHelmetSteel);
    // Cut the dome flat at the brim and lay the brim band over it.
    dome.fillRect(0, brim, 32, 32 - brim, kTransparent);
    dome.fillRect(7, brim - 1, 18, 2, charpal::kHelmetSteel.tone[1]);
    dome.fillRect(8, brim - 1, 16, 1, charpal::kHelmetSteel.tone[2]);
    // Red warning rivets round the dome.
    dome.set(11, brim - 4, pal::kRed2);
    dome.set(16, brim - 5, pal::kRed2);
    dome.set(21, brim - 4, pal::kRed1);
    charart::outline(dome, kInk);
    c.copyFrom(dome, 0, 0, 32, 32, 0, 0);
}

// The body under a helmet whose brim is at row `brim`: it fills the space
// down to the ground (feet on row 21, outline on 22).
void drawBody(Canvas& c, int brim, int step, bool gun) {
    Canvas body(32, 32);
    const float top = static_cast<float>(brim), ground = 21.5f;
    if (ground - top > 4.0f) {
        // Legs: short and clawed, alternating when walking.
        const int front = step == 1 ? -2 : step == 2 ? 1 : 0;
        const int back = -front;
        body.fillRect(12 + front, 18, 2, 4, charpal::kGrub.tone[2]);
        body.fillRect(18 + back, 18, 2, 4, charpal::kGrub.tone[1]);
        body.fillRect(11 + front, 21, 2, 1, charpal::kBone.tone[2]);
        body.fillRect(17 + back, 21, 2, 1, charpal::kBone.tone[1]);
    }
    const float bottom = ground - (ground - top > 4.0f ? 2.0f : 0.0f);
    charart::shadeEllipse(body, 16.0f, (top + bottom) * 0.5f, 6.0f, (bottom - top) * 0.5f,
                          charpal::kGrub);
    if (gun) {
        charart::shadeTube(body, {12.0f, top + 3.5f}, {8.5f, top + 3.5f}, 1.5f, 1.8f,
                           charpal::kSteel);
        body.set(7, brim + 3, kInk);
        body.set(7, brim + 4, kInk);
    }
    charart::outline(body, kInk);
    // Glaring eyes under the brim, looking left.
    body.set(11, brim + 2, pal::kYellow);
    body.set(12, brim + 2, pal::kRed2);
    body.set(14, brim + 2, pal::kYellow);
    body.set(15, brim + 2, pal::kRed2);
    c.copyFrom(body, 0, 0, 32, 32, 0, 0);
}

Canvas helmet(int brim, int step, bool gun) {
    Canvas c(32, 32);
    if (brim < 21) drawBody(c, brim, step, gun);
    drawHelmet(c, brim);
    return c;
}

void drawHelmetSheet(Canvas& sheet) {
    charart::placeFrame(sheet, 0, helmet(21, 0, false));
    charart::placeFrame(sheet, 1, helmet(18, 0, false));
    charart::placeFrame(sheet, 2, helmet(14, 0, true));
    charart::placeFrame(sheet, 3, helmet(14, 1, true));
    charart::placeFrame(sheet, 4, helmet(15, 2, true));
}
SheetRegistration reg{{"enemy_helmet.tga", 256, 32, /*withAlpha*/ false, drawHelmetSheet}};

}  // namespace
