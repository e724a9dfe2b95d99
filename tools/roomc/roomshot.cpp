// roomshot: draws every room of the compiled map to a PNG, to look at rooms
// without starting the game.
//   roomshot BUILD_DIR [--plain]
// reads BUILD_DIR/data/map/test.map, its rooms and the tile sheets in
// BUILD_DIR/data, and writes BUILD_DIR/pictures/rooms/<room>.png at twice the
// size, and BUILD_DIR/pictures/rooms/world.png: the whole map at half size,
// each room at its grid place. Outlines: green start, yellow feature, red
// enemies, orange breakable blocks, magenta flush target, cyan doors (--plain
// leaves them out).
#include <cstdio>
#include <filesystem>
#include <string>

#include "RoomPicture.h"
#include "RoomRules.h"
#include "gfx/PngFile.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> doubled(const RoomPicture& picture) {
    const int w = picture.width * 2;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(w) * picture.height * 2 * 4);
    for (int y = 0; y < picture.height * 2; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t from = (static_cast<std::size_t>(y / 2) * picture.width + x / 2) * 4;
            const std::size_t to = (static_cast<std::size_t>(y) * w + x) * 4;
            for (int c = 0; c < 4; ++c) out[to + c] = picture.rgba[from + c];
        }
    }
    return out;
}

bool loadSheet(const fs::path& path, Image& sheet) {
    std::string error;
    std::vector<FrameBox> boxes;
    if (!readTargaFile(path.string(), sheet, &error) || !prepareSpriteSheet(sheet, boxes, &error)) {
        std::fprintf(stderr, "roomshot: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: roomshot BUILD_DIR [--plain]\n");
        return 2;
    }
    const fs::path build = argv[1];
    const bool markers = argc == 2;
    Image sheets[kTileSheetCount];
    for (int i = 0; i < kTileSheetCount; ++i) {
        if (!loadSheet(build / "data" / (std::string(tileSheetName(i)) + ".tga"), sheets[i]))
            return 1;
    }
    MapFile map;
    std::string error;
    if (!readMapFile((build / "data" / "map" / "test.map").string(), map, &error)) {
        std::fprintf(stderr, "roomshot: test.map: %s\n", error.c_str());
        return 1;
    }
    const fs::path outDir = build / "pictures" / "rooms";
    fs::create_directories(outDir);
    std::vector<RoomPicture> pictures;
    for (const SectionRecord& section : map.sections) {
        RoomFile room;
        if (!readRoomFile((build / "data" / "map" / section.name).string(), room, &error)) {
            std::fprintf(stderr, "roomshot: %s: %s\n", section.name.c_str(), error.c_str());
            return 1;
        }
        RoomLook look = roomLookFor(section.name);
        look.markers = markers;
        const RoomPicture picture =
            drawRoomPicture(room, sheets[tileSheetForRoom(section.name)], look);
        const std::vector<std::uint8_t> big = doubled(picture);
        const fs::path png = outDir / fs::path(section.name).replace_extension(".png");
        if (!writePngFile(png.string(), picture.width * 2, picture.height * 2, big.data(),
                          &error)) {
            std::fprintf(stderr, "roomshot: %s: %s\n", png.c_str(), error.c_str());
            return 1;
        }
        std::printf("%s\n", png.c_str());
        pictures.push_back(picture);
    }
    const RoomPicture world = drawWorldPicture(map, pictures);
    const fs::path worldPng = outDir / "world.png";
    if (!writePngFile(worldPng.string(), world.width, world.height, world.rgba.data(), &error)) {
        std::fprintf(stderr, "roomshot: %s: %s\n", worldPng.c_str(), error.c_str());
        return 1;
    }
    std::printf("%s\n", worldPng.c_str());
    return 0;
}
