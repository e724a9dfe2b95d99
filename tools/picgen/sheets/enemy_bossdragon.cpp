// The dragon boss, drawn whole (about 125 x 180 units, head to the right)
// and cut into the 32 x 32 frames that the game draws around the dragon's
// centre at fixed offsets, so that the pieces join up again on screen:
//   0 to 5   the body, two columns by three rows
//   6 7      upper neck and the head
//   8 10     lower neck (10 with fire rising in the throat, in flight)
//   9 11     the jaw, shut and gaping (11 sits 4 units further back)
//   12 13    the near wing folded and raised
//   14 15    the tail hanging (hovering), 17 16 the tail streaming (flight)
//   18 19    the hind leg, shown only in flight, beneath everything
// Each pose-dependent piece is drawn on a layer of its own, so a frame never
// carries pixels of a piece that another pose replaces.
#include <cmath>

#include "sheets/CharacterArt.h"
#include "sheets/CharacterPalette.h"

namespace {

using charart::Point;

const Rgba kInk = charpal::kDragonInk;

// The whole-dragon canvas: the dragon's centre sits at (kOriginX, kOriginY),
// x right and y up in dragon units as the game places the parts.
constexpr int kCanvasWidth = 160;
constexpr int kCanvasHeight = 200;
constexpr float kOriginX = 56.0f;
constexpr float kOriginY = 64.0f;

Point at(float x, float y) {
    return {kOriginX + x, kOriginY - y};
}

void tube(Canvas& c, Point a, Point b, float r0, float r1, const charart::Ramp& ramp) {
    charart::shadeTube(c, at(a.x, a.y), at(b.x, b.y), r0, r1, ramp);
}

void polygon(Canvas& c, std::vector<Point> points, Rgba colour) {
    for (Point& p : points) p = at(p.x, p.y);
    charart::fillPolygon(c, points, colour);
}

Canvas layer() {
    return Canvas(kCanvasWidth, kCanvasHeight);
}

// A chain of tubes through the points with the given radii.
void chain(Canvas& c, const std::vector<Point>& points, const std::vector<float>& radii,
           const charart::Ramp& ramp) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        tube(c, points[i], points[i + 1], radii[i], radii[i + 1], ramp);
    }
}

void claws(Canvas& c, Point base, float dx, float dy, int count) {
    for (int i = 0; i < count; ++i) {
        const float o = (i - (count - 1) * 0.5f) * 3.0f;
        polygon(c,
                {{base.x + o - 1.2f, base.y},
                 {base.x + o + 1.2f, base.y},
                 {base.x + o + dx, base.y + dy}},
                charpal::kBone.tone[2]);
    }
}

Canvas bodyLayer() {
    Canvas c = layer();
    // Dorsal spikes down the back.
    for (int i = 0; i < 6; ++i) {
        const float y = 22.0f - i * 13.0f;
        const float x = -24.0f - (i == 0 || i == 5 ? -4.0f : 0.0f);
        polygon(c, {{x + 4, y + 4}, {x - 6, y - 1}, {x + 4, y - 6}}, charpal::kBone.tone[1]);
    }
    // Stub of the tail under the belly, where either tail pose attaches.
    tube(c, {-6, -44}, {-9, -60}, 11.0f, 9.0f, charpal::kDragonHide);
    charart::shadeEllipse(c, kOriginX, kOriginY + 15.0f, 26.0f, 44.0f, charpal::kDragonHide);
    // Ember belly plates on the front.
    Canvas belly = layer();
    charart::shadeEllipse(belly, kOriginX + 12.0f, kOriginY + 14.0f, 12.0f, 38.0f,
                          charpal::kDragonBelly);
    for (int y = 0; y < kCanvasHeight; ++y) {
        for (int x = 0; x < kCanvasWidth; ++x) {
            if (belly.get(x, y) == kTransparent || c.get(x, y) == kTransparent) continue;
            c.set(x, y, (y % 6 == 0) ? charpal::kDragonBelly.tone[0] : belly.get(x, y));
        }
    }
    charart::outline(c, kInk);
    // The near fore-arm, claws out front.
    Canvas arm = layer();
    chain(arm, {{10, 10}, {20, -6}, {27, 2}}, {6.0f, 4.5f, 3.5f}, charpal::kDragonHide);
    claws(arm, {28, 4}, 2.0f, 5.0f, 2);
    claws(arm, {29, 0}, 3.5f, -3.0f, 1);
    charart::outline(arm, kInk);
    c.copyFrom(arm, 0, 0, kCanvasWidth, kCanvasHeight, 0, 0);
    return c;
}

// Neck, skull, horns and upper jaw. `fire`: embers glow in the throat.
Canvas headLayer(bool fire) {
    Canvas c = layer();
    // Horns sweep back from the skull.
    polygon(c, {{34, 44}, {40, 47}, {18, 55}}, charpal::kBone.tone[2]);
    polygon(c, {{38, 48}, {42, 46}, {30, 55}}, charpal::kBone.tone[1]);
    chain(c, {{14, 6}, {22, 22}, {30, 36}}, {10.0f, 8.5f, 8.0f}, charpal::kDragonHide);
    charart::shadeEllipse(c, kOriginX + 42.0f, kOriginY - 39.0f, 11.0f, 9.0f, charpal::kDragonHide);
    tube(c, {48, 35}, {70, 32}, 6.5f, 4.5f, charpal::kDragonHide);
    // Upper fangs.
    for (int i = 0; i < 4; ++i) {
        const float x = 52.0f + i * 5.0f;
        polygon(c, {{x - 1.2f, 28.5f}, {x + 1.2f, 28.5f}, {x, 24.5f}}, charpal::kBone.tone[3]);
    }
    if (fire) {
        // Fire rising in the throat shows through the scales of the neck.
        tube(c, {18, 8}, {24, 22}, 3.0f, 2.0f, charpal::kEyeFire);
    }
    charart::outline(c, kInk);
    // Glowing eye under a heavy brow, nostril at the tip.
    const Point eye = at(47, 41);
    c.fillRect(static_cast<int>(eye.x), static_cast<int>(eye.y), 3, 1, pal::kYellow);
    c.set(static_cast<int>(eye.x) - 1, static_cast<int>(eye.y) - 1, kInk);
    c.fillRect(static_cast<int>(eye.x), static_cast<int>(eye.y) - 1, 4, 1, kInk);
    const Point nostril = at(68, 35);
    c.set(static_cast<int>(nostril.x), static_cast<int>(nostril.y), kInk);
    return c;
}

Canvas jawLayer(bool open) {
    Canvas c = layer();
    if (!open) {
        polygon(c, {{42, 26}, {70, 26.5f}, {66, 21}, {46, 18}}, charpal::kDragonHide.tone[1]);
        polygon(c, {{44, 25}, {68, 25.5f}, {64, 23}, {46, 22}}, charpal::kDragonHide.tone[2]);
    } else {
        // Gaping: the mouth's glow between the jaws, the jaw hanging low.
        polygon(c, {{42, 26}, {66, 26.5f}, {60, 12}, {44, 16}}, pal::kRed1);
        polygon(c, {{46, 24}, {58, 24}, {54, 17}, {47, 19}}, pal::kOrange);
        polygon(c, {{42, 20}, {62, 10}, {60, 5}, {44, 12}}, charpal::kDragonHide.tone[1]);
        polygon(c, {{43, 18}, {60, 9}, {59, 7}, {44, 14}}, charpal::kDragonHide.tone[2]);
        for (int i = 0; i < 3; ++i) {
            const float x = 48.0f + i * 5.0f, y = 17.0f - i * 2.5f;
            polygon(c, {{x - 1.2f, y - 1}, {x + 1.2f, y - 1.5f}, {x + 0.5f, y + 3.0f}},
                    charpal::kBone.tone[3]);
        }
    }
    charart::outline(c, kInk);
    return c;
}

// The near wing: bones from the shoulder to the wrist, fingers spreading the
// membrane.
Canvas wingLayer(bool raised) {
    Canvas c = layer();
    const Point shoulder = raised ? Point{-4, 18} : Point{-8, 18};
    const Point wrist = raised ? Point{-20, 34} : Point{-28, 20};
    const std::vector<Point> tips =
        raised ? std::vector<Point>{{-29, 32}, {-29, 14}, {-20, 7}, {-6, 9}}
               : std::vector<Point>{{-35, 10}, {-33, -4}, {-24, -6}, {-12, 2}};
    std::vector<Point> membrane{shoulder, wrist};
    for (const Point& t : tips) membrane.push_back(t);
    polygon(c, membrane, charpal::kDragonWing.tone[1]);
    polygon(c, {shoulder, wrist, tips[1]}, charpal::kDragonWing.tone[2]);
    charart::outline(c, kInk);
    tube(c, shoulder, wrist, 2.5f, 2.0f, charpal::kDragonHide);
    for (const Point& t : tips) {
        const Point a = at(wrist.x, wrist.y), b = at(t.x, t.y);
        c.line(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x),
               static_cast<int>(b.y), charpal::kDragonHide.tone[1]);
    }
    polygon(c, {{wrist.x - 1, wrist.y}, {wrist.x + 1, wrist.y}, {wrist.x - 1, wrist.y + 4}},
            charpal::kBone.tone[2]);
    return c;
}

Canvas tailLayer(bool streaming) {
    Canvas c = layer();
    std::vector<Point> path;
    Point tip, dir;
    if (!streaming) {
        path = {{-11, -56}, {-16, -78}, {-12, -98}, {-15, -112}};
        tip = {-15, -112};
        dir = {0, -1};
    } else {
        path = {{-6, -56}, {-4, -73}, {-16, -84}, {-32, -82}, {-43, -76}};
        tip = {-43, -76};
        dir = {-1, 0.4f};
    }
    std::vector<float> radii;
    for (std::size_t i = 0; i < path.size(); ++i) {
        radii.push_back(9.0f - 7.0f * i / (path.size() - 1));
    }
    chain(c, path, radii, charpal::kDragonHide);
    // The spade at the end of the tail.
    const Point side{-dir.y, dir.x};
    polygon(c,
            {{tip.x + side.x * 4, tip.y + side.y * 4},
             {tip.x + dir.x * 6, tip.y + dir.y * 6},
             {tip.x - side.x * 4, tip.y - side.y * 4},
             {tip.x - dir.x * 1, tip.y - dir.y * 1}},
            charpal::kBone.tone[1]);
    charart::outline(c, kInk);
    return c;
}

Canvas hindLegLayer() {
    Canvas c = layer();
    charart::shadeEllipse(c, kOriginX + 10.0f, kOriginY + 52.0f, 9.0f, 8.0f, charpal::kDragonHide);
    chain(c, {{12, -56}, {9, -74}, {14, -82}}, {5.0f, 3.5f, 3.0f}, charpal::kDragonHide);
    claws(c, {14, -84}, 1.0f, -5.0f, 3);
    charart::outline(c, kInk);
    return c;
}

// Cuts the 32 x 32 frame centred on dragon offset (ox, oy) out of a layer.
void cutPart(Canvas& sheet, int frame, const Canvas& from, float ox, float oy) {
    Canvas cell(32, 32);
    const int left = static_cast<int>(std::floor(kOriginX + ox - 16.0f));
    const int top = static_cast<int>(std::floor(kOriginY - oy - 16.0f));
    cell.copyFrom(from, left, top, 32, 32, 0, 0);
    charart::placeFrame(sheet, frame, cell);
}

void drawDragon(Canvas& sheet) {
    const Canvas body = bodyLayer();
    const float bodyParts[6][2] = {{-15, 15.5f}, {15, 15.5f}, {-15, -15},
                                   {15, -15},    {-15, -45},  {15, -45}};
    for (int i = 0; i < 6; ++i) cutPart(sheet, i, body, bodyParts[i][0], bodyParts[i][1]);

    const Canvas head = headLayer(false);
    cutPart(sheet, 6, head, 30, 40);
    cutPart(sheet, 7, head, 60, 40);
    cutPart(sheet, 8, head, 30, 10);
    cutPart(sheet, 10, headLayer(true), 30, 10);
    cutPart(sheet, 9, jawLayer(false), 60, 10);
    cutPart(sheet, 11, jawLayer(true), 56, 10);

    cutPart(sheet, 12, wingLayer(false), -21, 8);
    cutPart(sheet, 13, wingLayer(true), -15, 20.5f);

    const Canvas hanging = tailLayer(false);
    cutPart(sheet, 14, hanging, -15, -75);
    cutPart(sheet, 15, hanging, -14, -105);
    const Canvas streaming = tailLayer(true);
    cutPart(sheet, 17, streaming, -3, -75);
    cutPart(sheet, 16, streaming, -33, -78);

    const Canvas leg = hindLegLayer();
    cutPart(sheet, 19, leg, 12, -60);
    cutPart(sheet, 18, leg, 7, -76);
}

SheetRegistration reg{{"enemy_bossdragon.tga", 256, 128, /*withAlpha*/ false, drawDragon}};

}  // namespace
