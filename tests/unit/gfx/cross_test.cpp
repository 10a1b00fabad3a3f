// The cross product that turns the cube logo's flight axes (the logo's own
// tests compute their expectations with it, so it is pinned here).
#include "gfx/vec.h"

#include <gtest/gtest.h>

namespace {

TEST(Cross, FollowsTheRightHandRule) {
    Vec3 result;
    cross(&result, Vec3(2, 3, 4), Vec3(5, 6, 7));
    EXPECT_EQ(result.x, 3 * 7 - 4 * 6);
    EXPECT_EQ(result.y, 4 * 5 - 2 * 7);
    EXPECT_EQ(result.z, 2 * 6 - 3 * 5);
}

}  // namespace
