#pragma once

#include <cstdint>

#include "math/Vector3.h"

// An axis-aligned box given by its centre and full size, carrying its owner's
// velocity. Every mover (player, enemies, shots) tests tiles and other actors
// through one of these. Owners refill it with set() before every use.
class BoundingBox {
  public:
    void set(Vector3 position, Vector3 velocity, float width, float height);

    // Plain overlap; boxes whose edges touch exactly do overlap.
    bool overlaps(const BoundingBox& other) const;

    // Moves this box out of a solid one along a single axis and stops the
    // velocity that drives into it. True when the boxes overlapped, whether or
    // not this box moved (a corner touch within both tolerances stays put).
    bool pushOutOf(const BoundingBox& solid);

    Vector3 position;
    Vector3 velocity;
    float width;
    float height;
    std::int32_t damage;
};
