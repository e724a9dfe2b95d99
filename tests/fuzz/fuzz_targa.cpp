// Targa pictures: the decoder, then both pixel preparations the game runs on
// what it loads, and an encode and decode that must give the picture back.
#include <vector>

#include "FuzzCheck.h"
#include "gfx/Targa.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Image image;
    std::string error;
    if (!decodeTarga(data, size, image, &error)) {
        require(!error.empty());  // every refusal says why
        return 0;
    }
    require(image.width >= 1 && image.height >= 1 && image.width <= kMaxPictureEdge &&
            image.height <= kMaxPictureEdge &&
            image.rgba.size() == static_cast<std::size_t>(image.width) * image.height * 4);

    // Stored with alpha, a picture reads back exactly.
    const std::vector<std::uint8_t> stored = encodeTarga(image, true);
    Image again;
    require(decodeTarga(stored.data(), stored.size(), again, nullptr) &&
            again.width == image.width && again.height == image.height && again.rgba == image.rgba);

    Image plain = image;
    preparePlainPicture(plain);
    std::vector<FrameBox> boxes;
    if (prepareSpriteSheet(image, boxes, nullptr)) {
        require(boxes.size() == static_cast<std::size_t>(image.width / kFrameCell) *
                                    static_cast<std::size_t>(image.height / kFrameCell));
        // Snapped to the 16-pixel tile inside the 32-pixel cell: a side is
        // -1, 7 or 15.
        for (const FrameBox& box : boxes)
            for (float side : {box.width, box.height})
                require(side == -1 || side == 7 || side == 15);
    }
    return 0;
}
