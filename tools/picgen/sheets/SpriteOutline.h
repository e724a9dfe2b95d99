#pragma once

#include "Canvas.h"

// Draws a one-pixel outline in `ink` around everything already drawn inside
// the region: every clear pixel next to a drawn one (four neighbours).
void outlineRegion(Canvas& canvas, int x, int y, int w, int h, Rgba ink);
