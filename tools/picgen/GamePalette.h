#pragma once

#include "Canvas.h"

// The colours every picture of the game draws from, so the sheets read as one
// world: cool blue-green caverns, warm metal for the gearboy, deep violet for
// the vanta, hot accents for danger. Add shades here rather than in a sheet.
namespace pal {

constexpr Rgba kBlack{12, 10, 18, 255};
constexpr Rgba kInk{28, 24, 40, 255};  // outlines
constexpr Rgba kWhite{244, 244, 236, 255};

// Cavern stone, dark to light.
constexpr Rgba kStone0{30, 38, 52, 255};
constexpr Rgba kStone1{48, 62, 80, 255};
constexpr Rgba kStone2{72, 92, 112, 255};
constexpr Rgba kStone3{104, 128, 148, 255};
constexpr Rgba kStone4{150, 172, 186, 255};

// Moss and water.
constexpr Rgba kMoss0{34, 70, 52, 255};
constexpr Rgba kMoss1{58, 112, 70, 255};
constexpr Rgba kMoss2{104, 160, 88, 255};
constexpr Rgba kWater0{20, 56, 110, 255};
constexpr Rgba kWater1{40, 100, 170, 255};
constexpr Rgba kWater2{110, 180, 230, 255};

// Machine metal (doors, blocks, the gearboy), dark to light.
constexpr Rgba kMetal0{52, 46, 50, 255};
constexpr Rgba kMetal1{96, 84, 82, 255};
constexpr Rgba kMetal2{150, 132, 116, 255};
constexpr Rgba kMetal3{204, 186, 160, 255};
constexpr Rgba kBrass0{120, 76, 30, 255};
constexpr Rgba kBrass1{184, 124, 44, 255};
constexpr Rgba kBrass2{236, 184, 80, 255};

// The vanta: violet body, glowing cyan-free teal eyes.
constexpr Rgba kVanta0{30, 20, 56, 255};
constexpr Rgba kVanta1{62, 40, 110, 255};
constexpr Rgba kVanta2{110, 76, 170, 255};
constexpr Rgba kVanta3{170, 138, 220, 255};
constexpr Rgba kGlow{120, 250, 200, 255};

// Danger and fire: enemies, shots, explosions.
constexpr Rgba kRed0{90, 16, 24, 255};
constexpr Rgba kRed1{170, 36, 36, 255};
constexpr Rgba kRed2{232, 80, 52, 255};
constexpr Rgba kOrange{250, 150, 40, 255};
constexpr Rgba kYellow{255, 226, 90, 255};

}  // namespace pal
