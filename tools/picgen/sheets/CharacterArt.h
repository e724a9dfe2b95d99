#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

// Drawing helpers shared by the character sheets (the two player forms, the
// enemies and the dragon). Shapes are shaded in a few flat tones with the
// light coming from the top left, then outlined one pixel wide, so every
// actor reads the same way at the game's 2x scale.
namespace charart {

// Four tones of one material, darkest first.
struct Ramp {
    Rgba tone[4];
};

// A point in canvas pixels (x right, y down); pixel (i, j) has its centre at
// (i + 0.5, j + 0.5).
struct Point {
    float x;
    float y;
};

// The tone index (0..3) of a surface whose unit normal is (nx, ny, nz) in
// canvas axes (ny down, nz towards the viewer), lit from the upper left.
int toneIndex(float nx, float ny, float nz);

// A filled ellipse shaded as a dome.
void shadeEllipse(Canvas& c, float cx, float cy, float rx, float ry, const Ramp& ramp);
// A round-ended tube from (x0, y0) radius r0 to (x1, y1) radius r1, shaded as a
// cylinder across its axis.
void shadeTube(Canvas& c, Point a, Point b, float r0, float r1, const Ramp& ramp);
// Filled polygon, pixels whose centres lie inside (even-odd rule).
void fillPolygon(Canvas& c, const std::vector<Point>& points, Rgba colour);

// Text pixel art as a canvas of its own size; '.' and unknown characters stay
// transparent. `mirror` flips each row left to right.
Canvas fromText(const std::vector<std::string>& rows, const Palette& palette, bool mirror = false);

// Rings every opaque region with `ink` on its transparent 4-neighbours.
void outline(Canvas& c, Rgba ink);
// Copies `part` onto `onto` at (x, y) after giving it its own outline, so a
// part in front keeps a dark edge against the parts behind it.
void stampOutlined(Canvas& onto, const Canvas& part, int x, int y, Rgba ink);
// Copies a 32 x 32 canvas into frame `frame` of a sheet.
void placeFrame(Canvas& sheet, int frame, const Canvas& cell);
// Frame `frame` of a sheet as a 32 x 32 canvas of its own.
Canvas frameOf(const Canvas& sheet, int frame);

// Bright hit-flash version of a picture: outline pixels (`ink`) stay, every
// other opaque pixel is mapped by its brightness onto the flash ramp.
void flash(Canvas& c, Rgba ink, const Ramp& flashRamp);

// Mirrors a whole canvas left to right.
Canvas mirrored(const Canvas& c);

// Counts the non-transparent pixels in a rectangle.
int opaqueCount(const Canvas& c, int x, int y, int w, int h);

}  // namespace charart
