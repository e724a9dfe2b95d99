// The vanta: a sleek night-violet creature with a glowing eye and a glowing
// hand it shoots from. It is drawn from two frames 16 units apart: the upper
// body (head, torso, arms) over the legs (hips, legs, tail).
//   legs:  0 standing, 1 2 3 running, 4 in the air
//   upper: 5 standing, 6 aiming up, 7 8 9 running (9 also in the air),
//          10 firing standing, 11 firing up, 12 firing on the move or in the
//          air, 13 arm lowering after a shot
//   16 17 the curled upper and lower halves, 18 to 21 the rolling ball.
// Every pose is drawn on one 32 x 48 figure: the upper frame is its rows 0 to
// 31, the legs frame its rows 16 to 47, and both carry the hips so they join
// whichever pair is shown. The body box is 12 x 30 with the feet 16 units
// below the drawn point: the legs frame (drawn 8 below) ends on its row 22.
#include <cmath>

#include "sheets/CharacterArt.h"
#include "sheets/CharacterPalette.h"

namespace {

using charart::Point;
using charart::Ramp;

const Rgba kInk = charpal::kVantaInk;
constexpr int kFigureHeight = 48;
constexpr int kLegsTop = 16;  // figure row of the legs frame's row 0

// The far limbs sit in shadow: the hide ramp moved one step darker.
const Ramp kShadowHide{
    {kInk, charpal::kHide.tone[0], charpal::kHide.tone[1], charpal::kHide.tone[2]}};

// A limb chain: tubes through the points, thinning towards the end.
struct Limb {
    std::vector<Point> joints;
    float r0;
    float r1;
};

void drawLimb(Canvas& c, const Limb& limb, const Ramp& ramp) {
    const std::size_t n = limb.joints.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const float t0 = static_cast<float>(i) / (n - 1), t1 = static_cast<float>(i + 1) / (n - 1);
        charart::shadeTube(c, limb.joints[i], limb.joints[i + 1],
                           limb.r0 + (limb.r1 - limb.r0) * t0, limb.r0 + (limb.r1 - limb.r0) * t1,
                           ramp);
    }
}

// Draws one outlined part onto the figure.
template <typename Draw>
void part(Canvas& figure, Draw draw) {
    Canvas layer(32, kFigureHeight);
    draw(layer);
    charart::outline(layer, kInk);
    figure.copyFrom(layer, 0, 0, 32, kFigureHeight, 0, 0);
}

void glowDot(Canvas& c, int x, int y, bool bright) {
    c.set(x, y, charpal::kGlowRamp.tone[bright ? 3 : 2]);
    c.set(x + 1, y, charpal::kGlowRamp.tone[bright ? 2 : 1]);
    c.set(x, y + 1, charpal::kGlowRamp.tone[1]);
    c.set(x + 1, y + 1, charpal::kGlowRamp.tone[bright ? 1 : 0]);
}

void hips(Canvas& figure, float lean) {
    part(figure, [&](Canvas& c) {
        charart::shadeEllipse(c, 16.0f + lean, 25.0f, 3.6f, 2.4f, charpal::kHide);
    });
}

struct Upper {
    float lean = 0;  // head and chest shift forward, pixels
    Limb front{{{16, 20}, {16.5f, 23.5f}, {17, 27}}, 1.5f, 1.2f};
    Limb back{{{14.5f, 20}, {13.5f, 23.5f}, {13.5f, 26.5f}}, 1.3f, 1.1f};
    bool handGlow = false;  // a shot leaves the hand
};

void drawUpper(Canvas& figure, const Upper& u) {
    const float l = u.lean;
    part(figure, [&](Canvas& c) { drawLimb(c, u.back, kShadowHide); });
    part(figure, [&](Canvas& c) {
        // Torso: a narrow chest tapering to the waist.
        charart::shadeTube(c, {16.0f + l, 19.5f}, {16.0f + l * 0.5f, 24.0f}, 3.4f, 2.3f,
                           charpal::kHide);
    });
    hips(figure, 0);
    part(figure, [&](Canvas& c) {
        // Head: a long skull pointing ahead, the crest swept back.
        charart::fillPolygon(c, {{14.0f + l, 12.0f}, {9.5f + l, 8.5f}, {15.5f + l, 10.5f}},
                             charpal::kHide.tone[2]);
        charart::shadeEllipse(c, 16.5f + l, 13.5f, 3.6f, 3.2f, charpal::kHide);
        charart::shadeTube(c, {17.5f + l, 14.5f}, {21.0f + l, 15.0f}, 1.8f, 1.0f, charpal::kHide);
        charart::shadeTube(c, {16.0f + l, 16.0f}, {16.0f + l, 18.0f}, 1.4f, 1.4f, charpal::kHide);
    });
    const int ex = static_cast<int>(std::lround(17.0f + l));
    figure.set(ex, 13, charpal::kGlowRamp.tone[3]);
    figure.set(ex + 1, 13, charpal::kGlowRamp.tone[2]);
    part(figure, [&](Canvas& c) {
        drawLimb(c, u.front, charpal::kHide);
        const Point hand = u.front.joints.back();
        charart::shadeEllipse(c, hand.x, hand.y, 1.7f, 1.7f, charpal::kHide);
    });
    const Point hand = u.front.joints.back();
    glowDot(figure, static_cast<int>(std::floor(hand.x - 0.5f)),
            static_cast<int>(std::floor(hand.y - 0.5f)), u.handGlow);
    if (u.handGlow) {
        const int hx = static_cast<int>(std::floor(hand.x)),
                  hy = static_cast<int>(std::floor(hand.y));
        const Rgba rim = charpal::kGlowRamp.tone[2];
        for (int d = 2; d <= 3; ++d) {
            figure.set(hx + d, hy, rim);
            figure.set(hx - d, hy, rim);
            figure.set(hx, hy + d, rim);
            figure.set(hx, hy - d, rim);
        }
    }
}

struct Lower {
    Limb front{{{16.5f, 26}, {18, 30.5f}, {16, 34.5f}, {19.5f, 37}}, 2.0f, 1.1f};
    Limb back{{{15, 26}, {15.5f, 30.5f}, {13.5f, 34.5f}, {16.5f, 37}}, 1.9f, 1.1f};
    Limb tail{{{13.5f, 26}, {10, 28}, {7, 27}, {5, 24}}, 1.5f, 0.6f};
};

void drawLower(Canvas& figure, const Lower& lo) {
    part(figure, [&](Canvas& c) { drawLimb(c, lo.tail, kShadowHide); });
    part(figure, [&](Canvas& c) { drawLimb(c, lo.back, kShadowHide); });
    part(figure, [&](Canvas& c) { drawLimb(c, lo.front, charpal::kHide); });
    hips(figure, 0);
}

// Copies the figure rows [top, top + 32) into a frame.
void cut(Canvas& sheet, int frame, const Canvas& figure, int top) {
    Canvas cell(32, 32);
    cell.copyFrom(figure, 0, top, 32, 32, 0, 0);
    charart::placeFrame(sheet, frame, cell);
}

void upperFrame(Canvas& sheet, int frame, const Upper& u) {
    Canvas figure(32, kFigureHeight);
    drawUpper(figure, u);
    cut(sheet, frame, figure, 0);
}

void lowerFrame(Canvas& sheet, int frame, const Lower& lo) {
    Canvas figure(32, kFigureHeight);
    drawLower(figure, lo);
    cut(sheet, frame, figure, kLegsTop);
}

Limb armForward(float y) {
    return {{{16, 20}, {19.5f, y}, {23.0f, y}}, 1.5f, 1.2f};
}
Limb armUp() {
    return {{{16.5f, 20}, {18, 14}, {18, 8}}, 1.5f, 1.2f};
}

void drawLegs(Canvas& sheet) {
    lowerFrame(sheet, 0, Lower{});
    // Running: stride, passing, the other stride.
    Lower a;
    a.front = {{{16.5f, 26}, {20.5f, 29.5f}, {21.5f, 34}, {24.5f, 37}}, 2.0f, 1.1f};
    a.back = {{{15, 26}, {13.5f, 30.5f}, {9.5f, 32}, {8.5f, 35.5f}}, 1.9f, 1.1f};
    a.tail = {{{13.5f, 26}, {10, 27}, {6.5f, 26}, {4, 23}}, 1.5f, 0.6f};
    lowerFrame(sheet, 1, a);
    Lower b;
    b.front = {{{16.5f, 26}, {17.5f, 30.5f}, {15.5f, 34.5f}, {18.5f, 37}}, 2.0f, 1.1f};
    b.back = {{{15, 26}, {18.5f, 29}, {15.5f, 31.5f}, {16.5f, 34.5f}}, 1.9f, 1.1f};
    b.tail = {{{13.5f, 26}, {10, 28.5f}, {6.5f, 28.5f}, {4, 26}}, 1.5f, 0.6f};
    lowerFrame(sheet, 2, b);
    Lower c;
    c.front = {{{16.5f, 26}, {13.5f, 30}, {10, 31.5f}, {9, 35}}, 2.0f, 1.1f};
    c.back = {{{15, 26}, {19, 29.5f}, {20, 34}, {23, 37}}, 1.9f, 1.1f};
    c.tail = {{{13.5f, 26}, {10, 27.5f}, {6.5f, 27}, {4, 24}}, 1.5f, 0.6f};
    lowerFrame(sheet, 3, c);
    // In the air: knees drawn up, feet trailing.
    Lower air;
    air.front = {{{16.5f, 26}, {21, 28.5f}, {19, 32.5f}, {21.5f, 34.5f}}, 2.0f, 1.1f};
    air.back = {{{15, 26}, {18, 30}, {14.5f, 33}, {16, 36}}, 1.9f, 1.1f};
    air.tail = {{{13.5f, 26}, {10, 29}, {7, 30.5f}, {4.5f, 29}}, 1.5f, 0.6f};
    lowerFrame(sheet, 4, air);
}

void drawUppers(Canvas& sheet) {
    upperFrame(sheet, 5, Upper{});
    Upper up;
    up.front = armUp();
    upperFrame(sheet, 6, up);
    // Running: the near arm swings against the near leg.
    Upper r1;
    r1.lean = 1;
    r1.front = {{{16, 20}, {14, 23}, {12, 25}}, 1.5f, 1.2f};
    r1.back = {{{15, 20}, {18, 22.5f}, {20.5f, 21}}, 1.3f, 1.1f};
    upperFrame(sheet, 7, r1);
    Upper r2;
    r2.lean = 1;
    r2.front = {{{16, 20}, {16, 23.5f}, {17.5f, 26}}, 1.5f, 1.2f};
    upperFrame(sheet, 8, r2);
    Upper r3;
    r3.lean = 1;
    r3.front = {{{16.5f, 20}, {19.5f, 22.5f}, {22, 21}}, 1.5f, 1.2f};
    r3.back = {{{14.5f, 20}, {12.5f, 23}, {11, 25}}, 1.3f, 1.1f};
    upperFrame(sheet, 9, r3);
    // Firing: the shot leaves 8 ahead and 5 above the drawn point.
    Upper fire;
    fire.front = armForward(19);
    fire.handGlow = true;
    upperFrame(sheet, 10, fire);
    Upper fireUp = up;
    fireUp.handGlow = true;
    upperFrame(sheet, 11, fireUp);
    Upper fireRun = fire;
    fireRun.lean = 1;
    upperFrame(sheet, 12, fireRun);
    Upper lowering;
    lowering.lean = 1;
    lowering.front = {{{16, 20}, {19, 22.5f}, {21.5f, 25}}, 1.5f, 1.2f};
    upperFrame(sheet, 13, lowering);
}

// Curled up: head tucked to the knees, drawn as one round figure and split in
// two halves that overlap by a few rows (the somersault draws them 15 apart,
// the curling 16).
Canvas curledFigure() {
    Canvas figure(32, kFigureHeight);
    part(figure, [](Canvas& c) {
        drawLimb(c, {{{12.5f, 30}, {9.5f, 25}, {11, 20}}, 1.3f, 0.6f}, kShadowHide);
    });
    part(figure,
         [](Canvas& c) { charart::shadeEllipse(c, 15.5f, 28.0f, 7.0f, 8.5f, charpal::kHide); });
    part(figure, [](Canvas& c) {
        drawLimb(c, {{{17, 29}, {21.5f, 27}, {21, 33}, {17.5f, 36.5f}}, 2.2f, 1.3f},
                 charpal::kHide);
    });
    part(figure, [](Canvas& c) {
        charart::fillPolygon(c, {{14.5f, 20.5f}, {10.5f, 17.5f}, {16.5f, 19.5f}},
                             charpal::kHide.tone[2]);
        charart::shadeEllipse(c, 18.0f, 22.5f, 3.5f, 3.2f, charpal::kHide);
    });
    part(figure, [](Canvas& c) {
        drawLimb(c, {{{16, 26}, {19.5f, 28.5f}, {22.5f, 26.5f}}, 1.4f, 1.2f}, charpal::kHide);
    });
    glowDot(figure, 19, 22, false);
    glowDot(figure, 22, 26, false);
    return figure;
}

// The ball: a shaded sphere with armour seams and the glowing eye turning a
// quarter of a right angle each frame.
void drawBall(Canvas& sheet, int frame, int turn) {
    Canvas c(32, 32);
    const float cx = 16.0f, cy = 17.0f, r = 6.2f;
    charart::shadeEllipse(c, cx, cy, r, r, charpal::kHide);
    const float angle = turn * 0.3926991f;  // 22.5 degrees a frame, rolling clockwise
    for (int k = 0; k < 4; ++k) {
        const float a = angle + k * 1.5707963f;
        const float ca = std::cos(a), sa = std::sin(a);
        // A seam from near the centre to the rim.
        for (float t = 1.5f; t < r - 0.6f; t += 0.5f) {
            c.set(static_cast<int>(std::floor(cx + t * ca)),
                  static_cast<int>(std::floor(cy + t * sa)), charpal::kHide.tone[0]);
        }
    }
    const float ea = angle + 0.7853982f;
    const int ex = static_cast<int>(std::floor(cx + 3.2f * std::cos(ea)));
    const int ey = static_cast<int>(std::floor(cy + 3.2f * std::sin(ea)));
    c.set(ex, ey, charpal::kGlowRamp.tone[3]);
    c.set(ex + 1, ey, charpal::kGlowRamp.tone[2]);
    c.set(ex, ey + 1, charpal::kGlowRamp.tone[2]);
    charart::outline(c, kInk);
    charart::placeFrame(sheet, frame, c);
}

void drawVanta(Canvas& sheet) {
    drawLegs(sheet);
    drawUppers(sheet);
    const Canvas curled = curledFigure();
    Canvas upperHalf(32, kFigureHeight), lowerHalf(32, kFigureHeight);
    upperHalf.copyFrom(curled, 0, 0, 32, 30, 0, 0);
    lowerHalf.copyFrom(curled, 0, 26, 32, kFigureHeight - 26, 0, 26);
    cut(sheet, 16, upperHalf, 0);
    cut(sheet, 17, lowerHalf, kLegsTop);
    for (int i = 0; i < 4; ++i) drawBall(sheet, 18 + i, i);
}

SheetRegistration reg{{"vanta.tga", 256, 128, /*withAlpha*/ false, drawVanta}};

}  // namespace
