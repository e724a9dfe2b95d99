#pragma once

#include "Canvas.h"

// A picture for people: each 32 x 32 frame enlarged 4 times over a
// checkerboard (where the picture is transparent) with its frame number above
// it. Pictures not on a 32 grid are shown whole, enlarged twice.
Canvas makeContactSheet(const Canvas& picture);
