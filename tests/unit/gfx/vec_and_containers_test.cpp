// Vectors, the pointer list and the heap that every object comes from.
#include "gfx/heap.h"
#include "gfx/pointer_list.h"
#include "gfx/vec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

bool allBytesAre(const void* block, size_t byteCount, unsigned char value) {
    const unsigned char* bytes = static_cast<const unsigned char*>(block);
    for (size_t i = 0; i < byteCount; ++i)
        if (bytes[i] != value) return false;
    return true;
}

TEST(Cross, FollowsTheRightHandRule) {
    Vec3 result;
    cross(&result, Vec3(1, 0, 0), Vec3(0, 1, 0));
    EXPECT_EQ(result.x, 0.0f);
    EXPECT_EQ(result.y, 0.0f);
    EXPECT_EQ(result.z, 1.0f);
    cross(&result, Vec3(2, 3, 4), Vec3(5, 6, 7));
    EXPECT_EQ(result.x, 3 * 7 - 4 * 6);
    EXPECT_EQ(result.y, 4 * 5 - 2 * 7);
    EXPECT_EQ(result.z, 2 * 6 - 3 * 5);
}

TEST(Cross, ResultMayBeOneOfTheOperands) {
    Vec3 a(2, 3, 4);
    cross(&a, a, Vec3(5, 6, 7));
    EXPECT_EQ(a.x, -3.0f);
    EXPECT_EQ(a.y, 6.0f);
    EXPECT_EQ(a.z, -3.0f);
}

TEST(Normalize, GivesUnitVectorsInTheSameDirection) {
    float v2[2] = {3.0f, -4.0f};
    normalize2(v2);
    EXPECT_FLOAT_EQ(v2[0], 0.6f);
    EXPECT_FLOAT_EQ(v2[1], -0.8f);
    float v3[3] = {2.0f, -3.0f, 6.0f};
    normalize3(v3);
    EXPECT_FLOAT_EQ(v3[0], 2.0f / 7.0f);
    EXPECT_FLOAT_EQ(v3[1], -3.0f / 7.0f);
    EXPECT_FLOAT_EQ(v3[2], 6.0f / 7.0f);
}

TEST(Normalize, ZeroVectorStaysZeroInsteadOfNaN) {
    float v2[2] = {0.0f, 0.0f};
    normalize2(v2);
    EXPECT_EQ(v2[0], 0.0f);
    EXPECT_EQ(v2[1], 0.0f);
    float v3[3] = {0.0f, 0.0f, 0.0f};
    normalize3(v3);
    EXPECT_EQ(v3[0], 0.0f);
    EXPECT_EQ(v3[2], 0.0f);
}

TEST(PointerList, HoldsExactlyItsCapacityInOrder) {
    PointerList* list = createPointerList(3);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->capacity, 3);
    EXPECT_EQ(list->count, 0);
    int a, b, c;
    pushPointer(list, &a);
    pushPointer(list, &b);
    pushPointer(list, &c);
    EXPECT_EQ(list->count, 3);
    EXPECT_EQ(list->items[0], &a);
    EXPECT_EQ(list->items[1], &b);
    EXPECT_EQ(list->items[2], &c);
}

TEST(Heap, NewBlocksReadAsZeros) {
    // Dirty a block and give it back, so that a fresh one may reuse its bytes.
    void* dirty = allocZeroed(4096);
    ASSERT_NE(dirty, nullptr);
    std::memset(dirty, 0xA5, 4096);
    freeBlock(dirty);
    void* array = allocArray(1024, 4);
    ASSERT_NE(array, nullptr);
    EXPECT_TRUE(allBytesAre(array, 4096, 0));
    freeBlock(array);
}

TEST(Heap, ArrayBeyondThirtyTwoBitsIsRefused) {
    EXPECT_EQ(allocArray(0x10000, 0x10000), nullptr);       // exactly 2^32
    EXPECT_EQ(allocArray(0x80000000u, 2), nullptr);
    EXPECT_EQ(allocArray(SIZE_MAX, 2), nullptr);           // wraps in 64 bits too
    EXPECT_EQ(allocArray(SIZE_MAX / 2 + 1, 4), nullptr);   // wraps to zero
    EXPECT_EQ(allocZeroed(UINT32_MAX), nullptr);           // the largest request fails
    void* fits = allocArray(0x1000, 0x1000);
    EXPECT_NE(fits, nullptr);
    freeBlock(fits);
}

TEST(Heap, ReallocGrowthReadsAsZerosAndKeepsTheContents) {
    unsigned char* block = static_cast<unsigned char*>(allocZeroed(4096));
    ASSERT_NE(block, nullptr);
    std::memset(block, 0xCD, 4096);
    // Shrinking and growing again tends to stay in place, with the old bytes
    // still there unless the growth is cleared.
    block = static_cast<unsigned char*>(reallocBlock(block, 16));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(allBytesAre(block, 16, 0xCD));
    block = static_cast<unsigned char*>(reallocBlock(block, 4096));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(allBytesAre(block, 16, 0xCD));
    EXPECT_TRUE(allBytesAre(block + 16, 4096 - 16, 0));
    freeBlock(block);
}

TEST(Heap, ReallocOfNullAllocatesAndARefusedOneKeepsTheBlock) {
    unsigned char* fresh = static_cast<unsigned char*>(reallocBlock(nullptr, 64));
    ASSERT_NE(fresh, nullptr);
    EXPECT_TRUE(allBytesAre(fresh, 64, 0));
    fresh[0] = 7;
    EXPECT_EQ(reallocBlock(fresh, UINT32_MAX), nullptr);
    EXPECT_EQ(fresh[0], 7);  // still valid
    freeBlock(fresh);
    freeBlock(nullptr);  // harmless
}

TEST(CopyBytes, CopiesExactlyTheCountForward) {
    unsigned char source[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    unsigned char destination[10];
    std::memset(destination, 0xEE, sizeof destination);
    copyBytes(destination + 1, source, 8);
    EXPECT_EQ(destination[0], 0xEE);
    EXPECT_EQ(std::memcmp(destination + 1, source, 8), 0);
    EXPECT_EQ(destination[9], 0xEE);
    copyBytes(destination, nullptr, 0);
    EXPECT_EQ(destination[0], 0xEE);
}

}  // namespace
