// Box push-out: the collision every mover relies on. (Overlap at touching
// edges is checked through the enemy hit tests, a floor's push up through
// the World's tile queries.)
#include <gtest/gtest.h>

#include "player/BoundingBox.h"

namespace {

BoundingBox box(float x, float y, float w, float h, float vx = 0, float vy = 0) {
    BoundingBox b;
    b.set(makeVector3(x, y, 0), makeVector3(vx, vy, 0), w, h);
    return b;
}

}  // namespace

TEST(BoundingBox, AWallPushesBackSidewaysAndStopsOnlyTheSpeedIntoIt) {
    const BoundingBox wall = box(40, 30, 15, 15);
    BoundingBox body = box(40 - 7.5f - 6 + 0.5f, 30, 12, 30, 2, 1);
    EXPECT_TRUE(body.pushOutOf(wall));
    EXPECT_FLOAT_EQ(body.position.x, 40 - 7.5f - 6);
    EXPECT_FLOAT_EQ(body.velocity.x, 0);
    EXPECT_FLOAT_EQ(body.velocity.y, 1);

    BoundingBox other = box(40 + 7.5f + 6 - 0.5f, 30, 12, 30, 2, 0);
    EXPECT_TRUE(other.pushOutOf(wall));
    EXPECT_FLOAT_EQ(other.position.x, 40 + 7.5f + 6);
    EXPECT_FLOAT_EQ(other.velocity.x, 2);

    // A corner touch (0.3 on x, under the 0.5 tolerance, and too diagonal
    // for the vertical one) is reported but moves nothing.
    BoundingBox corner = box(15.7f, 14, 16, 16, 1, 1);
    EXPECT_TRUE(corner.pushOutOf(box(0, 0, 16, 16)));
    EXPECT_FLOAT_EQ(corner.position.x, 15.7f);
    EXPECT_FLOAT_EQ(corner.position.y, 14);
    EXPECT_FLOAT_EQ(corner.velocity.x, 1);
    EXPECT_FALSE(box(30, 0, 10, 10).pushOutOf(box(0, 0, 16, 16)));
}
