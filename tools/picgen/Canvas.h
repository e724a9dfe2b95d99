#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// A picture being drawn, as seen: (0, 0) is the top-left pixel, y grows
// downward. Written out bottom-up as the game's Targa files store it, so frame
// n is the n-th 32 x 32 cell counting left to right, top to bottom.
struct Rgba {
    std::uint8_t r, g, b, a;
    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

constexpr Rgba kTransparent{255, 0, 255, 255};  // magenta: the colour key
constexpr Rgba kWrapBorder{0, 255, 255, 255};   // cyan: copy the tile's opposite edge

// Maps the characters of text pixel art to colours.
using Palette = std::map<char, Rgba>;

class Canvas {
  public:
    Canvas(int width, int height, Rgba fill = kTransparent);

    int width() const { return width_; }
    int height() const { return height_; }

    // Drawing is clipped to the canvas.
    void set(int x, int y, Rgba c);
    Rgba get(int x, int y) const;
    void fillRect(int x, int y, int w, int h, Rgba c);
    void line(int x0, int y0, int x1, int y1, Rgba c);
    void circle(int cx, int cy, int radius, Rgba c, bool filled);
    // Text pixel art: one string a row; characters not in the palette (such as
    // '.' and ' ') leave the canvas as it is.
    void blit(int x, int y, const std::vector<std::string>& rows, const Palette& palette);
    // Copies a region of another canvas, optionally mirrored left to right;
    // magenta source pixels are skipped.
    void copyFrom(const Canvas& from, int sx, int sy, int w, int h, int dx, int dy,
                  bool mirror = false);

    // Top-left pixel of frame n's 32 x 32 cell.
    int cellX(int frame) const { return (frame % (width_ / 32)) * 32; }
    int cellY(int frame) const { return (frame / (width_ / 32)) * 32; }

    const std::vector<Rgba>& pixels() const { return pixels_; }

  private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// One picture the generator writes: its game path under data/ (forward
// slashes, e.g. "gearboy.tga" or "tiles/cave.tga"), its size, whether it
// carries an alpha channel, and the code that draws it.
struct SheetDefinition {
    std::string path;
    int width;
    int height;
    bool withAlpha;
    void (*draw)(Canvas& canvas);
};

// Each sheet source registers itself at start-up:
//   static SheetRegistration reg{{"gearboy.tga", 256, 128, false, drawGearboy}};
struct SheetRegistration {
    explicit SheetRegistration(const SheetDefinition& definition);
};

const std::vector<SheetDefinition>& registeredSheets();
