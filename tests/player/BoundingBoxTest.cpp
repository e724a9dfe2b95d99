// Box overlap and push-out: the collision every mover relies on.
#include <gtest/gtest.h>

#include "player/BoundingBox.h"

namespace {

BoundingBox box(float x, float y, float w, float h, float vx = 0, float vy = 0) {
    BoundingBox b;
    b.set(makeVector3(x, y, 0), makeVector3(vx, vy, 0), w, h);
    return b;
}

}  // namespace

TEST(BoundingBox, TouchingEdgesOverlap) {
    EXPECT_TRUE(box(0, 0, 10, 10).overlaps(box(10, 0, 10, 10)));
    EXPECT_TRUE(box(0, 0, 10, 10).overlaps(box(0, -10, 10, 10)));
    EXPECT_FALSE(box(0, 0, 10, 10).overlaps(box(10.001f, 0, 10, 10)));
    EXPECT_FALSE(box(0, 0, 10, 10).overlaps(box(0, 10.001f, 10, 10)));
    BoundingBox b = box(0, 0, 1, 1);
    b.damage = 5;
    b.set(makeVector3(1, 1, 0), makeVector3(0, 0, 0), 2, 2);
    EXPECT_EQ(b.damage, 0);
}

TEST(BoundingBox, StandingOnAFloorIsPushedStraightUp) {
    // 12 x 30 body whose bottom is 0.2 inside a 15 x 15 floor tile.
    const BoundingBox floor = box(8 - 0.5f, 8 - 0.5f, 15, 15);
    const float floorTop = 15.0f;
    BoundingBox body = box(10, floorTop + 15 - 0.2f, 12, 30, 1.5f, -2);
    EXPECT_TRUE(body.pushOutOf(floor));
    EXPECT_FLOAT_EQ(body.position.y, floorTop + 15);
    EXPECT_FLOAT_EQ(body.velocity.y, 0);
    EXPECT_FLOAT_EQ(body.velocity.x, 1.5f);
    EXPECT_FLOAT_EQ(body.position.x, 10);

    // The neighbouring tile 16 units on only touches now and does not move it.
    const BoundingBox next = box(24 - 0.5f, 8 - 0.5f, 15, 15);
    EXPECT_TRUE(body.pushOutOf(next));
    EXPECT_FLOAT_EQ(body.position.y, floorTop + 15);
}

TEST(BoundingBox, WalkingIntoAWallIsPushedBackSideways) {
    const BoundingBox wall = box(40, 30, 15, 15);
    BoundingBox body = box(40 - 7.5f - 6 + 0.5f, 30, 12, 30, 2, 1);
    EXPECT_TRUE(body.pushOutOf(wall));
    EXPECT_FLOAT_EQ(body.position.x, 40 - 7.5f - 6);
    EXPECT_FLOAT_EQ(body.velocity.x, 0);
    EXPECT_FLOAT_EQ(body.velocity.y, 1);

    // From the other side a negative speed stops; a positive one is kept.
    BoundingBox other = box(40 + 7.5f + 6 - 0.5f, 30, 12, 30, 2, 0);
    EXPECT_TRUE(other.pushOutOf(wall));
    EXPECT_FLOAT_EQ(other.position.x, 40 + 7.5f + 6);
    EXPECT_FLOAT_EQ(other.velocity.x, 2);
}

TEST(BoundingBox, CornerTouchIsReportedButNotMoved) {
    // Overlapping by 0.3 on x (under the 0.5 tolerance) and diagonal enough
    // that the vertical tolerance is not met either.
    const BoundingBox tile = box(0, 0, 16, 16);
    BoundingBox corner = box(15.7f, 14, 16, 16, 1, 1);
    EXPECT_TRUE(corner.pushOutOf(tile));
    EXPECT_FLOAT_EQ(corner.position.x, 15.7f);
    EXPECT_FLOAT_EQ(corner.position.y, 14);
    EXPECT_FLOAT_EQ(corner.velocity.x, 1);

    BoundingBox apart = box(30, 0, 10, 10, 1, 1);
    EXPECT_FALSE(apart.pushOutOf(tile));
}
