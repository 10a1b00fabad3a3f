// The noise texture: its six layers and its pixels, computed without GL.
#include "gfx/gradient_noise.h"
#include "gfx/heap.h"
#include "gfx/textures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(NoiseTexture, LayersGetThePinnedSeedsFrequenciesAndAmplitudes) {
    GradientNoise* layers = static_cast<GradientNoise*>(allocArray(NOISE_LAYER_COUNT, sizeof(GradientNoise)));
    ASSERT_NE(layers, nullptr);
    initNoiseLayers(layers);
    const struct {
        uint32_t seed;
        float frequency, amplitude;
    } rows[NOISE_LAYER_COUNT] = {{133, 12.7344f, 1}, {49, 0.0930f, 1}, {39, 16.6655f, 2},
                                 {27, 2.4632f, 2},   {63, 12.8449f, 2}, {27, 6.5015f, 2}};
    for (int k = 0; k < NOISE_LAYER_COUNT; ++k) {
        EXPECT_EQ(layers[k].state, rows[k].seed) << "layer " << k + 1;
        EXPECT_NEAR(layers[k].frequency, rows[k].frequency, 0.00006f) << "layer " << k + 1;
        EXPECT_EQ(layers[k].amplitude, rows[k].amplitude) << "layer " << k + 1;
        EXPECT_EQ(layers[k].octaves, 8) << "layer " << k + 1;
    }
    freeBlock(layers);
}

// The pinned digest (FNV-1a, 64 bits, over the 512 x 512 x 4 bytes, row 0
// first) is that of a separate evaluation of the texture's recipe in C, written
// from its description alone (the layer draws, the gradient tables, the lattice
// rule, the octave sum and the grey level with its weights 0.5 and 0.33 and the
// row divisor), which agreed with this code on every pixel. Any change to the
// weights, the octaves, the tables or the rounding changes it; so would a
// compiler that evaluates single-precision floats differently.
TEST(NoiseTexture, PixelsAreThoseOfTheRecipe) {
    for (uint8_t leftover : {0x00, 0xFF}) {  // nothing of what the buffer held shows through
        std::vector<uint8_t> pixels(NOISE_TEXTURE_SIZE * NOISE_TEXTURE_SIZE * 4, leftover);
        computeNoisePixels(pixels.data());
        uint64_t digest = 14695981039346656037ull;
        for (uint8_t byte : pixels) digest = (digest ^ byte) * 1099511628211ull;
        EXPECT_EQ(digest, 0xe695f4f45048c70aull) << std::hex << digest;
    }
}

}  // namespace
