// The raka: a fanged fish that leaps up out of the ground or the water and
// sinks back. Drawn upright, head up and mouth to the left (the game mirrors
// it to face right). Frames: 0 at rest, 1 2 3 the leap (launch, jaws wide,
// snapping shut at the top). Its box is 20 x 30 around the frame centre.
#include <cmath>

#include "sheets/CharacterArt.h"
#include "sheets/CharacterPalette.h"

namespace {

using charart::Point;

const Rgba kInk = charpal::kEnemyInk;

struct Pose {
    float bend;       // tail swing to the right, pixels
    float stretch;    // extra body length
    float jaw;        // how far the jaw hangs open, pixels
    float finSpread;  // 0 folded .. 1 spread
};

Canvas raka(const Pose& p) {
    Canvas fins(32, 32);
    const float top = 4.0f - p.stretch * 0.5f;
    const float tailY = 27.0f + p.stretch * 0.5f;
    // Tail fin: a forked fan below the body.
    charart::fillPolygon(fins,
                         {{15.0f + p.bend * 0.5f, tailY - 4.0f},
                          {10.0f + p.bend, tailY + 3.0f},
                          {15.5f + p.bend, tailY},
                          {21.0f + p.bend, tailY + 3.0f},
                          {17.5f + p.bend * 0.5f, tailY - 4.0f}},
                         charpal::kFin.tone[1]);
    // Spiked dorsal fin down the back (the right side).
    const float spread = 2.0f + 4.0f * p.finSpread;
    charart::fillPolygon(fins,
                         {{20.0f, top + 6.0f},
                          {21.5f + spread, top + 5.0f},
                          {21.0f + spread * 0.6f, top + 9.0f},
                          {22.5f + spread, top + 10.0f},
                          {21.0f + spread * 0.5f, top + 14.0f},
                          {21.5f + spread * 0.7f, top + 16.5f},
                          {19.0f, top + 18.0f}},
                         charpal::kFin.tone[2]);
    charart::outline(fins, kInk);

    Canvas body(32, 32);
    const float cy = (top + tailY) * 0.5f;
    const float ry = (tailY - top) * 0.5f;
    charart::shadeTube(body, {16.0f, top + 5.0f}, {16.0f + p.bend * 0.4f, tailY - 3.0f}, 6.0f, 2.0f,
                       charpal::kScales);
    // Fiery belly on the front (left) side.
    Canvas belly(32, 32);
    charart::shadeEllipse(belly, 13.5f, cy + 1.0f, 3.0f, ry * 0.6f, charpal::kBelly);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (!(belly.get(x, y) == kTransparent) && !(body.get(x, y) == kTransparent))
                body.set(x, y, belly.get(x, y));
    // Scale rows: short dark ticks on the back.
    for (int y = static_cast<int>(top) + 9; y < static_cast<int>(tailY) - 5; y += 3) {
        body.set(18, y, charpal::kScales.tone[0]);
        body.set(19, y + 1, charpal::kScales.tone[0]);
    }
    // The open jaw: cut a wedge out of the head and line it with fangs.
    if (p.jaw > 0.5f) {
        charart::fillPolygon(
            body,
            {{16.5f, top + 6.0f}, {9.0f, top + 3.5f - p.jaw * 0.5f}, {9.0f, top + 6.0f + p.jaw}},
            pal::kRed0);
        for (int i = 0; i < 3; ++i) {
            body.set(11 + 2 * i, static_cast<int>(top + 4.0f - p.jaw * 0.3f + i * 0.6f),
                     pal::kWhite);
            body.set(11 + 2 * i, static_cast<int>(top + 6.5f + p.jaw * 0.8f - i * 0.7f),
                     pal::kWhite);
        }
    } else {
        body.line(10, static_cast<int>(top + 5.0f), 15, static_cast<int>(top + 6.0f), kInk);
        body.set(11, static_cast<int>(top + 6.0f), pal::kWhite);
        body.set(13, static_cast<int>(top + 6.0f), pal::kWhite);
    }
    // Side fin.
    charart::fillPolygon(body,
                         {{16.0f, cy},
                          {21.0f + 2.0f * p.finSpread, cy + 3.0f - 3.0f * p.finSpread},
                          {17.5f, cy + 4.0f}},
                         charpal::kFin.tone[3]);
    charart::outline(body, kInk);
    const int ey = static_cast<int>(top + 2.0f);
    body.set(14, ey, pal::kYellow);
    body.set(15, ey, pal::kYellow);
    body.set(14, ey + 1, kInk);
    body.set(15, ey + 1, pal::kOrange);

    fins.copyFrom(body, 0, 0, 32, 32, 0, 0);
    return fins;
}

void drawRaka(Canvas& sheet) {
    const Pose poses[4] = {
        {0.0f, 0.0f, 0.0f, 0.0f},   // resting, sinking
        {-2.0f, 2.0f, 2.0f, 0.6f},  // launching
        {-1.0f, 1.0f, 4.0f, 1.0f},  // jaws wide
        {3.0f, -1.0f, 0.0f, 0.5f},  // snapping shut at the top
    };
    for (int i = 0; i < 4; ++i) charart::placeFrame(sheet, i, raka(poses[i]));
}

SheetRegistration reg{{"enemy_raka.tga", 128, 32, /*withAlpha*/ false, drawRaka}};

}  // namespace
