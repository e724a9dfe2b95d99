#include "TileKit.h"

namespace tilekit {

namespace {

void roundCorners(TilePainter& p, int open) {
    const bool top = open & kSideTop, bottom = open & kSideBottom;
    const bool left = open & kSideLeft, right = open & kSideRight;
    auto cut = [&p](int x, int y, int dx, int dy) {
        p.put(x, y, kTransparent);
        p.put(x + dx, y, kTransparent);
        p.put(x, y + dy, kTransparent);
    };
    if (top && left) cut(0, 0, 1, 1);
    if (top && right) cut(15, 0, -1, 1);
    if (bottom && left) cut(0, 15, 1, -1);
    if (bottom && right) cut(15, 15, -1, -1);
}

}  // namespace

void ground(TilePainter& p, const TileStyle& s, int openSides) {
    p.fill(s.solid);
    roundCorners(p, openSides);
    p.setClosed(kSidesAll & ~openSides);
    p.outline(s.ink, s.rim, s.shadow);
    if (!s.coat.empty()) p.coatTop(s.coat, s.coatDepth);
    p.finish();
}

void innerCorner(TilePainter& p, const TileStyle& s, int corner) {
    p.fill(s.solid);
    const int x = (corner & kSideLeft) ? 0 : 15;
    const int y = (corner & kSideTop) ? 0 : 15;
    p.put(x, y, kTransparent);
    p.setClosed(kSidesAll);
    p.outline(s.ink, s.rim, s.shadow);
    if (!s.coat.empty() && (corner & kSideTop)) p.coatTop(s.coat, s.coatDepth);
    p.finish();
}

void platform(TilePainter& p, const TileStyle& s, int openSides) {
    p.fillRect(0, 0, 16, 6, s.platform);
    roundCorners(p, openSides | kSideTop | kSideBottom);
    // Round the ends' lower corner one more pixel: a plank end, not a box.
    if (openSides & kSideLeft) p.put(0, 4, kTransparent);
    if (openSides & kSideRight) p.put(15, 4, kTransparent);
    p.setClosed((kSideLeft | kSideRight) & ~openSides);
    p.outline(s.ink, s.rim, s.shadow);
    p.finish();
}

void halfBlock(TilePainter& p, const TileStyle& s, int side, int closedSides) {
    const int x = side == kSideRight ? 8 : 0;
    const int y = side == kSideBottom ? 8 : 0;
    const bool vertical = side == kSideLeft || side == kSideRight;
    p.fillRect(x, y, vertical ? 8 : 16, vertical ? 16 : 8, s.solid);
    roundCorners(p, kSidesAll & ~closedSides);
    p.setClosed(closedSides);
    p.outline(s.ink, s.rim, s.shadow);
    if (!s.coat.empty()) p.coatTop(s.coat, s.coatDepth);
    p.finish();
}

void backdrop(TilePainter& p, const TileMaterial& m) {
    p.fill(m);
    p.setClosed(kSidesAll);
    p.finish();
}

void doorSegment(TilePainter& p, const std::vector<Rgba>& metal, Rgba ink, Rgba light, int row,
                 bool halfOpen) {
    const int height = halfOpen ? 8 : 16;
    // Body: a ribbed panel, lit on the left.
    for (int y = 0; y < height; ++y) {
        for (int x = 2; x < 14; ++x) {
            Rgba c = metal[2];
            if (x == 3 || x == 7 || x == 11) c = metal[3];
            if (x == 5 || x == 9 || x == 12) c = metal[1];
            p.put(x, y, c);
        }
    }
    for (int y = 0; y < height; ++y) {
        p.put(2, y, ink);
        p.put(13, y, ink);
    }
    // Bands across the panel every 8 pixels, and its bottom edge.
    for (int x = 2; x < 14; ++x) {
        p.put(x, 0, ink);
        p.put(x, 1, metal[0]);
    }
    if (halfOpen || row == 2) {
        for (int x = 2; x < 14; ++x) {
            p.put(x, height - 1, ink);
            p.put(x, height - 2, metal[1]);
        }
        // Teeth along the lower edge, so a closing door reads as a shutter.
        for (int x = 3; x < 13; x += 3) p.put(x, height - 2, ink);
    }
    if (row == 1 && !halfOpen) {
        // The lamp that tells the player this can be opened.
        for (int y = 5; y < 11; ++y)
            for (int x = 6; x < 10; ++x) p.put(x, y, light);
        for (int x = 5; x < 11; ++x) {
            p.put(x, 4, ink);
            p.put(x, 11, ink);
        }
        for (int y = 4; y < 12; ++y) {
            p.put(5, y, ink);
            p.put(10, y, ink);
        }
    }
    // Segments meet at bands, so they need no wrap ring: the door is never
    // tiled with itself.
}

void crackedBlock(TilePainter& p, const TileStyle& s, Rgba crack) {
    p.fill(s.solid);
    roundCorners(p, kSidesAll);
    p.setClosed(0);
    p.outline(s.ink, s.rim, s.shadow);
    // A star of cracks from the upper middle: looks like one more hit will do.
    static const int kCrack[][2] = {{7, 2},   {7, 3}, {8, 4},  {8, 5}, {7, 6},  {6, 7},
                                    {5, 8},   {4, 9}, {3, 10}, {9, 6}, {10, 7}, {11, 7},
                                    {12, 8},  {8, 7}, {8, 8},  {9, 9}, {9, 10}, {10, 11},
                                    {10, 12}, {4, 4}, {5, 5},  {6, 6}, {12, 3}, {11, 4}};
    for (const auto& c : kCrack) p.put(c[0], c[1], crack);
    p.finish();
}

}  // namespace tilekit

namespace tilekit {

std::vector<TileDefinition> joinTiles(std::initializer_list<std::vector<TileDefinition>> parts) {
    std::vector<TileDefinition> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace tilekit
