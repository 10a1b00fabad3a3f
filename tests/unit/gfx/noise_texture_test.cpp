// The noise texture's layers and pixels, computed without GL.
#include "gfx/gradient_noise.h"
#include "gfx/heap.h"
#include "gfx/textures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

constexpr size_t PIXEL_BYTES = NOISE_TEXTURE_SIZE * NOISE_TEXTURE_SIZE * 4;

std::vector<uint8_t> noisePixels(uint8_t prefill) {
    std::vector<uint8_t> pixels(PIXEL_BYTES, prefill);
    computeNoisePixels(pixels.data());
    return pixels;
}

TEST(NoiseLayers, GetThePinnedSeedsFrequenciesAndAmplitudes) {
    GradientNoise* layers = static_cast<GradientNoise*>(allocArray(NOISE_LAYER_COUNT, sizeof(GradientNoise)));
    ASSERT_NE(layers, nullptr);
    initNoiseLayers(layers);
    const uint32_t seeds[NOISE_LAYER_COUNT] = {133, 49, 39, 27, 63, 27};
    const float frequencies[NOISE_LAYER_COUNT] = {12.7344f, 0.0930f, 16.6655f, 2.4632f, 12.8449f, 6.5015f};
    const float amplitudes[NOISE_LAYER_COUNT] = {1, 1, 2, 2, 2, 2};
    for (int k = 0; k < NOISE_LAYER_COUNT; ++k) {
        EXPECT_EQ(layers[k].state, seeds[k]) << "layer " << k + 1;
        EXPECT_NEAR(layers[k].frequency, frequencies[k], 0.00006f) << "layer " << k + 1;
        EXPECT_EQ(layers[k].amplitude, amplitudes[k]) << "layer " << k + 1;
        EXPECT_EQ(layers[k].octaves, 8) << "layer " << k + 1;
        EXPECT_NE(layers[k].needsTables, 0) << "layer " << k + 1;
    }
    freeBlock(layers);
}

TEST(NoisePixels, FirstPixelIsOpaqueBlack) {
    // Every octave of every layer samples a lattice point there.
    std::vector<uint8_t> pixels = noisePixels(0x77);
    EXPECT_EQ(pixels[0], 0);
    EXPECT_EQ(pixels[1], 0);
    EXPECT_EQ(pixels[2], 0);
    EXPECT_EQ(pixels[3], 255);
}

TEST(NoisePixels, EveryPixelIsGreyAndOpaqueAndThePictureIsNotFlat) {
    std::vector<uint8_t> pixels = noisePixels(0x77);
    std::set<uint8_t> levels;
    size_t offenders = 0;
    for (size_t p = 0; p < PIXEL_BYTES; p += 4) {
        if (pixels[p] != pixels[p + 1] || pixels[p] != pixels[p + 2] || pixels[p + 3] != 255) ++offenders;
        levels.insert(pixels[p]);
    }
    EXPECT_EQ(offenders, 0u);
    EXPECT_GT(levels.size(), 32u);
}

TEST(NoisePixels, SameTextureOnEveryComputation) {
    // Different leftovers in the buffer must not show through either.
    std::vector<uint8_t> first = noisePixels(0x00);
    std::vector<uint8_t> second = noisePixels(0xFF);
    EXPECT_TRUE(first == second);
}

}  // namespace
