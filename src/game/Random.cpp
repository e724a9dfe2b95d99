#include "game/Random.h"

#include <cstdint>

namespace {
std::uint32_t state = 1;
}

void seedGameRandom(unsigned seed) {
    state = seed;
}

int gameRandom() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 32767u);
}
