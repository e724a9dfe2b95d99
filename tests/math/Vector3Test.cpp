#include <gtest/gtest.h>

#include "math/Vector3.h"

TEST(Vector3, BlendEndsAtThePreviousAndCurrentValues) {
    const Vector3 previous = makeVector3(10.1f, -3.3f, 0), current = makeVector3(11.7f, 4.9f, 0);
    EXPECT_EQ(vectorBlend(previous, current, 0).x, previous.x);
    EXPECT_EQ(vectorBlend(previous, current, 0).y, previous.y);
    EXPECT_EQ(vectorBlend(previous, current, 1).x, current.x);
    EXPECT_EQ(vectorBlend(previous, current, 1).y, current.y);
    EXPECT_FLOAT_EQ(vectorBlend(previous, current, 0.25f).x, 10.1f * 0.75f + 11.7f * 0.25f);
}
