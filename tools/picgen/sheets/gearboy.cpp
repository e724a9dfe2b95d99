// The gearboy: the little brass robot the game starts as. Frames (as the
// player drawing uses them):
//   0 standing, 1 idle glance, 2 3 4 walking (cycle 2 3 2 4), 5 in the air,
//   6 firing in the air, 8 firing standing, 10 11 12 firing while walking,
//   14 and 16 the hurt poses, 16 to 19 the hit burst, 20 to 23 appearing.
// Geometry: the body box is 12 x 24 with its feet 14 units below the drawn
// point's height, so boots end on cell row 28. Standing frames are drawn 4
// units ahead of the body (2 in the air), so their body is centred on cell
// column 12 (14 in the air) and the arm cannon reaches forward of it; the
// hurt and appearing frames are drawn on the body itself, centred on 16.
#include <cmath>

#include "sheets/CharacterArt.h"
#include "sheets/CharacterPalette.h"

namespace {

using charart::stampOutlined;

const Rgba kInk = charpal::kGearInk;

const Palette& gearPalette() {
    static const Palette p = {
        {'1', charpal::kBrass.tone[0]},
        {'2', charpal::kBrass.tone[1]},
        {'3', charpal::kBrass.tone[2]},
        {'4', charpal::kBrass.tone[3]},
        {'m', charpal::kSteel.tone[0]},
        {'n', charpal::kSteel.tone[1]},
        {'o', charpal::kSteel.tone[2]},
        {'p', charpal::kSteel.tone[3]},
        {'v', charpal::kVisor.tone[0]},
        {'w', charpal::kVisor.tone[1]},
        {'x', charpal::kVisor.tone[2]},
        {'y', charpal::kVisor.tone[3]},
        {'r', charpal::kLamp},
        {'k', kInk},
        {'Y', pal::kYellow},
    };
    return p;
}

Canvas art(const std::vector<std::string>& rows) {
    return charart::fromText(rows, gearPalette());
}

enum class Look { Ahead, Glance, Wince };
enum class Arm { Down, Back, Forward, UpForward, Flung };

// One leg: hip, knee and foot (the boot's heel) in cell pixels.
struct Leg {
    int hipX, hipY, kneeX, kneeY, footX, footY;
};

struct Pose {
    int dx = 0;  // whole figure shift, pixels
    int dy = 0;  // body (head, torso, arms) shift over the legs
    Look look = Look::Ahead;
    Arm arm = Arm::Down;
    Leg back{10, 21, 10, 23, 10, 26};
    Leg front{13, 21, 13, 23, 13, 26};
};

Canvas head(Look look) {
    if (look == Look::Wince) {
        return art({
            "..33332...",
            ".3443332..",
            "344333kkk.",
            "34333kvvvk",
            "3332kvvvvk",
            "3322vkkkkv",
            ".22221111.",
        });
    }
    if (look == Look::Glance) {
        return art({
            "..33332...",
            ".3443332..",
            "344333vvvv",
            "34333vvvvv",
            "3332vyxwwv",
            "3322vvvvvv",
            ".22221111.",
        });
    }
    return art({
        "..33332...",
        ".3443332..",
        "344333vvvv",
        "34333vwxyv",
        "3332vwwwxv",
        "3322vvvvvv",
        ".22221111.",
    });
}

Canvas antenna(bool lit) {
    return lit ? art({"Y.", "o.", "o."}) : art({"r.", "o.", "o."});
}

Canvas torso() {
    return art({
        "34333321",
        "3433mm21",
        "343mopm1",
        "333mppm1",
        "3332mm21",
        "33322221",
        "onnnnnnm",
    });
}

// The front arm; returns the part and where its top-left goes relative to the
// shoulder at (10, 15).
struct ArmPart {
    Canvas part;
    int x;
    int y;
};

ArmPart arm(Arm a) {
    switch (a) {
        case Arm::Down:
            return {art({"433", "332", "332", "onm", "onm", "nmm"}), 10, 15};
        case Arm::Back:
            return {art({"433.", "332.", ".332", ".onm", ".onm", "..nm"}), 8, 15};
        case Arm::Forward:
            return {art({"43333onnnnp", "33322onnnnp", "22211mmmmmk"}), 10, 14};
        case Arm::UpForward:
            // Angled up and ahead: the in-air shot leaves 5 units higher.
            return {art({
                        "..........onp",
                        ".......onnnnp",
                        "43333onnnmmk.",
                        "3332211mm....",
                        "221..........",
                    }),
                    10, 11};
        case Arm::Flung:
            // Thrown back over the shoulder by a hit.
            return {art({"onm...", "onm...", ".332..", "..332.", "...433", "....33"}), 2, 11};
    }
    return {art({"433"}), 10, 15};
}

// A leg as two steel strokes two pixels wide and a brass boot.
Canvas leg(const Leg& l, bool front) {
    Canvas c(32, 32);
    const Rgba light = front ? charpal::kSteel.tone[2] : charpal::kSteel.tone[1];
    const Rgba dark = front ? charpal::kSteel.tone[1] : charpal::kSteel.tone[0];
    c.line(l.hipX, l.hipY, l.kneeX, l.kneeY, light);
    c.line(l.hipX + 1, l.hipY, l.kneeX + 1, l.kneeY, dark);
    c.line(l.kneeX, l.kneeY, l.footX, l.footY, light);
    c.line(l.kneeX + 1, l.kneeY, l.footX + 1, l.footY, dark);
    const Canvas boot = front ? art({"3332", "2211"}) : art({"2221", "1111"});
    c.copyFrom(boot, 0, 0, 4, 2, l.footX - 1, l.footY);
    return c;
}

void stampLeg(Canvas& cell, const Leg& l, bool front, int dx) {
    Canvas c = leg(l, front);
    charart::outline(c, kInk);
    cell.copyFrom(c, 0, 0, 32, 32, dx, 0);
}

Canvas figure(const Pose& pose) {
    Canvas cell(32, 32);
    const int x = pose.dx, y = pose.dy;
    stampLeg(cell, pose.back, false, x);
    stampLeg(cell, pose.front, true, x);
    stampOutlined(cell, antenna(pose.look == Look::Glance), 9 + x, 2 + y, kInk);
    stampOutlined(cell, torso(), 8 + x, 14 + y, kInk);
    stampOutlined(cell, head(pose.look), 7 + x, 6 + y, kInk);
    const ArmPart a = arm(pose.arm);
    stampOutlined(cell, a.part, a.x + x, a.y + y, kInk);
    return cell;
}

// Walking: 2 the passing pose, 3 and 4 the two strides (hips one pixel lower).
Pose walkPose(int step) {
    Pose p;
    if (step == 0) {
        p.back = {11, 21, 11, 23, 11, 26};
        p.front = {13, 21, 15, 23, 14, 24};
        p.arm = Arm::Down;
    } else if (step == 1) {
        p.dy = 1;
        p.back = {10, 22, 9, 24, 7, 26};
        p.front = {13, 22, 15, 24, 16, 26};
        p.arm = Arm::Back;
    } else {
        p.dy = 1;
        p.back = {10, 22, 12, 24, 14, 26};
        p.front = {13, 22, 12, 24, 9, 26};
        p.arm = Arm::Down;
    }
    return p;
}

Pose airPose() {
    Pose p;
    p.dx = 2;
    p.dy = -1;
    p.back = {10, 20, 13, 22, 10, 24};
    p.front = {13, 20, 16, 22, 14, 25};
    return p;
}

// Sparks for the hit: short rays from a centre, every other one longer.
void starburst(Canvas& c, float cx, float cy, float inner, float outer, int rays, Rgba core,
               Rgba tip, float turn) {
    for (int i = 0; i < rays; ++i) {
        const float a = turn + 6.2831853f * i / rays;
        const float len = (i % 2 == 0) ? outer : outer * 0.6f;
        const int x0 = static_cast<int>(std::lround(cx + inner * std::cos(a)));
        const int y0 = static_cast<int>(std::lround(cy + inner * std::sin(a)));
        const int x1 = static_cast<int>(std::lround(cx + len * std::cos(a)));
        const int y1 = static_cast<int>(std::lround(cy + len * std::sin(a)));
        c.line(x0, y0, x1, y1, core);
        c.set(x1, y1, tip);
    }
}

Canvas hitBurst(int stage) {
    Canvas c(32, 32);
    const Rgba white = pal::kWhite;
    if (stage == 0) {
        c.circle(16, 16, 3, pal::kYellow, true);
        c.circle(16, 16, 1, white, true);
        starburst(c, 16, 16, 3, 9, 8, pal::kYellow, white, 0.0f);
    } else if (stage == 1) {
        c.circle(16, 16, 6, pal::kOrange, false);
        starburst(c, 16, 16, 7, 12, 8, pal::kYellow, white, 0.39f);
        c.circle(16, 16, 2, pal::kYellow, true);
    } else {
        starburst(c, 16, 16, 10, 13, 8, pal::kRed2, pal::kOrange, 0.0f);
        c.set(16, 16, pal::kOrange);
    }
    return c;
}

// The transport beam, bright in the core and fading to the visor blue.
Canvas beam(int halfWidth, int top, int bottom) {
    Canvas c(32, 32);
    for (int y = top; y <= bottom; ++y) {
        for (int dx = -halfWidth; dx < halfWidth; ++dx) {
            const int edge = std::min(dx + halfWidth, halfWidth - 1 - dx);
            const Rgba col = edge == 0   ? charpal::kVisor.tone[1]
                             : edge == 1 ? charpal::kVisor.tone[2]
                                         : charpal::kVisor.tone[3];
            c.set(16 + dx, y, col);
        }
    }
    return c;
}

// Every other row of `figure` (or all of them), recoloured in the beam's light.
Canvas materialise(const Canvas& figure, int rowStep) {
    Canvas lit = figure;
    charart::flash(lit, kInk, charpal::kVisor);
    Canvas c(32, 32);
    for (int y = 0; y < 32; y += rowStep) c.copyFrom(lit, 0, y, 32, 1, 0, y);
    return c;
}

void drawGearboy(Canvas& sheet) {
    using charart::placeFrame;
    Pose stand;
    placeFrame(sheet, 0, figure(stand));
    Pose glance = stand;
    glance.look = Look::Glance;
    placeFrame(sheet, 1, figure(glance));
    for (int i = 0; i < 3; ++i) {
        placeFrame(sheet, 2 + i, figure(walkPose(i)));
        Pose firing = walkPose(i);
        firing.arm = Arm::Forward;
        placeFrame(sheet, 10 + i, figure(firing));
    }
    placeFrame(sheet, 5, figure(airPose()));
    Pose airFire = airPose();
    airFire.arm = Arm::UpForward;
    placeFrame(sheet, 6, figure(airFire));
    Pose fire = stand;
    fire.arm = Arm::Forward;
    placeFrame(sheet, 8, figure(fire));

    // Hurt: knocked back onto its heels, centred on the body (drawn with no
    // lead), and the same recoil lit by the hit.
    Pose recoil;
    recoil.dx = 4;
    recoil.dy = 1;
    recoil.look = Look::Wince;
    recoil.arm = Arm::Flung;
    recoil.back = {10, 22, 8, 24, 8, 26};
    recoil.front = {13, 22, 14, 24, 15, 26};
    placeFrame(sheet, 14, figure(recoil));
    Pose struck = recoil;
    struck.dx = 3;
    struck.arm = Arm::Back;
    Canvas hit = figure(struck);
    charart::flash(hit, kInk, charpal::kFlash);
    starburst(hit, 16, 12, 11, 14, 6, pal::kYellow, pal::kWhite, 0.5f);
    placeFrame(sheet, 16, hit);
    for (int stage = 0; stage < 3; ++stage) placeFrame(sheet, 17 + stage, hitBurst(stage));

    // Appearing: the beam comes down, the robot is drawn in by it row by row.
    Pose centred = stand;
    centred.dx = 4;
    const Canvas whole = figure(centred);
    placeFrame(sheet, 20, beam(4, 1, 30));
    Canvas forming = beam(2, 1, 30);
    const Canvas half = materialise(whole, 2);
    forming.copyFrom(half, 0, 0, 32, 32, 0, 0);
    placeFrame(sheet, 21, forming);
    placeFrame(sheet, 22, materialise(whole, 1));
    Canvas done = whole;
    starburst(done, 21, 8, 0, 2, 4, pal::kWhite, charpal::kVisor.tone[3], 0.0f);
    placeFrame(sheet, 23, done);
}

SheetRegistration reg{{"gearboy.tga", 256, 128, /*withAlpha*/ false, drawGearboy}};

}  // namespace
