#include "RoomPicture.h"

#include <algorithm>
#include <cmath>

#include "RoomRules.h"

namespace {

struct Canvas {
    RoomPicture& picture;

    std::uint8_t* at(int x, int y) {
        return &picture.rgba[(static_cast<std::size_t>(y) * picture.width + x) * 4];
    }
    bool inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < picture.width && y < picture.height;
    }
    void blend(int x, int y, const std::uint8_t* c, const float tint[3]) {
        if (!inside(x, y) || c[3] == 0) return;
        std::uint8_t* p = at(x, y);
        const float a = c[3] / 255.0f;
        for (int i = 0; i < 3; ++i) {
            p[i] = static_cast<std::uint8_t>(p[i] * (1 - a) + c[i] * tint[i] * a);
        }
    }
    void put(int x, int y, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        if (!inside(x, y)) return;
        std::uint8_t* p = at(x, y);
        p[0] = r, p[1] = g, p[2] = b;
    }
    void outline(int x0, int y0, int x1, int y1, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        for (int x = x0; x <= x1; ++x) put(x, y0, r, g, b), put(x, y1, r, g, b);
        for (int y = y0; y <= y1; ++y) put(x0, y, r, g, b), put(x1, y, r, g, b);
    }
};

// Tiles are drawn 2 pixels larger than the grid, as the game's 20-pixel
// frame size makes neighbours overlap; the wrap borders fill that seam.
void drawTile(Canvas& canvas, const Image& sheet, int code, int column, int row, int roomHeight,
              const float tint[3]) {
    const int cellsAcross = sheet.width / kFrameCell;
    const int frame = code - 1;
    if (cellsAcross == 0 || frame / cellsAcross >= sheet.height / kFrameCell) return;
    const int cellX = (frame % cellsAcross) * kFrameCell;
    const int cellTop = (frame / cellsAcross) * kFrameCell;  // as seen, from the top
    const int left = column * kTileUnits - 1;
    const int top = (roomHeight - 1 - row) * kTileUnits - 1;
    for (int ty = 0; ty < 18; ++ty) {
        const int storedRow = sheet.height - 1 - (cellTop + 7 + ty);  // Targa rows run bottom-up
        for (int tx = 0; tx < 18; ++tx) {
            canvas.blend(left + tx, top + ty, sheet.pixel(storedRow, cellX + 7 + tx), tint);
        }
    }
}

void drawMarkers(Canvas& canvas, const RoomFile& room) {
    const int h = room.height * kTileUnits;
    auto box = [&](const Vector3& p, int half, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        const int x = static_cast<int>(p.x), y = h - static_cast<int>(p.y);
        canvas.outline(x - half, y - half, x + half, y + half, r, g, b);
    };
    box(room.startPos, 6, 80, 255, 80);
    if (room.featurePresent) box(room.featurePos, 4, 255, 230, 40);
    for (const EnemyEntry& e : room.enemies) box(e.pos, 8, 255, 60, 60);
    for (const BlockEntry& b : room.blocks) {
        const int x = b.column * kTileUnits, y = h - (b.row + 1) * kTileUnits;
        const std::uint8_t shade = b.type == 2 ? 0 : 255;
        canvas.outline(x, y, x + 15, y + 15, shade, b.type == 1 ? 0 : 160, 255 - shade / 2);
    }
}

void darken(RoomPicture& picture, const RoomFile& room) {
    const float cx = room.startPos.x, cy = room.height * kTileUnits - room.startPos.y;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const float d = std::hypot(x - cx, y - cy);
            const float keep = std::clamp(1.2f - d / 120.0f, 0.25f, 1.0f);
            std::uint8_t* p = &picture.rgba[(static_cast<std::size_t>(y) * picture.width + x) * 4];
            for (int i = 0; i < 3; ++i) p[i] = static_cast<std::uint8_t>(p[i] * keep);
        }
    }
}

}  // namespace

RoomLook roomLookFor(const std::string& sectionName) {
    RoomLook look;
    if (sectionName == "fernvale_vertical.sec") {
        const float tint[3] = {0.6f, 0.8f, 1.0f}, clear[3] = {0, 0, 0.4f};
        std::copy(tint, tint + 3, look.tint);
        std::copy(clear, clear + 3, look.clear);
    }
    look.dark =
        sectionName == "fernvale_roll-under.sec" || sectionName == "fernvale_roll-corner.sec";
    return look;
}

RoomPicture drawRoomPicture(const RoomFile& room, const Image& sheet, const RoomLook& look) {
    RoomPicture picture;
    picture.width = room.width * kTileUnits;
    picture.height = room.height * kTileUnits;
    picture.rgba.resize(static_cast<std::size_t>(picture.width) * picture.height * 4);
    for (std::size_t i = 0; i < picture.rgba.size(); i += 4) {
        for (int c = 0; c < 3; ++c)
            picture.rgba[i + c] = static_cast<std::uint8_t>(look.clear[c] * 255);
        picture.rgba[i + 3] = 255;
    }
    Canvas canvas{picture};
    for (int layer = 0; layer < kLayerCount; ++layer) {
        for (int row = 0; row < room.height; ++row) {
            for (int column = 0; column < room.width; ++column) {
                const int code = room.tile(layer, column, row);
                if (code > 0) drawTile(canvas, sheet, code, column, row, room.height, look.tint);
            }
        }
    }
    if (look.dark) darken(picture, room);
    if (look.markers) drawMarkers(canvas, room);
    return picture;
}

RoomPicture drawWorldPicture(const MapFile& map, const std::vector<RoomPicture>& pictures) {
    constexpr int kCellWidth = 160, kCellHeight = 120;  // a screen at half size
    RoomPicture world;
    if (map.sections.empty() || pictures.size() != map.sections.size()) return world;
    int minX = map.sections[0].gridX, maxX = minX, minY = map.sections[0].gridY, maxY = minY;
    for (const SectionRecord& s : map.sections) {
        minX = std::min(minX, s.gridX);
        minY = std::min(minY, s.gridY);
        maxX = std::max(maxX, s.gridX + s.widthCells);
        maxY = std::max(maxY, s.gridY + s.heightCells);
    }
    world.width = (maxX - minX) * kCellWidth;
    world.height = (maxY - minY) * kCellHeight;
    world.rgba.assign(static_cast<std::size_t>(world.width) * world.height * 4, 0);
    for (std::size_t i = 3; i < world.rgba.size(); i += 4) {
        world.rgba[i - 3] = world.rgba[i - 2] = 12;
        world.rgba[i - 1] = 20;
        world.rgba[i] = 255;
    }
    for (std::size_t i = 0; i < map.sections.size(); ++i) {
        const SectionRecord& s = map.sections[i];
        const RoomPicture& room = pictures[i];
        // Rows grow upward on the map and downward in the picture.
        const int left = (s.gridX - minX) * kCellWidth;
        const int top = (maxY - s.gridY - s.heightCells) * kCellHeight;
        for (int y = 0; y < room.height / 2; ++y) {
            for (int x = 0; x < room.width / 2; ++x) {
                const std::size_t to =
                    (static_cast<std::size_t>(top + y) * world.width + left + x) * 4;
                for (int c = 0; c < 4; ++c) {
                    int sum = 0;  // the mean of the 2 x 2 pixels it stands for
                    for (int dy = 0; dy < 2; ++dy) {
                        for (int dx = 0; dx < 2; ++dx) {
                            sum += room.rgba[(static_cast<std::size_t>(2 * y + dy) * room.width +
                                              2 * x + dx) *
                                                 4 +
                                             c];
                        }
                    }
                    world.rgba[to + c] = static_cast<std::uint8_t>(sum / 4);
                }
            }
        }
    }
    return world;
}
