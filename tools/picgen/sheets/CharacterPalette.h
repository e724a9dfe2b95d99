#pragma once

#include "GamePalette.h"
#include "sheets/CharacterArt.h"

// Colours of the actors: the two player forms, the enemies and the dragon.
// Each actor keeps to its own ramps so they read apart at a glance: warm brass
// for the gearboy, night violet for the vanta, blood red for the swoop, green
// steel for the helmet, teal and fire for the raka, charcoal and ember for
// the dragon.
namespace charpal {

using charart::Ramp;

// Gearboy: polished brass shell, steel joints, a sky-blue visor.
constexpr Rgba kGearInk{46, 26, 18, 255};
constexpr Ramp kBrass{{pal::kBrass0, pal::kBrass1, pal::kBrass2, {255, 232, 160, 255}}};
constexpr Ramp kSteel{{pal::kMetal0, pal::kMetal1, pal::kMetal2, pal::kMetal3}};
constexpr Ramp kVisor{
    {{24, 60, 104, 255}, {48, 128, 196, 255}, {110, 196, 244, 255}, {214, 244, 255, 255}}};
constexpr Rgba kLamp{236, 64, 40, 255};

// Vanta: near-black violet hide, lighter violet plates, a glowing teal eye.
constexpr Rgba kVantaInk{12, 6, 24, 255};
constexpr Ramp kHide{{pal::kVanta0, pal::kVanta1, pal::kVanta2, pal::kVanta3}};
constexpr Ramp kGlowRamp{
    {{20, 110, 100, 255}, {50, 190, 160, 255}, pal::kGlow, {220, 255, 240, 255}}};

// Shared by the enemies: sharp white for teeth and claws, and the hit flash.
constexpr Rgba kEnemyInk{20, 8, 12, 255};
constexpr Ramp kBone{
    {{120, 104, 92, 255}, {180, 166, 148, 255}, {226, 216, 196, 255}, {252, 248, 236, 255}}};
constexpr Ramp kFlash{
    {{250, 180, 160, 255}, {255, 220, 200, 255}, {255, 244, 230, 255}, {255, 255, 255, 255}}};
constexpr Ramp kEyeFire{{pal::kRed1, pal::kOrange, pal::kYellow, {255, 250, 210, 255}}};

// Swoop: blood-red carapace, dark wine wings.
constexpr Ramp kCarapace{{pal::kRed0, pal::kRed1, pal::kRed2, {255, 140, 110, 255}}};
constexpr Ramp kMembrane{
    {{44, 10, 30, 255}, {84, 22, 52, 255}, {130, 40, 76, 255}, {172, 70, 100, 255}}};

// Helmet: dented green steel over a dark hunched body.
constexpr Ramp kHelmetSteel{
    {{30, 46, 38, 255}, {56, 82, 64, 255}, {92, 122, 92, 255}, {150, 176, 136, 255}}};
constexpr Ramp kGrub{
    {{26, 22, 30, 255}, {52, 44, 56, 255}, {84, 72, 84, 255}, {120, 104, 112, 255}}};

// Raka: dark teal back, fiery belly and fins.
constexpr Ramp kScales{
    {{14, 42, 52, 255}, {28, 80, 86, 255}, {52, 124, 120, 255}, {104, 176, 158, 255}}};
constexpr Ramp kBelly{
    {{140, 62, 30, 255}, {204, 112, 52, 255}, {238, 168, 92, 255}, {255, 214, 150, 255}}};
constexpr Ramp kFin{{pal::kRed0, pal::kRed1, pal::kRed2, pal::kOrange}};

// Dragon: charcoal scales, ember belly plates, horn and claw bone.
constexpr Rgba kDragonInk{14, 8, 10, 255};
constexpr Ramp kDragonHide{
    {{32, 24, 34, 255}, {58, 42, 58, 255}, {92, 64, 84, 255}, {132, 96, 112, 255}}};
constexpr Ramp kDragonBelly{
    {{120, 44, 26, 255}, {176, 80, 36, 255}, {222, 128, 56, 255}, {250, 186, 100, 255}}};
constexpr Ramp kDragonWing{
    {{48, 16, 24, 255}, {86, 28, 38, 255}, {128, 44, 50, 255}, {170, 70, 66, 255}}};

}  // namespace charpal
