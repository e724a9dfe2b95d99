#include "ContactSheet.h"

namespace {

constexpr int kZoom = 4;
constexpr int kLabel = 14;  // label band above each frame, pixels
constexpr int kGap = 4;
const Rgba kBackground{40, 40, 48, 255};
const Rgba kCheckLight{200, 200, 200, 255};
const Rgba kCheckDark{150, 150, 150, 255};
const Rgba kInk{255, 255, 255, 255};

// 3 x 5 digits, one string a digit, rows top to bottom.
const char* const kDigits[10] = {
    "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
    "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111"};

void drawNumber(Canvas& canvas, int x, int y, int number) {
    const std::string text = std::to_string(number);
    for (char ch : text) {
        const char* glyph = kDigits[ch - '0'];
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 3; ++c)
                if (glyph[r * 3 + c] == '1') canvas.fillRect(x + c * 2, y + r * 2, 2, 2, kInk);
        x += 8;
    }
}

void drawEnlarged(Canvas& out, const Canvas& picture, int sx, int sy, int w, int h, int dx, int dy,
                  int zoom) {
    for (int y = 0; y < h * zoom; ++y) {
        for (int x = 0; x < w * zoom; ++x) {
            Rgba c = picture.get(sx + x / zoom, sy + y / zoom);
            if (c == kTransparent || c.a == 0) {
                c = ((x / 8 + y / 8) % 2) ? kCheckLight : kCheckDark;
            }
            out.set(dx + x, dy + y, c);
        }
    }
}

}  // namespace

Canvas makeContactSheet(const Canvas& picture) {
    if (picture.width() % 32 != 0 || picture.height() % 32 != 0) {
        Canvas out(picture.width() * 2, picture.height() * 2, kBackground);
        drawEnlarged(out, picture, 0, 0, picture.width(), picture.height(), 0, 0, 2);
        return out;
    }
    const int columns = picture.width() / 32;
    const int rows = picture.height() / 32;
    const int cellW = 32 * kZoom + kGap;
    const int cellH = 32 * kZoom + kLabel + kGap;
    Canvas out(columns * cellW + kGap, rows * cellH + kGap, kBackground);
    for (int frame = 0; frame < columns * rows; ++frame) {
        const int x = kGap + (frame % columns) * cellW;
        const int y = kGap + (frame / columns) * cellH;
        drawNumber(out, x, y + 1, frame);
        drawEnlarged(out, picture, (frame % columns) * 32, (frame / columns) * 32, 32, 32, x,
                     y + kLabel, kZoom);
    }
    return out;
}
