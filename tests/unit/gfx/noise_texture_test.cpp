// The noise texture's pixels, computed without GL.
#include "gfx/textures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The pinned digest (FNV-1a, 64 bits, over the 512 x 512 x 4 bytes, row 0
// first) is that of a separate evaluation of the texture's recipe in C, written
// from its description alone: the layer draws from seed 0 (table seeds 133, 49,
// 39, 27, 63, 27; frequencies about 12.7344, 0.0930, 16.6655, 2.4632, 12.8449,
// 6.5015), the gradient tables, the lattice rule, the octave sum and the grey
// level with its weights 0.5 and 0.33 and the row divisor. It agreed with this
// code on every pixel. Any change to the layers, weights, octaves, tables or
// rounding changes it; so would a compiler that rounds single-precision
// arithmetic differently.
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
