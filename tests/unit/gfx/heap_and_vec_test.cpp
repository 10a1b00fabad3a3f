// The heap every record comes from (records rely on starting all-zero) and the
// cross product of the cube logo's flight axes.
#include "gfx/heap.h"
#include "gfx/vec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

TEST(Heap, NewBlocksReadAsZerosAndArraysBeyondThirtyTwoBitsAreRefused) {
    void* dirty = allocZeroed(4096);  // dirtied and given back, so that a fresh block may reuse its bytes
    ASSERT_NE(dirty, nullptr);
    std::memset(dirty, 0xA5, 4096);
    freeBlock(dirty);
    unsigned char* block = static_cast<unsigned char*>(allocArray(1024, 4));
    ASSERT_NE(block, nullptr);
    for (int i = 0; i < 4096; ++i) ASSERT_EQ(block[i], 0) << i;
    freeBlock(block);

    EXPECT_EQ(allocArray(0x10000, 0x10000), nullptr);      // exactly 2^32
    EXPECT_EQ(allocArray(SIZE_MAX / 2 + 1, 4), nullptr);  // wraps to zero in 64 bits
}

TEST(Cross, FollowsTheRightHandRule) {
    Vec3 result;
    cross(&result, Vec3(2, 3, 4), Vec3(5, 6, 7));
    EXPECT_EQ(result.x, 3 * 7 - 4 * 6);
    EXPECT_EQ(result.y, 4 * 5 - 2 * 7);
    EXPECT_EQ(result.z, 2 * 6 - 3 * 5);
}

}  // namespace
