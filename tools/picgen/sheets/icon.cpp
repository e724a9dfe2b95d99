// The desktop icon, 64 x 64: the vanta curled into its ball, glowing eye and
// all, on the dark panel of the health badge. Installed as
// share/icons/hicolor/64x64/apps/quasarine.png.
#include "Canvas.h"
#include "GamePalette.h"
#include "WorldPalette.h"

namespace {

void drawIcon(Canvas& c) {
    // A square of panel blue with an ink rim (the sheet's colour key would
    // show in an icon, so every pixel is painted).
    c.fillRect(0, 0, 64, 64, pal::kInk);
    c.fillRect(2, 2, 60, 60, wpal::kPanel0);
    c.fillRect(4, 4, 56, 2, wpal::kPanel1);
    // The ball: a dark sphere lit from the top left, with plates and the eye.
    c.circle(32, 34, 22, pal::kInk, true);
    c.circle(32, 34, 21, pal::kVanta0, true);
    c.circle(29, 31, 17, pal::kVanta1, true);
    c.circle(26, 27, 10, pal::kVanta2, true);
    c.circle(23, 24, 4, pal::kVanta3, true);
    c.line(14, 40, 50, 40, pal::kVanta0);
    c.line(18, 47, 46, 47, pal::kVanta0);
    c.circle(40, 33, 4, pal::kInk, true);
    c.circle(40, 33, 3, pal::kGlow, true);
    c.set(39, 32, Rgba{255, 255, 255, 255});
}

const SheetRegistration kSheet{{"icon.tga", 64, 64, false, drawIcon}};

}  // namespace
