// The light spot of the dark rooms: the view is multiplied by this picture,
// which the frame drawing stretches about 2.8 widths across the view and
// clamps at its edges. So the middle is white, it falls off softly, and every
// edge pixel is black: the clamped border is the darkness around the player.
#include <algorithm>
#include <cmath>

#include "Canvas.h"

namespace {

constexpr int kSize = 128;

void drawFlashlight(Canvas& c) {
    const float centre = (kSize - 1) / 2.0f;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float dx = x - centre, dy = y - centre;
            const float d = std::sqrt(dx * dx + dy * dy) / (kSize / 2.0f);  // 1 at the edge
            // Full light to 0.3 of the radius, a smooth fall to none at 0.9.
            float t = std::clamp((d - 0.3f) / 0.6f, 0.0f, 1.0f);
            t = t * t * (3.0f - 2.0f * t);
            // Steps of 4 keep neighbouring rings apart by a whole grey level.
            int v = static_cast<int>((1.0f - t) * 255.0f + 0.5f) / 4 * 4;
            if (v >= 252) v = 255;
            const std::uint8_t g = static_cast<std::uint8_t>(v);
            c.set(x, y, {g, g, g, 255});
        }
    }
}

const SheetRegistration kSheet{{"flashlight.tga", kSize, kSize, false, drawFlashlight}};

}  // namespace
