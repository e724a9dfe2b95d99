// Targa pictures: the decoder, then both pixel preparations the game runs on
// what it loads, then an encode and decode that must give the picture back.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/Targa.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Image image;
    std::string error;
    if (!decodeTarga(data, size, image, &error)) {
        if (error.empty()) std::abort();  // every refusal says why
        return 0;
    }
    if (image.width < 1 || image.height < 1 || image.width > kMaxPictureEdge ||
        image.height > kMaxPictureEdge ||
        image.rgba.size() != static_cast<std::size_t>(image.width) * image.height * 4) {
        std::abort();
    }

    // Stored with alpha, a picture reads back exactly.
    const std::vector<std::uint8_t> stored = encodeTarga(image, true);
    Image again;
    if (!decodeTarga(stored.data(), stored.size(), again, nullptr) || again.width != image.width ||
        again.height != image.height || again.rgba != image.rgba) {
        std::abort();
    }

    Image plain = image;
    preparePlainPicture(plain);

    std::vector<FrameBox> boxes;
    if (prepareSpriteSheet(image, boxes, nullptr)) {
        const std::size_t cells = static_cast<std::size_t>(image.width / kFrameCell) *
                                  static_cast<std::size_t>(image.height / kFrameCell);
        if (boxes.size() != cells) std::abort();
        for (const FrameBox& box : boxes) {
            // Snapped to the 16-pixel tile inside the 32-pixel cell: a bound
            // is 8 or 16 below and 15 or 23 above, so a side is -1, 7 or 15.
            for (float side : {box.width, box.height}) {
                if (side != -1 && side != 7 && side != 15) std::abort();
            }
        }
    }
    return 0;
}
