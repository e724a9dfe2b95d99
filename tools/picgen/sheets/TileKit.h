#pragma once

#include <vector>

#include "TileMaterial.h"
#include "TilePainter.h"

// How one area builds its solid ground: the material, the outline and rim
// colours, the coat on top surfaces and the thin platforms' material.
struct TileStyle {
    TileMaterial solid;
    Rgba ink;
    Rgba rim;
    Rgba shadow;
    std::vector<Rgba> coat;      // light to dark; empty for none
    std::vector<int> coatDepth;  // per column, repeating every 16
    TileMaterial platform;
};

// The tiles every area builds the same way from its style.
namespace tilekit {

// Solid ground open to the air on `openSides`; two open sides that meet get
// a rounded corner.
void ground(TilePainter& p, const TileStyle& s, int openSides);
// Solid everywhere, with air only at one corner (kSideTop | kSideLeft is the
// top-left): where a floor meets a wall or a ceiling.
void innerCorner(TilePainter& p, const TileStyle& s, int corner);
// A thin platform, six pixels thick along the top (solid on its top half);
// `openSides` may add kSideLeft or kSideRight for its ends.
void platform(TilePainter& p, const TileStyle& s, int openSides);
// Half a block: the solid half is on `side`, outlined all round except where
// `closedSides` says the solid carries on.
void halfBlock(TilePainter& p, const TileStyle& s, int side, int closedSides);
// A repeating background surface (no outline).
void backdrop(TilePainter& p, const TileMaterial& m);
// One segment of a sliding door: 12 pixels wide, the full height when
// closed; half-open keeps only its top half. `row` 0 is the top segment.
void doorSegment(TilePainter& p, const std::vector<Rgba>& metal, Rgba ink, Rgba light, int row,
                 bool halfOpen);
// A loose block with cracks that a shot breaks.
void crackedBlock(TilePainter& p, const TileStyle& s, Rgba crack);

}  // namespace tilekit

#include "TileCatalog.h"

namespace tilekit {

// The 22 tiles every area has, built from one style, codes `first` onwards:
// ground-top, fill, ceiling, the two walls, the four outer and four inner
// corners, a thin platform (left end, middle, right end), a free block, the
// four half blocks (top, bottom, left, right) and the breakable block.
template <const TileStyle& S>
std::vector<TileDefinition> standardTiles(int first) {
    using P = TilePainter;
    return {
        {first + 0, "ground-top", "2", TileShape::Full, [](P& p) { ground(p, S, kSideTop); }},
        {first + 1, "fill", "2", TileShape::Full, [](P& p) { ground(p, S, 0); }},
        {first + 2, "ceiling", "2", TileShape::Full, [](P& p) { ground(p, S, kSideBottom); }},
        {first + 3, "wall-left", "2", TileShape::Full, [](P& p) { ground(p, S, kSideLeft); }},
        {first + 4, "wall-right", "2", TileShape::Full, [](P& p) { ground(p, S, kSideRight); }},
        {first + 5, "corner-top-left", "2", TileShape::Full,
         [](P& p) { ground(p, S, kSideTop | kSideLeft); }},
        {first + 6, "corner-top-right", "2", TileShape::Full,
         [](P& p) { ground(p, S, kSideTop | kSideRight); }},
        {first + 7, "corner-bottom-left", "2", TileShape::Full,
         [](P& p) { ground(p, S, kSideBottom | kSideLeft); }},
        {first + 8, "corner-bottom-right", "2", TileShape::Full,
         [](P& p) { ground(p, S, kSideBottom | kSideRight); }},
        {first + 9, "inner-top-left", "2", TileShape::Full,
         [](P& p) { innerCorner(p, S, kSideTop | kSideLeft); }},
        {first + 10, "inner-top-right", "2", TileShape::Full,
         [](P& p) { innerCorner(p, S, kSideTop | kSideRight); }},
        {first + 11, "inner-bottom-left", "2", TileShape::Full,
         [](P& p) { innerCorner(p, S, kSideBottom | kSideLeft); }},
        {first + 12, "inner-bottom-right", "2", TileShape::Full,
         [](P& p) { innerCorner(p, S, kSideBottom | kSideRight); }},
        {first + 13, "platform-left", "2", TileShape::TopHalf,
         [](P& p) { platform(p, S, kSideLeft); }},
        {first + 14, "platform", "2", TileShape::TopHalf, [](P& p) { platform(p, S, 0); }},
        {first + 15, "platform-right", "2", TileShape::TopHalf,
         [](P& p) { platform(p, S, kSideRight); }},
        {first + 16, "block", "2", TileShape::Full, [](P& p) { ground(p, S, kSidesAll); }},
        {first + 17, "half-top", "2", TileShape::TopHalf,
         [](P& p) { halfBlock(p, S, kSideTop, kSideLeft | kSideRight); }},
        {first + 18, "half-bottom", "2", TileShape::BottomHalf,
         [](P& p) { halfBlock(p, S, kSideBottom, kSideLeft | kSideRight | kSideBottom); }},
        {first + 19, "half-left", "2", TileShape::LeftHalf,
         [](P& p) { halfBlock(p, S, kSideLeft, kSideTop | kSideBottom); }},
        {first + 20, "half-right", "2", TileShape::RightHalf,
         [](P& p) { halfBlock(p, S, kSideRight, kSideTop | kSideBottom); }},
        {first + 21, "breakable", "2", TileShape::Full, [](P& p) { crackedBlock(p, S, S.ink); }},
    };
}

// The six tiles of a three-segment door: each closed segment k is followed
// by its half-open picture k + 1, as the door animation expects.
template <const std::vector<Rgba>& Metal, const Rgba& Ink, const Rgba& Lamp>
std::vector<TileDefinition> doorTiles(int first) {
    using P = TilePainter;
    return {
        {first + 0, "door-top", "2", TileShape::Full,
         [](P& p) { doorSegment(p, Metal, Ink, Lamp, 0, false); }},
        {first + 1, "door-top-half-open", "2", TileShape::TopHalf,
         [](P& p) { doorSegment(p, Metal, Ink, Lamp, 0, true); }},
        {first + 2, "door-middle", "2", TileShape::Full,
         [](P& p) { doorSegment(p, Metal, Ink, Lamp, 1, false); }},
        {first + 3, "door-middle-half-open", "2", TileShape::TopHalf,
         [](P& p) { doorSegment(p, Metal, Ink, Lamp, 1, true); }},
        {first + 4, "door-bottom", "2", TileShape::Full,
         [](P& p) { doorSegment(p, Metal, Ink, Lamp, 2, false); }},
        {first + 5, "door-bottom-half-open", "2", TileShape::TopHalf,
         [](P& p) { doorSegment(p, Metal, Ink, Lamp, 2, true); }},
    };
}

// Joins tile lists into one table.
std::vector<TileDefinition> joinTiles(std::initializer_list<std::vector<TileDefinition>> parts);

}  // namespace tilekit
