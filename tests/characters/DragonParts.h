#pragma once

#include <vector>

// Where the dragon boss draws its 15 parts around its centre (x right, y up,
// at scale 1, facing right) and with which sheet frame, in drawing order.
struct DragonPart {
    float x;
    float y;
    int frame;
};

// pose 0: hovering (head, tail and wing at rest); pose 1: in flight, with the
// hind leg drawn first.
inline std::vector<DragonPart> dragonParts(int pose) {
    std::vector<DragonPart> parts;
    if (pose == 1) parts = {{12, -60, 19}, {7, -76, 18}};
    const std::vector<DragonPart> body = {{-15, 15.5f, 0}, {15, 15.5f, 1}, {-15, -15, 2},
                                          {15, -15, 3},    {-15, -45, 4},  {15, -45, 5},
                                          {30, 40, 6},     {60, 40, 7}};
    parts.insert(parts.end(), body.begin(), body.end());
    if (pose == 0) {
        parts.insert(parts.end(),
                     {{30, 10, 8}, {60, 10, 9}, {-15, -75, 14}, {-14, -105, 15}, {-21, 8, 12}});
    } else {
        parts.insert(parts.end(),
                     {{30, 10, 10}, {56, 10, 11}, {-3, -75, 17}, {-33, -78, 16}, {-15, 20.5f, 13}});
    }
    return parts;
}
