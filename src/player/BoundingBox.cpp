#include "player/BoundingBox.h"

#include <cmath>

void BoundingBox::set(Vector3 newPosition, Vector3 newVelocity, float newWidth, float newHeight) {
    position = newPosition;
    velocity = newVelocity;
    width = newWidth;
    height = newHeight;
    damage = 0;
}

bool BoundingBox::overlaps(const BoundingBox& b) const {
    if (position.x + width / 2 < b.position.x - b.width / 2) return false;
    if (position.x - width / 2 > b.position.x + b.width / 2) return false;
    if (position.y + height / 2 < b.position.y - b.height / 2) return false;
    if (position.y - height / 2 > b.position.y + b.height / 2) return false;
    return true;
}

bool BoundingBox::pushOutOf(const BoundingBox& b) {
    if (!overlaps(b)) return false;
    const float dx = b.position.x - position.x;
    const float dy = b.position.y - position.y;
    // Distances are weighed by the mean aspect ratio of the two boxes, so a
    // tall box beside a wall resolves sideways and one on a floor upward.
    const float s = (b.width / b.height + width / height) / 2;
    const float across = std::fabs(dx) / s;
    const float along = std::fabs(dy) * s;

    // Sideways only when the vertical overlap is more than 4 units short of
    // full: a box sinking slightly into a floor is never pushed off it.
    if (along < across && std::fabs(dy) < b.height / 2 + height / 2 - 4) {
        if (b.position.x > position.x) {
            position.x = b.position.x - b.width / 2 - width / 2;
            if (velocity.x > 0) velocity.x = 0;
        } else {
            position.x = b.position.x + b.width / 2 + width / 2;
            if (velocity.x < 0) velocity.x = 0;
        }
        return true;
    }
    // Vertically unless the boxes barely overlap sideways (0.5 units).
    if (std::fabs(dx) < b.width / 2 + width / 2 - 0.5f) {
        if (b.position.y > position.y) {
            position.y = b.position.y - b.height / 2 - height / 2;
            if (velocity.y > 0) velocity.y = 0;
        } else {
            position.y = b.position.y + b.height / 2 + height / 2;
            if (velocity.y < 0) velocity.y = 0;
        }
        return true;
    }
    return true;
}
