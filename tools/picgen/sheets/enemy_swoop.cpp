// The swoop: a horned, stinging bat that hangs from the ceiling and dives.
// It is never mirrored, so it is drawn facing the viewer, left and right
// halves alike. Frames 0 1 2 beat the wings (up, level, down); 4 5 6 are the
// same frames lit by a hit. Its box is 10 x 25 around the frame centre, so
// the horns start near row 4 and the stinger ends on row 28.
#include "sheets/CharacterArt.h"
#include "sheets/CharacterPalette.h"

namespace {

using charart::Point;

const Rgba kInk = charpal::kEnemyInk;

// One wing on the left side, given the tip and where the trailing edge meets
// the body; the right wing is its mirror image.
struct Wing {
    Point tip;
    Point finger;  // the second bone's end, between tip and body
    Point root;    // trailing edge back at the body
};

void drawWing(Canvas& c, const Wing& w) {
    const Point shoulder{13.5f, 12.0f};
    charart::fillPolygon(c, {shoulder, w.tip, w.finger, w.root}, charpal::kMembrane.tone[1]);
    charart::fillPolygon(c, {shoulder, w.tip, w.finger}, charpal::kMembrane.tone[2]);
    const Rgba bone = charpal::kBone.tone[1];
    c.line(13, 12, static_cast<int>(w.tip.x), static_cast<int>(w.tip.y), bone);
    c.line(13, 12, static_cast<int>(w.finger.x), static_cast<int>(w.finger.y),
           charpal::kBone.tone[0]);
    c.set(static_cast<int>(w.tip.x), static_cast<int>(w.tip.y), charpal::kBone.tone[3]);
}

Canvas swoop(const Wing& wing) {
    // The left half and the body, then the mirror of the left half on top.
    Canvas wings(32, 32);
    drawWing(wings, wing);
    wings.copyFrom(charart::mirrored(wings), 0, 0, 32, 32, 0, 0);
    charart::outline(wings, kInk);

    Canvas body(32, 32);
    // Segmented tail ending in a stinger.
    charart::shadeTube(body, {16.0f, 18.0f}, {16.0f, 25.0f}, 2.6f, 1.2f, charpal::kCarapace);
    for (int y = 20; y <= 24; y += 2) {
        body.set(15, y, charpal::kCarapace.tone[0]);
        body.set(16, y, charpal::kCarapace.tone[0]);
    }
    charart::fillPolygon(body, {{15.0f, 25.0f}, {17.0f, 25.0f}, {16.0f, 28.5f}},
                         charpal::kBone.tone[2]);
    // Hooked claws under the chest.
    body.line(13, 18, 12, 20, charpal::kBone.tone[1]);
    body.line(18, 18, 19, 20, charpal::kBone.tone[1]);
    charart::shadeEllipse(body, 16.0f, 14.0f, 3.6f, 4.6f, charpal::kCarapace);
    // Horned head.
    charart::fillPolygon(body, {{13.0f, 8.0f}, {10.0f, 2.0f}, {15.5f, 6.5f}},
                         charpal::kBone.tone[2]);
    charart::fillPolygon(body, {{19.0f, 8.0f}, {22.0f, 2.0f}, {16.5f, 6.5f}},
                         charpal::kBone.tone[1]);
    charart::shadeEllipse(body, 16.0f, 8.8f, 3.4f, 2.8f, charpal::kCarapace);
    charart::outline(body, kInk);
    // Slanted glaring eyes and two fangs.
    body.set(13, 8, pal::kYellow);
    body.set(14, 9, pal::kYellow);
    body.set(18, 8, pal::kYellow);
    body.set(17, 9, pal::kYellow);
    body.set(14, 11, pal::kWhite);
    body.set(17, 11, pal::kWhite);
    body.set(14, 12, charpal::kBone.tone[1]);
    body.set(17, 12, charpal::kBone.tone[1]);

    wings.copyFrom(body, 0, 0, 32, 32, 0, 0);
    return wings;
}

void drawSwoop(Canvas& sheet) {
    const Wing poses[3] = {
        {{3.5f, 2.5f}, {6.5f, 9.5f}, {13.0f, 15.0f}},    // raised
        {{1.5f, 12.0f}, {6.0f, 16.5f}, {13.0f, 16.0f}},  // level
        {{4.0f, 23.5f}, {9.0f, 22.0f}, {13.0f, 17.0f}},  // beaten down
    };
    for (int i = 0; i < 3; ++i) {
        const Canvas plain = swoop(poses[i]);
        charart::placeFrame(sheet, i, plain);
        Canvas hit = plain;
        charart::flash(hit, kInk, charpal::kFlash);
        charart::placeFrame(sheet, 4 + i, hit);
    }
}

SheetRegistration reg{{"enemy_swoop.tga", 256, 32, /*withAlpha*/ false, drawSwoop}};

}  // namespace
