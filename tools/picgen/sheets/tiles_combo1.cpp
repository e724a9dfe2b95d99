// The save room: pale ceramic panels on dark teal with brass trim, the form
// station (a glass pod, two tiles wide and three high, behind the player) and
// the flush target that drains the flooded room: code 39 is the valve,
// code 40 the same place once the water has gone.
#include "TileCatalog.h"
#include "TileKit.h"
#include "WorldPalette.h"

namespace {

const TileMaterial kPanels(TileMaterial::bricks(8, 8),
                           {wpal::kTile0, wpal::kTile1, wpal::kTile2, wpal::kTile3});
const TileMaterial kBackPanels(TileMaterial::plate(),
                               {wpal::kTeal0, wpal::kTeal1, wpal::kTeal2, wpal::kTeal3});
const TileMaterial kBrassPlate(TileMaterial::plate(),
                               {pal::kBrass0, pal::kBrass0, pal::kBrass1, pal::kBrass2});
const TileMaterial kVent(
    TileMaterial::fromText({"3333333333333333", "2000000000000001", "2111111111111111",
                            "2000000000000001", "2111111111111111", "2000000000000001",
                            "2111111111111111", "2000000000000001", "2111111111111111",
                            "2000000000000001", "2111111111111111", "2000000000000001",
                            "2111111111111111", "2000000000000001", "2111111111111111",
                            "1111111111111111"}),
    {wpal::kTeal0, wpal::kTeal1, wpal::kTeal2, wpal::kTeal3});

const TileStyle kSave{
    kPanels, wpal::kTeal0, wpal::kTile3, wpal::kTile0, {pal::kBrass2, pal::kBrass1, pal::kBrass0},
    {2},     kBrassPlate};

const std::vector<Rgba> kDoorMetal{wpal::kTeal0, wpal::kTeal1, wpal::kTeal2, wpal::kTeal3};
const Rgba kDoorInk = pal::kInk;
const Rgba kDoorLamp = wpal::kStation2;

const Palette kArt{
    {'k', pal::kInk},    {'t', wpal::kTeal0},    {'T', wpal::kTeal2}, {'0', wpal::kTile0},
    {'1', wpal::kTile1}, {'2', wpal::kTile2},    {'3', wpal::kTile3}, {'r', wpal::kPlug0},
    {'s', wpal::kPlug1}, {'S', wpal::kPlug2},    {'b', pal::kBrass0}, {'c', pal::kBrass1},
    {'C', pal::kBrass2}, {'w', pal::kWater1},    {'W', pal::kWater2}, {'g', pal::kMoss1},
    {'G', pal::kGlow},   {'D', wpal::kCaveDeep},
};

void art(TilePainter& p, const std::vector<std::string>& rows) {
    p.blit(0, 0, rows, kArt);
}

// The valve the player shoots: a red wheel on a panel, dripping.
const std::vector<std::string> kFlushTarget{
    "kkkkkkkkkkkkkkkk", "k33333333333332k", "k32221kkkk12221k", "k3221ksSSsk1221k",
    "k321ksskkssk121k", "k32ksSk22kSsk21k", "k32ksk2rr2kssk1k", "k32kSsrwwrsSsk1k",
    "k32ksk2rr2kssk1k", "k32ksSk22ksSk21k", "k321kssSSssk121k", "k3221kssssk1221k",
    "k32221kkkk12w21k", "k3222111111w111k", "k1111111111W111k", "kkkkkkkkkkkkkkkk"};
// Drained: the wheel spun open, the grate dry and the lamp green.
const std::vector<std::string> kFlushDrained{
    "kkkkkkkkkkkkkkkk", "k33333333333332k", "k32221kkkk12221k", "k3221kDDDDk1221k",
    "k321kDkDkDDk121k", "k32kDDkDkDkDk21k", "k32kkkkkkkkkkk1k", "k32kDDkDkDkDk21k",
    "k32kkkkkkkkkkk1k", "k32kDkDkDkDDk21k", "k321kDDkDDDk121k", "k3221kDDDDk1221k",
    "k32221kkkk1kk21k", "k3222111111kGk1k", "k11111111111kk1k", "kkkkkkkkkkkkkkkk"};

const std::vector<std::string> kPipeFront{
    "kkkkkkkkkkkkkkkk", "CCCCCCCCCCCCCCCC", "cccccccccccccccc", "cccbcccccccbcccc",
    "bbbbbbbbbbbbbbbb", "kkkkkkkkkkkkkkkk", "................", "................",
    "................", "................", "................", "................",
    "................", "................", "................", "................"};

const std::vector<std::string> kPipeBack{
    "....kCcccbk.....", "....kCcccbk.....", "....kCcccbk.....", "...kkkkkkkkk....",
    "...kCCcccbbk....", "...kkkkkkkkk....", "....kCcccbk.....", "....kCcccbk.....",
    "....kCcccbk.....", "....kCcccbk.....", "....kCcccbk.....", "...kkkkkkkkk....",
    "...kCCcccbbk....", "...kkkkkkkkk....", "....kCcccbk.....", "....kCcccbk....."};

const std::vector<std::string> kPuddle{
    "................", "................", "................", "................",
    "................", "................", "................", "................",
    "................", "................", ".....kkk........", "..kkkWWWkkk..kk.",
    ".kWWwwwwwwWkkWWk", "kwwwwwwwwwwwwwwk", "kwwwwwwwwwwwwwwk", "kkkkkkkkkkkkkkkk"};

void pipeBack(TilePainter& p) {
    art(p, kPipeBack);
    p.setClosed(kSideTop | kSideBottom);
    p.finish();
}

void pipeFront(TilePainter& p) {
    art(p, kPipeFront);
    p.setClosed(kSideLeft | kSideRight);
    p.finish();
}

// The form station: a glass pod on a pedestal, drawn whole (32 x 48) and cut
// into its six tiles.
Canvas drawStation() {
    Canvas c(32, 48);
    const Rgba ink = pal::kInk;
    // Cap.
    c.fillRect(4, 1, 24, 7, pal::kMetal2);
    c.fillRect(4, 1, 24, 2, pal::kMetal3);
    c.fillRect(4, 6, 24, 2, pal::kMetal1);
    c.fillRect(13, 0, 6, 1, wpal::kStation2);
    // Glass tube with the violet field inside.
    c.fillRect(6, 8, 20, 30, wpal::kStation0);
    c.fillRect(9, 8, 14, 30, wpal::kStation1);
    c.fillRect(14, 8, 4, 30, wpal::kStation2);
    for (int y = 10; y < 36; y += 6) c.fillRect(10, y, 12, 1, wpal::kStation2);
    c.fillRect(7, 9, 1, 27, pal::kWhite);  // the glass's highlight, lit from the left
    // Pedestal.
    c.fillRect(2, 38, 28, 10, pal::kMetal1);
    c.fillRect(2, 38, 28, 2, pal::kMetal3);
    c.fillRect(4, 42, 24, 2, pal::kBrass1);
    c.fillRect(2, 46, 28, 2, pal::kMetal0);
    // Outlines.
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (c.get(x, y) == kTransparent) continue;
            const bool edge = c.get(x - 1, y) == kTransparent || c.get(x + 1, y) == kTransparent ||
                              c.get(x, y - 1) == kTransparent || y == 47;
            if (edge) c.set(x, y, ink);
        }
    }
    c.fillRect(4, 7, 24, 1, ink);
    c.fillRect(2, 37, 28, 1, ink);
    return c;
}

template <int Column, int Row>
void stationPart(TilePainter& p) {
    static const Canvas station = drawStation();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) p.put(x, y, station.get(Column * 16 + x, Row * 16 + y));
}

const TileSet kSet{
    "tiles_combo1.tga",
    tilekit::joinTiles({
        tilekit::standardTiles<kSave>(1),
        tilekit::doorTiles<kDoorMetal, kDoorInk, kDoorLamp>(23),
        {
            {29, "station-top-left", "1", TileShape::Full, stationPart<0, 0>},
            {30, "station-top-right", "1", TileShape::Full, stationPart<1, 0>},
            {31, "station-middle-left", "1", TileShape::RightHalf, stationPart<0, 1>},
            {32, "station-middle-right", "1", TileShape::LeftHalf, stationPart<1, 1>},
            {33, "station-base-left", "1", TileShape::Full, stationPart<0, 2>},
            {34, "station-base-right", "1", TileShape::Full, stationPart<1, 2>},
            {35, "back-panel", "0,1", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kBackPanels); }},
            {36, "back-vent", "0,1", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kVent); }},
            {37, "pipe-back", "1,3", TileShape::Full, pipeBack},
            {38, "brass-fill", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kBrassPlate); }},
            {39, "flush-target", "2", TileShape::Full,
             [](TilePainter& p) { art(p, kFlushTarget); }},
            {40, "flush-target-drained", "2", TileShape::Full,
             [](TilePainter& p) { art(p, kFlushDrained); }},
            {41, "pipe-front", "4,5", TileShape::TopHalf, pipeFront},
            {42, "puddle", "4", TileShape::BottomHalf, [](TilePainter& p) { art(p, kPuddle); }},
        },
    })};

const TileSetRegistration kTiles{kSet};

void drawTilesCombo1(Canvas& canvas) {
    drawTileSet(canvas, "tiles_combo1.tga");
}

const SheetRegistration kSheet{{"tiles_combo1.tga", 256, 256, false, drawTilesCombo1}};

}  // namespace
