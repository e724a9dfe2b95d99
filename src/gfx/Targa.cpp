#include "gfx/Targa.h"

#include <cstdio>

#include "common/Files.h"

namespace {

constexpr std::size_t kHeaderSize = 18;
// The largest file a legal picture can be: header, 255-byte id field and a
// 4096 x 4096 x 4 pixel block.
constexpr std::size_t kMaxTargaBytes =
    kHeaderSize + 255 + static_cast<std::size_t>(kMaxPictureEdge) * kMaxPictureEdge * 4;

bool fail(std::string* error, const std::string& why) {
    if (error) *error = why;
    return false;
}

bool isPowerOfTwo(int v) {
    return v > 0 && (v & (v - 1)) == 0;
}

int readU16(const std::uint8_t* p) {
    return p[0] | (p[1] << 8);
}

bool isMagenta(const std::uint8_t* p) {
    return p[0] == 255 && p[1] == 0 && p[2] == 255;
}
bool isCyan(const std::uint8_t* p) {
    return p[0] == 0 && p[1] == 255 && p[2] == 255;
}

// Non-negative remainder, for the wrap-border mapping of offset 7.
int wrap16(int v) {
    return ((v % 16) + 16) % 16;
}

// Pulls a box bound to the 16-pixel tile grid inside the 32-pixel cell.
int snapLow(int v) {
    return v <= 12 ? 8 : 16;
}
int snapHigh(int v) {
    return v >= 19 ? 23 : 15;
}

}  // namespace

bool decodeTarga(const std::uint8_t* data, std::size_t size, Image& out, std::string* error) {
    out = Image{};
    if (size < kHeaderSize) return fail(error, "file too short for a Targa header");
    const int idLength = data[0];
    const int imageType = data[2];
    const int width = readU16(data + 12);
    const int height = readU16(data + 14);
    const int depth = data[16];
    if (imageType != 2) {
        return fail(error, "image type " + std::to_string(imageType) +
                               " is not an uncompressed true-colour picture (type 2)");
    }
    if (depth != 24 && depth != 32) {
        return fail(error, "pixel depth " + std::to_string(depth) + " bits is not 24 or 32");
    }
    if (width == 0 || height == 0) return fail(error, "picture has a size of 0");
    if (width > kMaxPictureEdge || height > kMaxPictureEdge) {
        return fail(error, "picture is larger than " + std::to_string(kMaxPictureEdge) +
                               " pixels on a side");
    }
    if (!isPowerOfTwo(width) || !isPowerOfTwo(height)) {
        return fail(error, "size " + std::to_string(width) + "x" + std::to_string(height) +
                               " is not a power of two on each side");
    }
    const std::size_t bytesPerPixel = depth / 8;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * height;
    const std::size_t pixelOffset = kHeaderSize + idLength;
    if (size < pixelOffset || size - pixelOffset < pixelCount * bytesPerPixel) {
        return fail(error, "file holds fewer pixels than its " + std::to_string(width) + "x" +
                               std::to_string(height) + " size needs");
    }

    out.width = width;
    out.height = height;
    out.rgba.resize(pixelCount * 4);
    // Rows are kept bottom row first, the way GL takes them. Most files are
    // stored that way; one with the top-left origin bit (descriptor bit 5)
    // is stored top row first and is turned over while it is copied.
    const bool topRowFirst = (data[17] & 0x20) != 0;
    const std::uint8_t* src = data + pixelOffset;
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        const int row = topRowFirst ? height - 1 - fileRow : fileRow;
        std::uint8_t* dst = out.rgba.data() + static_cast<std::size_t>(row) * width * 4;
        for (int column = 0; column < width; ++column, src += bytesPerPixel, dst += 4) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
            dst[3] = bytesPerPixel == 4 ? src[3] : 255;
        }
    }
    return true;
}

bool readTargaFile(const std::string& path, Image& out, std::string* error) {
    std::vector<std::uint8_t> bytes;
    if (!readWholeFile(path, bytes, kMaxTargaBytes, error)) {
        out = Image{};
        return false;
    }
    return decodeTarga(bytes.data(), bytes.size(), out, error);
}

std::vector<std::uint8_t> encodeTarga(const Image& image, bool withAlpha) {
    const std::size_t bytesPerPixel = withAlpha ? 4 : 3;
    std::vector<std::uint8_t> out(kHeaderSize, 0);
    out[2] = 2;
    out[12] = image.width & 0xff;
    out[13] = (image.width >> 8) & 0xff;
    out[14] = image.height & 0xff;
    out[15] = (image.height >> 8) & 0xff;
    out[16] = withAlpha ? 32 : 24;
    out[17] = withAlpha ? 8 : 0;  // alpha bits; origin bottom-left
    out.reserve(kHeaderSize + image.rgba.size() / 4 * bytesPerPixel);
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        out.push_back(image.rgba[i + 2]);
        out.push_back(image.rgba[i + 1]);
        out.push_back(image.rgba[i]);
        if (withAlpha) out.push_back(image.rgba[i + 3]);
    }
    return out;
}

bool writeTargaFile(const std::string& path, const Image& image, bool withAlpha) {
    std::vector<std::uint8_t> bytes = encodeTarga(image, withAlpha);
    std::FILE* file = std::fopen(nativePath(path).c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = (std::fclose(file) == 0) && ok;
    return ok;
}

void applyColorKey(Image& image) {
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        if (isMagenta(&image.rgba[i])) image.rgba[i + 3] = 0;
    }
}

void fillWrapBorders(Image& image) {
    for (int r0 = 0; r0 + kFrameCell <= image.height; r0 += kFrameCell) {
        for (int c0 = 0; c0 + kFrameCell <= image.width; c0 += kFrameCell) {
            for (int r = 7; r <= 24; ++r) {
                for (int c = 7; c <= 24; ++c) {
                    std::uint8_t* p = image.pixel(r0 + r, c0 + c);
                    if (!isCyan(p)) continue;
                    // Offsets 8..23 map to themselves, 7 to 23 and 24 to 8.
                    const std::uint8_t* from =
                        image.pixel(r0 + 8 + wrap16(r - 8), c0 + 8 + wrap16(c - 8));
                    for (int k = 0; k < 4; ++k) p[k] = from[k];
                }
            }
        }
    }
}

std::vector<FrameBox> measureFrameBoxes(const Image& image) {
    const int columns = image.width / kFrameCell;
    const int rows = image.height / kFrameCell;
    std::vector<FrameBox> boxes(static_cast<std::size_t>(columns) * rows);
    for (int r0 = 0; r0 + kFrameCell <= image.height; r0 += kFrameCell) {
        for (int c0 = 0; c0 + kFrameCell <= image.width; c0 += kFrameCell) {
            // The box always covers 15..17 so an empty cell still has a centre.
            int minX = 15, minY = 15, maxX = 17, maxY = 17;
            for (int r = 2; r <= 29; ++r) {
                for (int c = 2; c <= 29; ++c) {
                    if (isMagenta(image.pixel(r0 + r, c0 + c))) continue;
                    if (c < minX) minX = c;
                    if (c > maxX) maxX = c;
                    if (r < minY) minY = r;
                    if (r > maxY) maxY = r;
                }
            }
            minX = snapLow(minX);
            minY = snapLow(minY);
            maxX = snapHigh(maxX);
            maxY = snapHigh(maxY);
            // Cell rows are numbered from the end of the stored data.
            const int index = ((image.height - r0) / kFrameCell - 1) * columns + c0 / kFrameCell;
            boxes[index] =
                FrameBox{(minX + maxX) / 2.0f - 16.0f, (minY + maxY) / 2.0f - 16.0f,
                         static_cast<float>(maxX - minX), static_cast<float>(maxY - minY)};
        }
    }
    return boxes;
}

void bleedColors(Image& image, BleedSource source) {
    // Averages read the untouched picture, so the result does not depend on
    // the order pixels are visited in.
    const std::vector<std::uint8_t> original = image.rgba;
    const auto at = [&](int row, int column) {
        return &original[(static_cast<std::size_t>(row) * image.width + column) * 4];
    };
    for (int row = 0; row < image.height; ++row) {
        for (int column = 0; column < image.width; ++column) {
            if (at(row, column)[3] == 255) continue;
            int sum[3] = {0, 0, 0};
            int count = 0;
            for (int dr = -1; dr <= 1; ++dr) {
                for (int dc = -1; dc <= 1; ++dc) {
                    const int r = row + dr, c = column + dc;
                    if (r < 0 || c < 0 || r >= image.height || c >= image.width) continue;
                    const std::uint8_t* n = at(r, c);
                    if (isMagenta(n)) continue;
                    if (source == BleedSource::NotMagentaOrCyan && isCyan(n)) continue;
                    for (int k = 0; k < 3; ++k) sum[k] += n[k];
                    ++count;
                }
            }
            std::uint8_t* p = image.pixel(row, column);
            if (count > 0) {
                for (int k = 0; k < 3; ++k) p[k] = static_cast<std::uint8_t>(sum[k] / count);
            } else if (source == BleedSource::NotMagentaOrCyan) {
                p[0] = 255;
                p[1] = 0;
                p[2] = 255;
                p[3] = 0;
            }
        }
    }
}

bool prepareSpriteSheet(Image& image, std::vector<FrameBox>& boxes, std::string* error) {
    boxes.clear();
    if (image.width % kFrameCell != 0 || image.height % kFrameCell != 0) {
        return fail(error, "sprite sheet size " + std::to_string(image.width) + "x" +
                               std::to_string(image.height) + " is not a multiple of 32");
    }
    applyColorKey(image);
    fillWrapBorders(image);
    boxes = measureFrameBoxes(image);
    bleedColors(image, BleedSource::NotMagentaOrCyan);
    return true;
}

void preparePlainPicture(Image& image) {
    applyColorKey(image);
    bleedColors(image, BleedSource::NotMagenta);
}
