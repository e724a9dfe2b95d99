#include "SpriteOutline.h"

#include <vector>

void outlineRegion(Canvas& canvas, int x, int y, int w, int h, Rgba ink) {
    std::vector<std::pair<int, int>> marks;
    auto drawn = [&](int px, int py) {
        return px >= x && py >= y && px < x + w && py < y + h &&
               !(canvas.get(px, py) == kTransparent);
    };
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (drawn(i, j)) continue;
            if (drawn(i - 1, j) || drawn(i + 1, j) || drawn(i, j - 1) || drawn(i, j + 1)) {
                marks.emplace_back(i, j);
            }
        }
    }
    for (const auto& m : marks) canvas.set(m.first, m.second, ink);
}
