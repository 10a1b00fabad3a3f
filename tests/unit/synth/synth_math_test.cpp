// The arithmetic the units share, where no song's digest reaches (the test
// song's digest pins pow2, the sine and the shaper at the values songs give
// them): the fractional part far out, the output clamp on NaN and infinities.
#include "synth/synth_engine.h"
#include "synth/synth_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

uint64_t bitsOf(double value) {
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// And the shortcut for [1, 3), where the oscillators know their sums lie.
TEST(SynthMath, FractionalPartGivesTheBitsOfXMinusFloorXEverywhere) {
    for (double x : {0.0, -0.0, 1e-300, 0.999999999999, 1.0, 1.0 + 1e-15, 1.5, std::nextafter(2.0, 0.0), 2.0, 2.25,
                     std::nextafter(3.0, 0.0), 3.0, 3.75, -0.25, -3.75, 4503599627370495.5, 1e300, -1e300, HUGE_VAL}) {
        EXPECT_EQ(bitsOf(fractionalPart(x)), bitsOf(x - std::floor(x))) << x;
        if (x >= 1.0 && x < 3.0) {
            EXPECT_EQ(bitsOf(fractionalPartFromOneToThree(x)), bitsOf(x - std::floor(x))) << x;
        }
    }
}

TEST(SynthMath, TheOutputClampLimitsToPlusMinusOneAndSilencesNaN) {
    const float in[] = {1.5f, -7.0f, -0.25f, 1.0f, HUGE_VALF, std::nanf("")};
    const float out[] = {1.0f, -1.0f, -0.25f, 1.0f, 1.0f, 0.0f};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(clampSample(in[i]), out[i]) << in[i];
}

}  // namespace
