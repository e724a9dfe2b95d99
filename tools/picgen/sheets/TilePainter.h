#pragma once

#include <string>
#include <vector>

#include "Canvas.h"
#include "TileMaterial.h"

// Sides of a tile, combined as bit flags.
enum TileSide : int {
    kSideTop = 1,
    kSideBottom = 2,
    kSideLeft = 4,
    kSideRight = 8,
    kSidesAll = 15,
};

// Paints one 16 x 16 tile of a tile sheet. Coordinates are the tile's own, as
// seen: (0, 0) is its top-left pixel, which sits at offset (8, 8) of its
// 32 x 32 cell; -1 and 16 address the one-pixel border ring around it.
//
// "Closed" sides are where the same solid carries on into the neighbour: they
// get no outline, and when the opposite side is closed too the tile repeats
// along that axis, so finish() marks the ring there with cyan for the loader
// to fill from the opposite edge. An open side is outlined and gets no ring,
// which keeps a half-solid tile's collision box on its solid half.
class TilePainter {
  public:
    TilePainter(Canvas& canvas, int frame);

    void put(int x, int y, Rgba c);
    Rgba get(int x, int y) const;
    bool solid(int x, int y) const { return !(get(x, y) == kTransparent); }

    void fill(const TileMaterial& m) { fillRect(0, 0, 16, 16, m); }
    void fillRect(int x, int y, int w, int h, const TileMaterial& m);
    void fillRect(int x, int y, int w, int h, Rgba c);
    void clearRect(int x, int y, int w, int h) { fillRect(x, y, w, h, kTransparent); }
    void blit(int x, int y, const std::vector<std::string>& rows, const Palette& palette);

    void setClosed(int sides) { closed_ = sides; }
    int closed() const { return closed_; }

    // Dark line on every solid pixel that borders air (a clear pixel, or past
    // an open side); a light rim just inside it where the air is above or to
    // the left, a shaded one where it is below or to the right.
    void outline(Rgba ink, Rgba rim, Rgba shadow);
    // A coat over the top surface (moss, paint), painted after outline(): in
    // each column whose top borders air, the `depthPattern[x]` pixels under
    // the outline pixel, from `coat` (light first, darkest last).
    void coatTop(const std::vector<Rgba>& coat, const std::vector<int>& depthPattern);
    // Cyan ring on the sides that repeat (see above).
    void finish();

  private:
    bool air(int x, int y) const;

    Canvas& canvas_;
    int originX_;
    int originY_;
    int closed_ = kSidesAll;
};
