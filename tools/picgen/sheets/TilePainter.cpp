#include "TilePainter.h"

namespace {

struct Mark {
    int x, y;
    Rgba c;
};

bool inside(int x, int y) {
    return x >= 0 && y >= 0 && x < 16 && y < 16;
}

}  // namespace

TilePainter::TilePainter(Canvas& canvas, int frame)
    : canvas_(canvas), originX_(canvas.cellX(frame) + 8), originY_(canvas.cellY(frame) + 8) {}

void TilePainter::put(int x, int y, Rgba c) {
    if (x < -8 || y < -8 || x > 23 || y > 23) return;  // stay inside the cell
    canvas_.set(originX_ + x, originY_ + y, c);
}

Rgba TilePainter::get(int x, int y) const {
    return canvas_.get(originX_ + x, originY_ + y);
}

void TilePainter::fillRect(int x, int y, int w, int h, const TileMaterial& m) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) put(i, j, m.at(i, j));
}

void TilePainter::fillRect(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) put(i, j, c);
}

void TilePainter::blit(int x, int y, const std::vector<std::string>& rows, const Palette& palette) {
    canvas_.blit(originX_ + x, originY_ + y, rows, palette);
}

bool TilePainter::air(int x, int y) const {
    if (inside(x, y)) return !solid(x, y);
    if (x < 0) return !(closed_ & kSideLeft);
    if (x > 15) return !(closed_ & kSideRight);
    if (y < 0) return !(closed_ & kSideTop);
    return !(closed_ & kSideBottom);
}

void TilePainter::outline(Rgba ink, Rgba rim, Rgba shadow) {
    std::vector<Mark> edge, inner;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (!solid(x, y)) continue;
            if (air(x, y - 1) || air(x, y + 1) || air(x - 1, y) || air(x + 1, y)) {
                edge.push_back({x, y, ink});
            }
        }
    }
    // Rims look two pixels out so they sit just inside the outline.
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (!solid(x, y)) continue;
            const bool onEdge = air(x, y - 1) || air(x, y + 1) || air(x - 1, y) || air(x + 1, y);
            if (onEdge) continue;
            if (air(x, y - 2) || air(x - 2, y)) {
                inner.push_back({x, y, rim});
            } else if (air(x, y + 2) || air(x + 2, y)) {
                inner.push_back({x, y, shadow});
            }
        }
    }
    for (const Mark& m : inner) put(m.x, m.y, m.c);
    for (const Mark& m : edge) put(m.x, m.y, m.c);
}

void TilePainter::coatTop(const std::vector<Rgba>& coat, const std::vector<int>& depthPattern) {
    for (int x = 0; x < 16; ++x) {
        int y = 0;
        while (y < 16 && !solid(x, y)) ++y;
        if (y >= 16 || !air(x, y - 1)) continue;
        const int depth = depthPattern[x % depthPattern.size()];
        // The coat starts under the outline pixel.
        for (int d = 0; d < depth && y + 1 + d < 16; ++d) {
            const std::size_t shade = d == 0 ? 0 : (d == depth - 1 ? coat.size() - 1 : 1);
            if (solid(x, y + 1 + d)) put(x, y + 1 + d, coat[shade < coat.size() ? shade : 0]);
        }
    }
}

void TilePainter::finish() {
    const bool wrapX = (closed_ & kSideLeft) && (closed_ & kSideRight);
    const bool wrapY = (closed_ & kSideTop) && (closed_ & kSideBottom);
    // Each ring pixel is marked only where its source, the opposite edge, is
    // drawn; a clear source would only bring back a clear pixel.
    for (int i = 0; i < 16; ++i) {
        if (wrapX && solid(15, i)) put(-1, i, kWrapBorder);
        if (wrapX && solid(0, i)) put(16, i, kWrapBorder);
        if (wrapY && solid(i, 15)) put(i, -1, kWrapBorder);
        if (wrapY && solid(i, 0)) put(i, 16, kWrapBorder);
    }
    if (wrapX && wrapY) {
        if (solid(15, 15)) put(-1, -1, kWrapBorder);
        if (solid(0, 15)) put(16, -1, kWrapBorder);
        if (solid(15, 0)) put(-1, 16, kWrapBorder);
        if (solid(0, 0)) put(16, 16, kWrapBorder);
    }
}
