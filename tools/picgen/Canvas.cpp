#include "Canvas.h"

#include <cstdlib>

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::set(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

Rgba Canvas::get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kTransparent;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::fillRect(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) set(i, j, c);
}

void Canvas::line(int x0, int y0, int x1, int y1, Rgba c) {
    // Bresenham: exact integer pixels, the same on every machine.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Canvas::circle(int cx, int cy, int radius, Rgba c, bool filled) {
    for (int y = -radius; y <= radius; ++y) {
        for (int x = -radius; x <= radius; ++x) {
            const int d = x * x + y * y;
            const bool inside = d <= radius * radius + radius;
            const bool edge = inside && d > (radius - 1) * (radius - 1) + (radius - 1);
            if (filled ? inside : edge) set(cx + x, cy + y, c);
        }
    }
}

void Canvas::blit(int x, int y, const std::vector<std::string>& rows, const Palette& palette) {
    for (std::size_t j = 0; j < rows.size(); ++j) {
        for (std::size_t i = 0; i < rows[j].size(); ++i) {
            const auto found = palette.find(rows[j][i]);
            if (found != palette.end()) {
                set(x + static_cast<int>(i), y + static_cast<int>(j), found->second);
            }
        }
    }
}

void Canvas::copyFrom(const Canvas& from, int sx, int sy, int w, int h, int dx, int dy,
                      bool mirror) {
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            const Rgba c = from.get(sx + (mirror ? w - 1 - i : i), sy + j);
            if (c == kTransparent) continue;
            set(dx + i, dy + j, c);
        }
    }
}

namespace {
std::vector<SheetDefinition>& sheetTable() {
    static std::vector<SheetDefinition> table;
    return table;
}
}  // namespace

SheetRegistration::SheetRegistration(const SheetDefinition& definition) {
    sheetTable().push_back(definition);
}

const std::vector<SheetDefinition>& registeredSheets() {
    return sheetTable();
}
