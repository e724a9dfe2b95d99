#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "Canvas.h"

// A surface that repeats every 16 pixels both ways: a 16 x 16 map of shade
// indices (0 darkest) read through a colour ramp. Tiles of one material
// therefore join seamlessly whatever their neighbours, and a darker ramp over
// the same map gives the matching background version.
class TileMaterial {
  public:
    using Ramp = std::vector<Rgba>;
    using Shades = std::array<std::uint8_t, 256>;

    TileMaterial(const Shades& shades, Ramp ramp);

    // Any x and y: wrapped into the 16-pixel period.
    Rgba at(int x, int y) const;
    int shade(int x, int y) const;
    const Ramp& ramp() const { return ramp_; }
    TileMaterial withRamp(Ramp ramp) const { return TileMaterial(shades_, std::move(ramp)); }

    // Cobbles: stones around the given centres (in 0..15), cracks (0) where two
    // stones meet, each stone lit (3) on its upper left and shaded (1) on its
    // lower right.
    static Shades cobbles(const std::vector<std::pair<int, int>>& centres);
    // Courses of bricks `brickWidth` by `brickHeight` with one-pixel mortar
    // (0), every other course shifted by half a brick.
    static Shades bricks(int brickWidth, int brickHeight);
    // One bevelled plate filling the tile: lit top and left edges, shaded
    // bottom and right, a rivet in each corner.
    static Shades plate();
    // Sixteen rows of sixteen digits.
    static Shades fromText(const std::vector<std::string>& rows);

  private:
    Shades shades_;
    Ramp ramp_;
};
