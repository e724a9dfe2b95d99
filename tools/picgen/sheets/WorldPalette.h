#pragma once

#include "GamePalette.h"

// Colours of the places and the interface: one family per area, so the
// caverns, the save room and the machine halls each read as their own world.
// Every ramp runs dark to light; light falls from the top left.
namespace wpal {

// Caverns and ruins (tiles_test): the shared cool stone, moss and water, plus
// the ruins' sandy bricks and the old bridge's timber.
constexpr Rgba kCaveDeep{16, 20, 30, 255};  // outlines and cracks
constexpr Rgba kRuin0{46, 42, 48, 255};
constexpr Rgba kRuin1{82, 74, 72, 255};
constexpr Rgba kRuin2{122, 108, 96, 255};
constexpr Rgba kRuin3{168, 150, 124, 255};
constexpr Rgba kWood0{52, 30, 22, 255};
constexpr Rgba kWood1{98, 60, 36, 255};
constexpr Rgba kWood2{146, 96, 54, 255};
constexpr Rgba kWood3{190, 140, 82, 255};
constexpr Rgba kRope{200, 176, 120, 255};
constexpr Rgba kCrystal0{40, 90, 110, 255};
constexpr Rgba kCrystal1{80, 170, 180, 255};
constexpr Rgba kCrystal2{180, 240, 230, 255};
constexpr Rgba kBone0{120, 112, 96, 255};
constexpr Rgba kBone1{206, 198, 172, 255};

// Save room (tiles_combo1): pale ceramic panels on dark teal, brass trim.
constexpr Rgba kTeal0{14, 34, 40, 255};
constexpr Rgba kTeal1{26, 62, 70, 255};
constexpr Rgba kTeal2{44, 98, 104, 255};
constexpr Rgba kTeal3{76, 146, 146, 255};
constexpr Rgba kTile0{70, 84, 92, 255};
constexpr Rgba kTile1{120, 140, 146, 255};
constexpr Rgba kTile2{172, 190, 190, 255};
constexpr Rgba kTile3{222, 232, 226, 255};
constexpr Rgba kPlug0{96, 20, 30, 255};
constexpr Rgba kPlug1{168, 40, 44, 255};
constexpr Rgba kPlug2{228, 96, 80, 255};
constexpr Rgba kStation0{40, 30, 80, 255};
constexpr Rgba kStation1{90, 70, 170, 255};
constexpr Rgba kStation2{170, 150, 240, 255};

// Machine halls (tiles_test-gearboy): oiled steel, rust and hazard paint.
constexpr Rgba kSteel0{26, 28, 34, 255};
constexpr Rgba kSteel1{60, 64, 74, 255};
constexpr Rgba kSteel2{102, 108, 120, 255};
constexpr Rgba kSteel3{156, 162, 170, 255};
constexpr Rgba kRust0{70, 32, 20, 255};
constexpr Rgba kRust1{128, 62, 30, 255};
constexpr Rgba kRust2{180, 100, 44, 255};
constexpr Rgba kHazard{236, 190, 40, 255};
constexpr Rgba kLamp{255, 240, 160, 255};

// Interface: the HUD panel and the item glow.
constexpr Rgba kPanel0{20, 26, 44, 255};
constexpr Rgba kPanel1{44, 58, 92, 255};
constexpr Rgba kPanel2{86, 112, 160, 255};
constexpr Rgba kHeart0{120, 20, 40, 255};
constexpr Rgba kHeart1{210, 50, 70, 255};
constexpr Rgba kHeart2{255, 150, 160, 255};

}  // namespace wpal
