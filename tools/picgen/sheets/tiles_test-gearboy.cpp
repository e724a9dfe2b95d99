// The machine halls: riveted steel plates with hazard paint on every edge you
// can stand on, rusty girders for platforms, pipes, a great gear and fans in
// the background, chains and cables in front.
#include <cmath>

#include "TileCatalog.h"
#include "TileKit.h"
#include "WorldPalette.h"

namespace {

const TileMaterial kSteelPlate(TileMaterial::plate(),
                               {wpal::kSteel0, wpal::kSteel1, wpal::kSteel2, wpal::kSteel3});
const TileMaterial kBackPlate = kSteelPlate.withRamp(
    {{12, 12, 16, 255}, {26, 28, 34, 255}, {36, 38, 46, 255}, {50, 54, 62, 255}});
const TileMaterial kGirder(TileMaterial::fromText({"3333333333333333", "1111111111111111",
                                                   "2102221022210222", "2002220022200222",
                                                   "1111111111111111", "0000000000000000"}),
                           {wpal::kRust0, wpal::kRust1, wpal::kRust2, pal::kOrange});
const TileMaterial kGrille(
    TileMaterial::fromText({"1111111111111111", "1001001001001001", "1001001001001001",
                            "1111111111111111", "1001001001001001", "1001001001001001",
                            "1111111111111111", "1001001001001001", "1001001001001001",
                            "1111111111111111", "1001001001001001", "1001001001001001",
                            "1111111111111111", "1001001001001001", "1001001001001001",
                            "1111111111111111"}),
    {{10, 10, 14, 255}, wpal::kSteel1});

const TileStyle kSteel{kSteelPlate,
                       {10, 10, 14, 255},
                       wpal::kSteel3,
                       wpal::kSteel0,
                       {pal::kBlack, wpal::kHazard, wpal::kHazard, pal::kBlack},
                       {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3},
                       kGirder};

const std::vector<Rgba> kDoorMetal{wpal::kRust0, wpal::kRust1, wpal::kRust2, pal::kOrange};
const Rgba kDoorInk = pal::kBlack;
const Rgba kDoorLamp = wpal::kLamp;

const Palette kArt{
    {'k', pal::kBlack},   {'0', wpal::kSteel0}, {'1', wpal::kSteel1}, {'2', wpal::kSteel2},
    {'3', wpal::kSteel3}, {'r', wpal::kRust0},  {'s', wpal::kRust1},  {'S', wpal::kRust2},
    {'h', wpal::kHazard}, {'l', wpal::kLamp},   {'o', pal::kOrange},
};

void art(TilePainter& p, const std::vector<std::string>& rows) {
    p.blit(0, 0, rows, kArt);
}

const std::vector<std::string> kPipeH{
    "................", "................", "................", "kkkkkkkkkkkkkkkk",
    "3333333333333333", "2222222222222222", "2222222222222222", "1111111111111111",
    "1111111111111111", "0000000000000000", "kkkkkkkkkkkkkkkk", "................",
    "................", "................", "................", "................"};
const std::vector<std::string> kPipeFlange{
    "................",  "................", ".....kkkkkk.....", "kkkkk322221kkkkk",
    "33333322221133333", "2222232222112222", "2222232222112222", "1111132222111111",
    "1111132222111111",  "0000022111100000", "kkkkk211110kkkkk", ".....kkkkkk.....",
    "................",  "................", "................", "................"};
const std::vector<std::string> kChains{
    "..kk........kk..", ".k22k......k22k.", ".k1.k......k1.k.", ".k1.k......k1.k.",
    "..kk........kk..", "..k3k......k3k..", "..k2k......k2k..", "..kk........kk..",
    ".k22k......k22k.", ".k1.k......k1.k.", ".k1.k......k1.k.", "..kk........kk..",
    "..k3k......k3k..", "..k2k......k2k..", "..kk........kk..", ".k22k......k22k."};
const std::vector<std::string> kLamp{
    "................", "................", "................", "................",
    "................", "...kkkkkkkkkk...", "..k3333333333k..", "..k2222222221k..",
    "..kkkkkkkkkkkk..", "...kllllllllk...", "...klllllllok...", "....kkkkkkkk....",
    "................", "................", "................", "................"};
const std::vector<std::string> kCable{
    "kk............kk", "kskk........kksk", ".ksskk....kkssk.", "..kkssskkksskk..",
    "....kkssssskk...", "......kkkkk.....", "................", "................",
    "................", "................", "................", "................",
    "................", "................", "................", "................"};

void wrapAlong(TilePainter& p, const std::vector<std::string>& rows, int sides) {
    art(p, rows);
    p.setClosed(sides);
    p.finish();
}

// A big gear behind the machinery, drawn whole (32 x 32) and cut in four.
Canvas drawGear() {
    Canvas c(32, 32);
    const Rgba dark = {40, 42, 50, 255}, mid = {62, 66, 76, 255}, light = {86, 92, 104, 255};
    for (int i = 0; i < 10; ++i) {
        const double a = i * 6.283185307179586 / 10.0;
        const int tx = static_cast<int>(std::lround(15.5 + 13.0 * std::cos(a)));
        const int ty = static_cast<int>(std::lround(15.5 + 13.0 * std::sin(a)));
        c.fillRect(tx - 2, ty - 2, 4, 4, mid);
    }
    c.circle(16, 16, 12, mid, true);
    c.circle(16, 16, 12, dark, false);
    c.circle(15, 15, 9, light, false);
    c.circle(16, 16, 5, dark, true);
    c.circle(16, 16, 2, pal::kBlack, true);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (c.get(x, y) == kTransparent) continue;
            const bool edge = c.get(x - 1, y) == kTransparent || c.get(x + 1, y) == kTransparent ||
                              c.get(x, y - 1) == kTransparent || c.get(x, y + 1) == kTransparent;
            if (edge) c.set(x, y, pal::kBlack);
        }
    }
    return c;
}

template <int Column, int Row>
void gearPart(TilePainter& p) {
    static const Canvas gear = drawGear();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) p.put(x, y, gear.get(Column * 16 + x, Row * 16 + y));
}

void fan(TilePainter& p) {
    p.fill(kBackPlate);
    p.fillRect(2, 2, 12, 12, pal::kBlack);
    // Four blades, caught mid-turn.
    const std::vector<std::string> blades{
        "..kkkkkkkkkkkk..", "..k1100000000k..", "..k0220000220k..", "..k0022002200k..",
        "..k0002222000k..", "..k000233k000k..", "..k0002332000k..", "..k0022002200k..",
        "..k0220000220k..", "..k1100000000k..", "..kkkkkkkkkkkk..",
    };
    p.blit(0, 2, blades, kArt);
    p.setClosed(kSidesAll);
    p.finish();
}

const TileSet kSet{
    "tiles_test-gearboy.tga",
    tilekit::joinTiles({
        tilekit::standardTiles<kSteel>(1),
        tilekit::doorTiles<kDoorMetal, kDoorInk, kDoorLamp>(23),
        {
            {29, "back-plate", "0,1", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kBackPlate); }},
            {30, "back-grille", "0,1", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kGrille); }},
            {31, "fan", "1,3", TileShape::Full, fan},
            {32, "gear-top-left", "1,3", TileShape::Full, gearPart<0, 0>},
            {33, "gear-top-right", "1,3", TileShape::Full, gearPart<1, 0>},
            {34, "pipe", "1,3", TileShape::TopHalf,
             [](TilePainter& p) { wrapAlong(p, kPipeH, kSideLeft | kSideRight); }},
            {35, "pipe-flange", "1,3", TileShape::Full,
             [](TilePainter& p) { art(p, kPipeFlange); }},
            {36, "lamp", "3", TileShape::BottomHalf, [](TilePainter& p) { art(p, kLamp); }},
            {37, "gear-bottom-left", "1,3", TileShape::Full, gearPart<0, 1>},
            {38, "gear-bottom-right", "1,3", TileShape::Full, gearPart<1, 1>},
            {39, "chains", "4,5", TileShape::Full,
             [](TilePainter& p) { wrapAlong(p, kChains, kSideTop | kSideBottom); }},
            {40, "cable", "4,5", TileShape::TopHalf, [](TilePainter& p) { art(p, kCable); }},
        },
    })};

const TileSetRegistration kTiles{kSet};

void drawTilesGearboy(Canvas& canvas) {
    drawTileSet(canvas, "tiles_test-gearboy.tga");
}

const SheetRegistration kSheet{{"tiles_test-gearboy.tga", 256, 256, false, drawTilesGearboy}};

}  // namespace
