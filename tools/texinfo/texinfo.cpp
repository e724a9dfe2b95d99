// texinfo: prints a sprite sheet's size, frame count and every frame's hit box
// exactly as the game measures them, one line a frame:
//   frame N: CX CY W H
// For artists and level designers checking collision shapes.
#include <cstdio>
#include <string>
#include <vector>

#include "gfx/Targa.h"

int main(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]) == "--help") {
        std::fprintf(argc == 2 ? stdout : stderr, "Usage: texinfo SHEET.tga\n");
        return argc == 2 ? 0 : 2;
    }
    Image image;
    std::vector<FrameBox> boxes;
    std::string error;
    if (!readTargaFile(argv[1], image, &error) || !prepareSpriteSheet(image, boxes, &error)) {
        std::fprintf(stderr, "texinfo: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::printf("%s: %d x %d, %zu frames\n", argv[1], image.width, image.height, boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const FrameBox& b = boxes[i];
        std::printf("frame %zu: %g %g %g %g\n", i, b.centerX, b.centerY, b.width, b.height);
    }
    return 0;
}
