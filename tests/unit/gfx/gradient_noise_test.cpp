// Gradient noise: its tables, its lattice rule and the fractal sum.
#include "gfx/gradient_noise.h"
#include "gfx/heap.h"
#include "gfx/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// A generator from the heap, as its users make them, with its tables built.
GradientNoise* builtNoise(uint32_t seedValue, int32_t octaves = 8, float frequency = 1.0f, float amplitude = 1.0f) {
    GradientNoise* noise = static_cast<GradientNoise*>(allocZeroed(sizeof(GradientNoise)));
    initGradientNoise(noise, octaves, frequency, amplitude, seedValue);
    noise2(noise, 0.5f, 0.5f);
    return noise;
}

float componentOf(int32_t draw) { return static_cast<float>(draw % 2048 - 1024) / 1024.0f; }

TEST(GradientNoiseTables, AreBuiltOnFirstUseWithExactlyTheFixedNumberOfDraws) {
    GradientNoise* noise = static_cast<GradientNoise*>(allocZeroed(sizeof(GradientNoise)));
    initGradientNoise(noise, 8, 2.5f, 0.75f, 49);
    EXPECT_EQ(noise->state, 49u);
    EXPECT_EQ(noise->permutation[1], 0);  // nothing built by init
    noise2(noise, 0.5f, 0.5f);
    EXPECT_EQ(noise->needsTables, 0);
    uint32_t expected = 49;
    for (int i = 0; i < 6 * 1024 + 1023; ++i) nextInt(&expected);
    EXPECT_EQ(noise->state, expected);
    // Later calls draw nothing more.
    noise2(noise, 3.25f, 7.5f);
    EXPECT_EQ(noise->state, expected);
    freeBlock(noise);
}

TEST(GradientNoiseTables, EachEntryTakesOneTwoThenThreeDraws) {
    GradientNoise* noise = builtNoise(27);
    uint32_t state = 27;
    for (int entry = 0; entry < 2; ++entry) {
        EXPECT_EQ(noise->gradients1[entry], componentOf(nextInt(&state))) << entry;
        float x = componentOf(nextInt(&state)), y = componentOf(nextInt(&state));
        float length2 = std::sqrt(x * x + y * y);
        EXPECT_FLOAT_EQ(noise->gradients2[entry][0], x / length2) << entry;
        EXPECT_FLOAT_EQ(noise->gradients2[entry][1], y / length2) << entry;
        float z3[3];
        for (float& component : z3) component = componentOf(nextInt(&state));
        float length3 = std::sqrt(z3[0] * z3[0] + z3[1] * z3[1] + z3[2] * z3[2]);
        for (int axis = 0; axis < 3; ++axis) EXPECT_FLOAT_EQ(noise->gradients3[entry][axis], z3[axis] / length3);
    }
    freeBlock(noise);
}

TEST(GradientNoiseTables, TheTailRepeatsTheFirst1026Entries) {
    GradientNoise* noise = builtNoise(63);
    for (int i = 0; i < GRADIENT_TABLE_ENTRIES - GRADIENT_TABLE_SIZE; ++i) {
        int copy = GRADIENT_TABLE_SIZE + i;
        EXPECT_EQ(noise->permutation[copy], noise->permutation[i]) << i;
        EXPECT_EQ(noise->gradients1[copy], noise->gradients1[i]) << i;
        EXPECT_EQ(std::memcmp(noise->gradients2[copy], noise->gradients2[i], sizeof(float) * 2), 0) << i;
        EXPECT_EQ(std::memcmp(noise->gradients3[copy], noise->gradients3[i], sizeof(float) * 3), 0) << i;
    }
    freeBlock(noise);
}

TEST(GradientNoiseTables, ShuffleSwapsWithAnEntryDrawnFromTheWholeTable) {
    // Replayed from the draws after the 6144 gradient draws: j is taken modulo
    // 1024 every time, not modulo k + 1, and that decides the picture.
    GradientNoise* noise = builtNoise(133);
    uint32_t state = 133;
    for (int i = 0; i < 6 * 1024; ++i) nextInt(&state);
    std::vector<int32_t> expected(GRADIENT_TABLE_SIZE);
    for (int i = 0; i < GRADIENT_TABLE_SIZE; ++i) expected[i] = i;
    for (int k = GRADIENT_TABLE_SIZE - 1; k > 0; --k) std::swap(expected[k], expected[nextInt(&state) % 1024]);
    EXPECT_EQ(std::memcmp(noise->permutation, expected.data(), sizeof(int32_t) * GRADIENT_TABLE_SIZE), 0);
    freeBlock(noise);
}

TEST(GradientNoiseTables, GradientsAreUnitVectorsAndOneDimensionalOnesOnTheGrid) {
    GradientNoise* noise = builtNoise(39);
    for (int i = 0; i < GRADIENT_TABLE_ENTRIES; ++i) {
        const float* g2 = noise->gradients2[i];
        const float* g3 = noise->gradients3[i];
        EXPECT_NEAR(g2[0] * g2[0] + g2[1] * g2[1], 1.0f, 1e-6f) << i;
        EXPECT_NEAR(g3[0] * g3[0] + g3[1] * g3[1] + g3[2] * g3[2], 1.0f, 1e-6f) << i;
        float steps = noise->gradients1[i] * 1024.0f;
        EXPECT_EQ(steps, std::floor(steps)) << i;
        EXPECT_GE(steps, -1024.0f);
        EXPECT_LE(steps, 1023.0f);
    }
    freeBlock(noise);
}

TEST(GradientNoiseTables, SameSeedSameTablesOtherSeedOtherTables) {
    GradientNoise* first = builtNoise(133);
    GradientNoise* second = builtNoise(133);
    GradientNoise* other = builtNoise(134);
    EXPECT_EQ(std::memcmp(first, second, sizeof(GradientNoise)), 0);
    EXPECT_NE(std::memcmp(first->permutation, other->permutation, sizeof first->permutation), 0);
    for (int i = 0; i < 100; ++i) {
        float x = 0.37f * i, y = 11.0f - 0.21f * i;
        EXPECT_EQ(noise2(first, x, y), noise2(second, x, y));
    }
    freeBlock(first);
    freeBlock(second);
    freeBlock(other);
}

TEST(LatticeRule, JustBelowALatticeLineBelongsToTheNextCell) {
    LatticeCoordinate near = latticeCoordinate(4096.9996f);
    EXPECT_EQ(near.cell, 4097);
    EXPECT_NEAR(near.fraction, -0.0004f, 0.0001f);
    EXPECT_LT(near.fraction, 0.0f);
    // One float step further down is more than 0.0005 below: still cell 4096.
    LatticeCoordinate below = latticeCoordinate(4096.9990234375f);
    EXPECT_EQ(below.cell, 4096);
    EXPECT_NEAR(below.fraction, 0.999f, 0.0001f);
    LatticeCoordinate inside = latticeCoordinate(4100.25f);
    EXPECT_EQ(inside.cell, 4100);
    EXPECT_EQ(inside.fraction, 0.25f);
}

TEST(LatticeRule, NegativeCoordinatesTruncateTowardZero) {
    // -1500 / 1000 truncates to -1; a floor would give -2 and fraction 0.5.
    LatticeCoordinate negative = latticeCoordinate(-1.5f);
    EXPECT_EQ(negative.cell, -1);
    EXPECT_EQ(negative.fraction, -0.5f);
}

TEST(Noise2, IsExactlyZeroOnLatticePoints) {
    GradientNoise* noise = builtNoise(133);
    const float points[][2] = {{0, 0}, {1, 0}, {0, 1}, {5, 9}, {-3, 7}, {1023, 1024}, {1500, -200}, {-4000, 12}};
    for (const auto& point : points) EXPECT_EQ(noise2(noise, point[0], point[1]), 0.0f) << point[0] << "," << point[1];
    freeBlock(noise);
}

TEST(Noise2, RepeatsEvery1024Cells) {
    GradientNoise* noise = builtNoise(49);
    // Quarter steps are exact at these magnitudes, so both calls see the same fractions.
    for (int i = 0; i < 50; ++i) {
        float x = 0.25f * i, y = 0.75f + 0.5f * i;
        EXPECT_EQ(noise2(noise, x + 1024.0f, y), noise2(noise, x, y)) << i;
        EXPECT_EQ(noise2(noise, x, y + 1024.0f), noise2(noise, x, y)) << i;
    }
    freeBlock(noise);
}

TEST(Noise2, IsContinuousAcrossCellBordersAndBounded) {
    GradientNoise* noise = builtNoise(27);
    for (int k = -20; k < 60; ++k) {
        float across = 0.37f + 0.11f * k;
        float line = static_cast<float>(k);
        // Neighbouring cells must agree at their shared border, on both axes.
        EXPECT_NEAR(noise2(noise, line - 0.002f, across), noise2(noise, line + 0.002f, across), 0.02f) << k;
        EXPECT_NEAR(noise2(noise, across, line - 0.002f), noise2(noise, across, line + 0.002f), 0.02f) << k;
    }
    float largest = 0.0f;
    for (int i = 0; i < 4000; ++i) {
        float value = noise2(noise, 0.013f * i, 0.0071f * i + 3.0f);
        largest = std::fmax(largest, std::fabs(value));
    }
    EXPECT_LE(largest, 1.0f);
    EXPECT_GT(largest, 0.1f);  // not flat
    freeBlock(noise);
}

TEST(Fractal2, EightOctavesLeaveThePointScaledByFrequencyTimes256) {
    GradientNoise* noise = builtNoise(63, 8, 1.5f);
    float point[2] = {0.3f, 0.7f};
    fractal2(noise, point);
    EXPECT_EQ(point[0], 0.3f * 1.5f * 256.0f);
    EXPECT_EQ(point[1], 0.7f * 1.5f * 256.0f);
    freeBlock(noise);
}

TEST(Fractal2, SumsOctavesAtDoubledPointsWithHalvedWeights) {
    GradientNoise* noise = builtNoise(39, 3, 2.0f, 4.0f);
    float point[2] = {0.31f, 0.17f};
    float x = 0.31f * 2.0f, y = 0.17f * 2.0f;
    float expected = noise2(noise, x, y) * 4.0f;
    expected += noise2(noise, 2 * x, 2 * y) * 2.0f;
    expected += noise2(noise, 4 * x, 4 * y) * 1.0f;
    EXPECT_EQ(fractal2(noise, point), expected);
    noise->octaves = 0;
    EXPECT_EQ(fractal2(noise, point), 0.0f);
    freeBlock(noise);
}

}  // namespace
