#include "TileMaterial.h"

#include <cmath>
#include <cstdlib>

namespace {

int wrap16(int v) {
    return ((v % 16) + 16) % 16;
}

// Signed shortest offset from a to b on a 16-pixel ring.
int ringOffset(int a, int b) {
    int d = wrap16(b - a);
    return d > 8 ? d - 16 : d;
}

}  // namespace

TileMaterial::TileMaterial(const Shades& shades, Ramp ramp)
    : shades_(shades), ramp_(std::move(ramp)) {}

int TileMaterial::shade(int x, int y) const {
    return shades_[wrap16(y) * 16 + wrap16(x)];
}

Rgba TileMaterial::at(int x, int y) const {
    const int s = shade(x, y);
    return ramp_[s < static_cast<int>(ramp_.size()) ? s : ramp_.size() - 1];
}

TileMaterial::Shades TileMaterial::cobbles(const std::vector<std::pair<int, int>>& centres) {
    Shades out{};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            float best = 1e9f, second = 1e9f;
            int bx = 0, by = 0;
            for (const auto& c : centres) {
                const int dx = ringOffset(c.first, x), dy = ringOffset(c.second, y);
                const float d = std::sqrt(static_cast<float>(dx * dx + dy * dy));
                if (d < best) {
                    second = best;
                    best = d;
                    bx = dx;
                    by = dy;
                } else if (d < second) {
                    second = d;
                }
            }
            std::uint8_t s = 2;
            if (second - best < 1.0f) {
                s = 0;
            } else if (bx + by <= -4) {
                s = 3;
            } else if (bx + by >= 3 || second - best < 2.0f) {
                s = 1;
            }
            out[y * 16 + x] = s;
        }
    }
    return out;
}

TileMaterial::Shades TileMaterial::bricks(int brickWidth, int brickHeight) {
    Shades out{};
    for (int y = 0; y < 16; ++y) {
        const int course = y / brickHeight, row = y % brickHeight;
        const int shift = (course % 2) * (brickWidth / 2);
        for (int x = 0; x < 16; ++x) {
            const int col = wrap16(x + shift) % brickWidth;
            std::uint8_t s = 2;
            if (row == brickHeight - 1 || col == brickWidth - 1) {
                s = 0;
            } else if (row == 0 || col == 0) {
                s = 3;
            } else if (row == brickHeight - 2 || col == brickWidth - 2) {
                s = 1;
            }
            out[y * 16 + x] = s;
        }
    }
    return out;
}

TileMaterial::Shades TileMaterial::plate() {
    Shades out{};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            std::uint8_t s = 2;
            if (x == 15 || y == 15) {
                s = 0;
            } else if (x == 0 || y == 0) {
                s = 3;
            } else if (x == 14 || y == 14) {
                s = 1;
            }
            const bool rivet = (x == 2 || x == 12) && (y == 2 || y == 12);
            const bool rivetShadow = (x == 3 || x == 13) && (y == 3 || y == 13);
            if (rivet) s = 3;
            if (rivetShadow) s = 1;
            out[y * 16 + x] = s;
        }
    }
    return out;
}

TileMaterial::Shades TileMaterial::fromText(const std::vector<std::string>& rows) {
    Shades out{};
    for (int y = 0; y < 16 && y < static_cast<int>(rows.size()); ++y) {
        for (int x = 0; x < 16 && x < static_cast<int>(rows[y].size()); ++x) {
            out[y * 16 + x] = static_cast<std::uint8_t>(rows[y][x] - '0');
        }
    }
    return out;
}
