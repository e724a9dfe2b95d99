// Caverns and ruins: the tiles of most rooms, including the flooded room, the
// dark rooms, the rope bridge and the dragon's hall. Blue-grey cobbled rock
// capped with moss, sandy ruin bricks, old timber for the bridge.
#include "TileCatalog.h"
#include "TileKit.h"
#include "WorldPalette.h"

namespace {

const TileMaterial kRock(TileMaterial::cobbles({{3, 3}, {11, 2}, {7, 9}, {14, 11}, {2, 13}}),
                         {pal::kStone0, pal::kStone1, pal::kStone2, pal::kStone3});
const TileMaterial kRockBack(TileMaterial::cobbles({{4, 4}, {12, 5}, {8, 12}, {1, 10}}),
                             {wpal::kCaveDeep, {22, 28, 40, 255}, pal::kStone0, {40, 50, 66, 255}});
const TileMaterial kBrick(TileMaterial::bricks(8, 4),
                          {wpal::kRuin0, wpal::kRuin1, wpal::kRuin2, wpal::kRuin3});
const TileMaterial kBrickBack =
    kBrick.withRamp({wpal::kCaveDeep, {36, 32, 38, 255}, {52, 46, 50, 255}, {70, 62, 62, 255}});
const TileMaterial kSlab(TileMaterial::bricks(16, 6),
                         {pal::kStone0, pal::kStone1, pal::kStone2, pal::kStone3});
const TileMaterial kPlanks(TileMaterial::fromText({"3333333333333333", "2222022222202222",
                                                   "2212022212202122", "2222022222202222",
                                                   "1111011111101111", "0000000000000000"}),
                           {wpal::kWood0, wpal::kWood1, wpal::kWood2, wpal::kWood3});
const TileMaterial kWater(
    TileMaterial::fromText({"1111111111111111", "1111111111111111", "1111112221111111",
                            "1111111111111111", "1111111111111111", "0111111111111110",
                            "1111111111111111", "1111111111112221", "1111111111111111",
                            "1111111111111111", "1111111111111111", "1122211111111111",
                            "1111111111111111", "1111111101111111", "1111111111111111",
                            "1111111111111111"}),
    {pal::kWater0, {28, 70, 130, 255}, pal::kWater1});

const std::vector<Rgba> kMoss{pal::kMoss2, pal::kMoss1, pal::kMoss0};
const std::vector<int> kMossDepth{2, 3, 2, 2, 4, 3, 2, 3, 2, 2, 3, 5, 3, 2, 2, 3};

const TileStyle kCave{kRock, pal::kInk, pal::kStone4, pal::kStone0, kMoss, kMossDepth, kSlab};
const TileStyle kRuin{kBrick, wpal::kRuin0, wpal::kRuin3, wpal::kRuin0, {}, {}, kPlanks};
const TileStyle kBridge{kPlanks, wpal::kWood0, wpal::kWood3, wpal::kWood0, {}, {}, kPlanks};

const std::vector<Rgba> kDoorMetal{pal::kMetal0, pal::kMetal1, pal::kMetal2, pal::kMetal3};

const Palette kArt{
    {'k', pal::kInk},       {'0', pal::kStone0},    {'1', pal::kStone1},    {'2', pal::kStone2},
    {'3', pal::kStone3},    {'4', pal::kStone4},    {'a', wpal::kRuin0},    {'b', wpal::kRuin1},
    {'c', wpal::kRuin2},    {'d', wpal::kRuin3},    {'m', pal::kMoss0},     {'n', pal::kMoss1},
    {'o', pal::kMoss2},     {'x', wpal::kCrystal0}, {'y', wpal::kCrystal1}, {'z', wpal::kCrystal2},
    {'u', wpal::kBone0},    {'v', wpal::kBone1},    {'w', pal::kWater2},    {'q', pal::kWater1},
    {'p', pal::kWater0},    {'r', wpal::kRope},     {'e', wpal::kWood1},    {'f', wpal::kWood2},
    {'D', wpal::kCaveDeep},
};

void art(TilePainter& p, const std::vector<std::string>& rows) {
    p.blit(0, 0, rows, kArt);
}

// Ruin pillar pieces behind the action: capital, shaft and base.
const std::vector<std::string> kPillarTop{
    "kkkkkkkkkkkkkkkk", "kddddddddddddddk", "kcccccccccccccbk", "kbbbbbbbbbbbbbak",
    "kkkkkkkkkkkkkkkk", ".kdddcccccccbak.", ".kkkkkkkkkkkkkk.", "..kdcbcccbcba k.",
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..",
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak.."};
const std::vector<std::string> kPillarShaft{
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..",
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..",
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..",
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak.."};
const std::vector<std::string> kPillarBase{
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..",
    "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..", "..kdcbcccbcbak..",
    "..kdcbcccbcbak..", ".kkkkkkkkkkkkkk.", ".kdddcccccccbak.", "kkkkkkkkkkkkkkkk",
    "kddddddddddddddk", "kcccccccccccccbk", "kbbbbbbbbbbbbbak", "kkkkkkkkkkkkkkkk"};

// A ruined arch window, left and right halves, showing the dark beyond.
const std::vector<std::string> kArchLeft{
    "bbbbbbbbbbbbbbbb", "bcccccbkkkkkkkkk", "bccbkkkDDDDDDDDD", "bcbkkDDDDDDDDDDD",
    "bckDDDDDDDDDDDDD", "bkkDDDDDDDDDDDDD", "bkDDDDDDDDDDDDDD", "bkDDDDDDDDDDDDDD",
    "ckDDDDDDDDDDDDDD", "ckDDDDDDDDDDDDDD", "bkDDDDDDDDDDDDDD", "bkDDDDDDDDDDDDDD",
    "ckDDDDDDDDDDDDDD", "bkDDDDDDDDDDDDDD", "bkDDDDDDDDDDDDDD", "ckkkkkkkkkkkkkkk"};

const std::vector<std::string> kCrystals{
    "................", "..........k.....", ".........kzk....", "...k.....kyk....",
    "..kzk...kzyxk...", "..kyk...kzyxk...", "..kyxk..kyyxk.k.", "..kyxk.kzyxxkkzk",
    "..kyxk.kzyxxkkyk", ".kzyxkkzyyxxkkyk", ".kzyxkkzyxxk.kyk", ".kyyxkkzyxxkkyxk",
    "kkyxxkkyyxxkkyxk", "k222kkk11111k11k", "k1111111111111kk", "kkkkkkkkkkkkkkkk"};

const std::vector<std::string> kMossHang{
    "kkkkkkkkkkkkkkkk", "onnonnoonnonnoon", "nmnnmnnnmnnmnnmn", "mkmmknmmkmmnkmmk",
    ".k.mk.mnk.mk.mmk", ".k.mk.kmk.mk.kmk", "...mk..mk..k..mk", "...k...mk.....k.",
    "........k.......", "................", "................", "................",
    "................", "................", "................", "................"};

const std::vector<std::string> kStalactite{
    "kkkkkkkkkkkkkkkk", "k43322222221110k", ".k322222211100k.", ".k32222221110k..",
    "..k322221110k...", "..k32222110k....", "...k322210k.....", "...k32210k......",
    "....k3210k......", "....k321k.......", ".....kkk........", "................",
    "................", "................", "................", "................"};

const std::vector<std::string> kGrass{
    "................",  "................",  "................",  "................",
    "................",  "................",  "....k......k....",  "...kok....kok..k",
    ".k.kok.k..kok.kok", "kok.kok.okkok.kok", "kokkonkokkonkkonk", ".konnkonkonnkonk.",
    "kknnnmnnnmnnnmnk",  "knnmmmnmmmnmmmnk",  "kmmmmmmmmmmmmmmk",  "kkkkkkkkkkkkkkkk"};

const std::vector<std::string> kBones{
    "................", "................", "................", "................",
    "................", "................", "................", "..kkk.......kk..",
    ".kvvvk.k...kvvk.", "kvkkvkkvk.kvuuvk", "kvvvvkvkkkvukuvk", ".kuukvvvvvvvkuk..",
    "kk.kkvukukuvkkkk", "kvkkvvvvvvvvvkvk", "kuvvvuuuuuuuvvuk", "kkkkkkkkkkkkkkkk"};

// A sign carved into the wall and lit by crystal: a ball and an arrow, where
// only the ball goes on.
const std::vector<std::string> kSignBall{
    "................", ".....kkkkkk.....", "....kyyyyyyk....", "...kyzzzzzzyk...",
    "...kyzkkkkzyk...", "...kyzk..kzyk...", "...kyzk..kzyk...", "...kyzkkkkzyk...",
    "...kyzzzzzzyk...", "....kyyyyyyk....", ".....kkkkkk.....", "................",
    "..k.............", ".kxkkkkkkkkkkk..", "kxxxxxxxxxxxxxk.", ".kxkkkkkkkkkkk.."};

const std::vector<std::string> kWaterSurface{
    "................", "................", "................", "....wwww........",
    "..wwqqqqww....ww", "wwqqqqqqqqwwwwqq", "qqqqqqqqqqqqqqqq", "qqqqqqqqqqqqqqqq",
    "pppqqqqqqpppqqqq", "pppppppppppppppp", "................", "................",
    "................", "................", "................", "................"};

const std::vector<std::string> kLashing{
    "................", "................", "................", "rk..rk..rk..rk..",
    "rk..rk..rk..rk..", "rk..rk..rk..rk..", "rk..rk..rk..rk..", "rrkrrkrrkrrkrrk.",
    ".rrrkrrrkrrrkrrr", "...rk..rk..rk..r", "....rrrr.rrrr.rr", "........k.......",
    "................", "................", "................", "................"};

void waterSurface(TilePainter& p) {
    art(p, kWaterSurface);
    p.setClosed(kSideLeft | kSideRight);
    p.finish();
}

void lashing(TilePainter& p) {
    art(p, kLashing);
    p.setClosed(kSideLeft | kSideRight);
    p.finish();
}

void foreRock(TilePainter& p) {
    // Near the camera and in shadow: the rock's shape with only a faint rim.
    p.fill(
        kRock.withRamp({wpal::kCaveDeep, {18, 22, 32, 255}, {22, 28, 40, 255}, {30, 38, 52, 255}}));
    p.setClosed(kSidesAll);
    p.finish();
}

void archRight(TilePainter& p) {
    Canvas flipped(16, 16);
    flipped.blit(0, 0, kArchLeft, kArt);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) p.put(15 - x, y, flipped.get(x, y));
}

void bridgeEnd(TilePainter& p, int openSide) {
    tilekit::platform(p, kBridge, openSide);
    // A stake through the end plank.
    const int x = openSide == kSideLeft ? 2 : 12;
    p.fillRect(x, 0, 2, 6, wpal::kWood0);
    p.put(x, 0, wpal::kWood3);
}

const Rgba kDoorInk = pal::kInk;
const Rgba kDoorLamp = pal::kGlow;

const TileSet kSet{
    "tiles_test.tga",
    tilekit::joinTiles({
        tilekit::standardTiles<kCave>(1),
        {
            {23, "ruin-wall", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::ground(p, kRuin, 0); }},
            {24, "ruin-floor", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::ground(p, kRuin, kSideTop); }},
        },
        tilekit::doorTiles<kDoorMetal, kDoorInk, kDoorLamp>(25),
        {
            {31, "ruin-wall-left", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::ground(p, kRuin, kSideLeft); }},
            {32, "ruin-wall-right", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::ground(p, kRuin, kSideRight); }},
            {33, "bridge-deck", "2", TileShape::TopHalf,
             [](TilePainter& p) { tilekit::platform(p, kBridge, 0); }},
            {34, "bridge-deck-left", "2", TileShape::TopHalf,
             [](TilePainter& p) { bridgeEnd(p, kSideLeft); }},
            {35, "bridge-deck-right", "2", TileShape::TopHalf,
             [](TilePainter& p) { bridgeEnd(p, kSideRight); }},
            {36, "bridge-lashing", "4", TileShape::Full, lashing},
            {37, "ruin-ceiling", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::ground(p, kRuin, kSideBottom); }},
            {38, "ruin-block", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::ground(p, kRuin, kSidesAll); }},
            {39, "ruin-platform", "2", TileShape::TopHalf,
             [](TilePainter& p) { tilekit::platform(p, kRuin, 0); }},
            {40, "ruin-breakable", "2", TileShape::Full,
             [](TilePainter& p) { tilekit::crackedBlock(p, kRuin, wpal::kRuin0); }},
            {41, "cave-back", "0,1", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kRockBack); }},
            {42, "ruin-back", "0,1", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kBrickBack); }},
            {43, "water-back", "0", TileShape::Full,
             [](TilePainter& p) { tilekit::backdrop(p, kWater); }},
            {44, "water-surface", "3", TileShape::TopHalf, waterSurface},
            {45, "pillar-top", "1,3", TileShape::Full, [](TilePainter& p) { art(p, kPillarTop); }},
            {46, "pillar", "1,3", TileShape::Full, [](TilePainter& p) { art(p, kPillarShaft); }},
            {47, "pillar-base", "1,3", TileShape::Full,
             [](TilePainter& p) { art(p, kPillarBase); }},
            {48, "arch-left", "1,3", TileShape::Full, [](TilePainter& p) { art(p, kArchLeft); }},
            {49, "arch-right", "1,3", TileShape::Full, archRight},
            {50, "crystals", "1,3", TileShape::Full, [](TilePainter& p) { art(p, kCrystals); }},
            {51, "moss-hanging", "4,5", TileShape::TopHalf,
             [](TilePainter& p) { art(p, kMossHang); }},
            {52, "stalactite", "4,5", TileShape::TopHalf,
             [](TilePainter& p) { art(p, kStalactite); }},
            {53, "grass", "4,5", TileShape::BottomHalf, [](TilePainter& p) { art(p, kGrass); }},
            {54, "fore-rock", "5", TileShape::Full, foreRock},
            {55, "bones", "4", TileShape::BottomHalf, [](TilePainter& p) { art(p, kBones); }},
            {56, "sign-ball", "1,3", TileShape::Full, [](TilePainter& p) { art(p, kSignBall); }},
        },
    })};

const TileSetRegistration kTiles{kSet};

void drawTilesTest(Canvas& canvas) {
    drawTileSet(canvas, "tiles_test.tga");
}

const SheetRegistration kSheet{{"tiles_test.tga", 256, 256, false, drawTilesTest}};

}  // namespace
