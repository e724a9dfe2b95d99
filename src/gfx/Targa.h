#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Targa pictures and the pixel passes that turn them into sprite sheets.
// Nothing here needs a GL context: a headless run measures the frame boxes the
// tile collision reads, and the texinfo tool prints them, with this code.

// The hit box of one 32 x 32 frame: centre offset from the cell centre and size,
// in pixels. x runs along a pixel row; y runs along the stored row order.
struct FrameBox {
    float centerX;
    float centerY;
    float width;
    float height;
};

// An RGBA picture, 4 bytes a pixel, rows in the order the file stores them
// (bottom-up for the usual Targa: row 0 is the bottom row as seen).
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint8_t* pixel(int row, int column) {
        return &rgba[(static_cast<std::size_t>(row) * width + column) * 4];
    }
    const std::uint8_t* pixel(int row, int column) const {
        return &rgba[(static_cast<std::size_t>(row) * width + column) * 4];
    }
};

// Frames are laid out on a 32-pixel grid in every sheet.
constexpr int kFrameCell = 32;
// Largest edge accepted; every picture of the game is far smaller, and this
// bounds what a corrupt header can make a loader allocate.
constexpr int kMaxPictureEdge = 4096;

// Decodes an uncompressed true-colour Targa (image type 2, 24 or 32 bits a
// pixel, power-of-two sizes). Pixels without alpha get alpha 255. Never reads
// past `size`; on failure returns false and says why in `error`.
bool decodeTarga(const std::uint8_t* data, std::size_t size, Image& out, std::string* error);
bool readTargaFile(const std::string& path, Image& out, std::string* error);

// Encodes `image` as a type-2 Targa, rows written in the image's row order with
// the bottom-left origin flag; 32 bits a pixel when `withAlpha`, else 24.
std::vector<std::uint8_t> encodeTarga(const Image& image, bool withAlpha);
bool writeTargaFile(const std::string& path, const Image& image, bool withAlpha);

// Magenta (255, 0, 255) pixels become fully transparent; their colour stays.
void applyColorKey(Image& image);

// In each 32 x 32 cell a 16 x 16 tile sits at offsets 8 to 23; a cyan
// (0, 255, 255) pixel at offsets 7 to 24 takes the pixel of the tile's
// opposite edge, giving the tile a one-pixel border that wraps around.
void fillWrapBorders(Image& image);

// One snapped box per cell, indexed by frame number: frame n is cell column
// n mod (width / 32) of cell row n div (width / 32), cell rows counted from the
// end of the stored pixel data.
std::vector<FrameBox> measureFrameBoxes(const Image& image);

// Which colours a transparent pixel may borrow from when bleeding.
enum class BleedSource {
    NotMagentaOrCyan,  // sprite sheets: markers never bleed
    NotMagenta,        // plain pictures: no wrap borders, so cyan is a colour
};

// Gives every pixel with alpha below 255 the average colour of its usable
// 3 x 3 neighbours (itself included), so linear filtering shows no fringes.
// Sprite sheets turn a pixel with no usable neighbour into transparent
// magenta; plain pictures leave it as it is.
void bleedColors(Image& image, BleedSource source);

// The whole sprite-sheet preparation: checks the sizes are multiples of 32,
// then colour key, wrap borders, frame boxes and bleed, in that order.
bool prepareSpriteSheet(Image& image, std::vector<FrameBox>& boxes, std::string* error);

// Plain pictures: colour key and bleed only.
void preparePlainPicture(Image& image);
