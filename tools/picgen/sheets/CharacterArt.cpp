#include "sheets/CharacterArt.h"

#include <algorithm>
#include <cmath>

namespace charart {

namespace {

bool opaque(const Canvas& c, int x, int y) {
    return x >= 0 && y >= 0 && x < c.width() && y < c.height() && !(c.get(x, y) == kTransparent);
}

int luminance(Rgba p) {
    return (p.r * 30 + p.g * 59 + p.b * 11) / 100;
}

}  // namespace

int toneIndex(float nx, float ny, float nz) {
    // Light from the upper left and a little in front; the thresholds give
    // broad flat bands rather than a smooth gradient.
    const float lx = -0.55f, ly = -0.65f, lz = 0.52f;
    const float lambert = nx * lx + ny * ly + nz * lz;
    if (lambert > 0.62f) return 3;
    if (lambert > 0.25f) return 2;
    if (lambert > -0.15f) return 1;
    return 0;
}

void shadeEllipse(Canvas& c, float cx, float cy, float rx, float ry, const Ramp& ramp) {
    const int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
    const int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float nx = (x + 0.5f - cx) / rx, ny = (y + 0.5f - cy) / ry;
            const float d = nx * nx + ny * ny;
            if (d > 1.0f) continue;
            c.set(x, y, ramp.tone[toneIndex(nx, ny, std::sqrt(1.0f - d))]);
        }
    }
}

void shadeTube(Canvas& c, Point a, Point b, float r0, float r1, const Ramp& ramp) {
    const float rMax = std::max(r0, r1);
    const int x0 = static_cast<int>(std::floor(std::min(a.x, b.x) - rMax));
    const int x1 = static_cast<int>(std::ceil(std::max(a.x, b.x) + rMax));
    const int y0 = static_cast<int>(std::floor(std::min(a.y, b.y) - rMax));
    const int y1 = static_cast<int>(std::ceil(std::max(a.y, b.y) + rMax));
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const float px = x + 0.5f - a.x, py = y + 0.5f - a.y;
            const float t = std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f);
            const float ox = px - t * dx, oy = py - t * dy;
            const float r = r0 + (r1 - r0) * t;
            const float d2 = (ox * ox + oy * oy) / (r * r);
            if (d2 > 1.0f) continue;
            const float nx = ox / r, ny = oy / r;
            c.set(x, y, ramp.tone[toneIndex(nx, ny, std::sqrt(1.0f - d2))]);
        }
    }
}

void fillPolygon(Canvas& c, const std::vector<Point>& points, Rgba colour) {
    if (points.size() < 3) return;
    float minY = points[0].y, maxY = points[0].y;
    for (const Point& p : points) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
        const float sy = y + 0.5f;
        std::vector<float> xs;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& p = points[i];
            const Point& q = points[(i + 1) % points.size()];
            if ((p.y <= sy) == (q.y <= sy)) continue;
            xs.push_back(p.x + (sy - p.y) * (q.x - p.x) / (q.y - p.y));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            for (int x = static_cast<int>(std::ceil(xs[i] - 0.5f)); x + 0.5f <= xs[i + 1]; ++x) {
                c.set(x, y, colour);
            }
        }
    }
}

Canvas fromText(const std::vector<std::string>& rows, const Palette& palette, bool mirror) {
    std::size_t width = 0;
    for (const std::string& row : rows) width = std::max(width, row.size());
    Canvas out(static_cast<int>(width), static_cast<int>(rows.size()));
    for (std::size_t j = 0; j < rows.size(); ++j) {
        for (std::size_t i = 0; i < rows[j].size(); ++i) {
            const auto found = palette.find(rows[j][i]);
            if (found == palette.end()) continue;
            const int x = mirror ? static_cast<int>(width - 1 - i) : static_cast<int>(i);
            out.set(x, static_cast<int>(j), found->second);
        }
    }
    return out;
}

void outline(Canvas& c, Rgba ink) {
    const Canvas before = c;
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            if (opaque(before, x, y)) continue;
            if (opaque(before, x - 1, y) || opaque(before, x + 1, y) || opaque(before, x, y - 1) ||
                opaque(before, x, y + 1)) {
                c.set(x, y, ink);
            }
        }
    }
}

void stampOutlined(Canvas& onto, const Canvas& part, int x, int y, Rgba ink) {
    // One pixel of margin all round for the outline.
    Canvas framed(part.width() + 2, part.height() + 2);
    framed.copyFrom(part, 0, 0, part.width(), part.height(), 1, 1);
    outline(framed, ink);
    onto.copyFrom(framed, 0, 0, framed.width(), framed.height(), x - 1, y - 1);
}

void placeFrame(Canvas& sheet, int frame, const Canvas& cell) {
    sheet.fillRect(sheet.cellX(frame), sheet.cellY(frame), 32, 32, kTransparent);
    sheet.copyFrom(cell, 0, 0, 32, 32, sheet.cellX(frame), sheet.cellY(frame));
}

Canvas frameOf(const Canvas& sheet, int frame) {
    Canvas cell(32, 32);
    cell.copyFrom(sheet, sheet.cellX(frame), sheet.cellY(frame), 32, 32, 0, 0);
    return cell;
}

void flash(Canvas& c, Rgba ink, const Ramp& flashRamp) {
    for (int y = 0; y < c.height(); ++y) {
        for (int x = 0; x < c.width(); ++x) {
            const Rgba p = c.get(x, y);
            if (p == kTransparent || p == ink) continue;
            const int l = luminance(p);
            const int band = l > 150 ? 3 : l > 95 ? 2 : l > 50 ? 1 : 0;
            c.set(x, y, flashRamp.tone[band]);
        }
    }
}

Canvas mirrored(const Canvas& c) {
    Canvas out(c.width(), c.height());
    out.copyFrom(c, 0, 0, c.width(), c.height(), 0, 0, /*mirror*/ true);
    return out;
}

int opaqueCount(const Canvas& c, int x, int y, int w, int h) {
    int n = 0;
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) n += opaque(c, i, j) ? 1 : 0;
    return n;
}

}  // namespace charart
