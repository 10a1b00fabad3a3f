// The arithmetic the units share: pow2, the waveshaper, the noise generator,
// the constants and the output clamp.
#include "synth/synth_engine.h"
#include "synth/synth_math.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

namespace {

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(SynthConstants, CarryTheTunedSinglePrecisionBitPatterns) {
    EXPECT_EQ(bitsOf(SEMITONE_OCTAVES), 0x3DAAAAAAu);
    EXPECT_EQ(bitsOf(AUDIO_PHASE_STEP), 0x38C265DCu);
    EXPECT_EQ(bitsOf(LFO_PHASE_STEP), 0x38299C67u);
    EXPECT_EQ(static_cast<double>(SEMITONE_OCTAVES), 0.0833333283662796);
    EXPECT_EQ(static_cast<double>(AUDIO_PHASE_STEP), 9.26961365621537e-05);
    EXPECT_EQ(static_cast<double>(LFO_PHASE_STEP), 4.043840090162121e-05);
}

TEST(Pow2, IsExactAtWholePowersOfEitherSign) {
    for (int n = -40; n <= 40; ++n) EXPECT_EQ(pow2(n), std::ldexp(1.0, n)) << n;
}

TEST(Pow2, NegativeFractionsUseTheFloorNotTruncation) {
    // 2^-0.5 = 2^-1 x 2^0.5: the fraction is taken upwards from the floor.
    EXPECT_NEAR(pow2(-0.5), std::sqrt(0.5), 1e-15);
    EXPECT_NEAR(pow2(-2.75), std::pow(2.0, -2.75), 1e-15);
    EXPECT_NEAR(pow2(5.25), std::pow(2.0, 5.25), 1e-12);
}

TEST(Pow2, OneMoreMeansExactlyTwiceAsMuch) {
    // Steps of 1/64, so x + 1 is exact and keeps x's fraction.
    for (int k = -2000; k < 2000; k += 7) {
        const double x = k / 64.0;
        EXPECT_EQ(pow2(x + 1.0), 2.0 * pow2(x)) << x;
    }
}

TEST(Pow2, FarOutValuesGiveZeroInfinityAndNaN) {
    EXPECT_EQ(pow2(-1e9), 0.0);
    EXPECT_EQ(pow2(1e9), HUGE_VAL);
    EXPECT_TRUE(std::isnan(pow2(std::nan(""))));
}

TEST(Pow2, EnvelopeRatesFollowTheByteScale) {
    // pow2(-24 p): byte 0 moves by 1 a frame, 16 by 1/8, 32 by 1/64, 64 by
    // 2^-12, 96 by 2^-18, 128 by 2^-24.
    const int bytes[] = {0, 16, 32, 64, 96, 128};
    const int exponents[] = {0, -3, -6, -12, -18, -24};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(pow2(-ENVELOPE_RATE_SCALE * (bytes[i] * PARAM_SCALE)), std::ldexp(1.0, exponents[i])) << bytes[i];
    }
}

TEST(SineOfTurns, AgreesWithTheLibrarySineAcrossTheCycle) {
    for (int i = 0; i < 100000; ++i) {
        const double q = i / 100000.0 + 1.0 / 3e6;
        ASSERT_NEAR(sineOfTurns(q), std::sin(2.0 * M_PI * q), 1e-15) << q;
    }
}

TEST(SineOfTurns, IsExactAtTheQuarterTurnsAndOddAboutTheHalf) {
    EXPECT_EQ(sineOfTurns(0.0), 0.0);
    EXPECT_EQ(sineOfTurns(0.25), 1.0);
    EXPECT_EQ(sineOfTurns(0.5), 0.0);
    EXPECT_EQ(sineOfTurns(0.75), -1.0);
    for (int k = 1; k < 512; k += 7) {
        const double q = k / 1024.0;  // so that 1 - q is exact
        EXPECT_EQ(sineOfTurns(1.0 - q), -sineOfTurns(q)) << q;
    }
}

TEST(FractionalPart, IsMeasuredUpFromTheFloor) {
    EXPECT_EQ(fractionalPart(2.25), 0.25);
    EXPECT_EQ(fractionalPart(-0.25), 0.75);
    EXPECT_EQ(fractionalPart(1.0), 0.0);
}

TEST(FractionalPart, GivesTheBitsOfXMinusFloorXEverywhere) {
    const double values[] = {0.0, -0.0, 1e-300, 0.999999999999, 1.0, 1.0 + 1e-15, 1.5, std::nextafter(2.0, 0.0), 2.0,
                             2.75, std::nextafter(3.0, 0.0), 3.0, 3.75, -3.75, -1e-300,
                             4503599627370495.5, 4503599627370496.0, 4503599627370497.0, 1e300, -1e300,
                             HUGE_VAL, -HUGE_VAL, std::nan("")};
    for (double x : values) {
        const double expected = x - std::floor(x);
        const double got = fractionalPart(x);
        uint64_t a, b;
        std::memcpy(&a, &expected, sizeof a);
        std::memcpy(&b, &got, sizeof b);
        EXPECT_EQ(a, b) << x;
    }
}

TEST(Shape, DriveHalfIsTheIdentityInsideAndClampsOutside) {
    for (double x = -1.0; x <= 1.0; x += 0.125) EXPECT_EQ(shape(x, 0.5), x);
    EXPECT_EQ(shape(2.0, 0.5), 1.0);
    EXPECT_EQ(shape(-3.0, 0.5), -1.0);
}

TEST(Shape, DriveAboveHalfBendsTowardsASquare) {
    // Byte 96: a = 2.
    EXPECT_DOUBLE_EQ(shape(0.5, 0.75), 0.75);
    EXPECT_DOUBLE_EQ(shape(-0.25, 0.75), -0.5);
    // The clamp comes first: beyond 1 it stays at the curve's end, 1.
    EXPECT_DOUBLE_EQ(shape(5.0, 0.75), 1.0);
}

TEST(Shape, DriveBelowHalfFlattens) {
    EXPECT_DOUBLE_EQ(shape(0.5, 0.25), 0.25);
    EXPECT_DOUBLE_EQ(shape(-1.0, 0.25), -1.0);
}

TEST(Shape, TheCurveWorkedOutOnceGivesTheSameBits) {
    for (int byte = 1; byte < 128; byte += 7) {
        const double p = byte * PARAM_SCALE;
        for (double x = -1.5; x <= 1.5; x += 0.1) EXPECT_EQ(shapeWithCurve(x, shapeCurve(p)), shape(x, p));
    }
}

TEST(NextNoise, RunsTheSeedSequenceFromOne) {
    int32_t seed = 1;
    const int32_t seeds[] = {16007, 256224049, -315415337, 2028240737};
    const double values[] = {-0.0000074538, -0.1193136, 0.1468767, -0.9444732};
    for (int i = 0; i < 4; ++i) {
        const double value = nextNoise(seed);
        EXPECT_EQ(seed, seeds[i]);
        EXPECT_NEAR(value, values[i], 5e-8);
        EXPECT_EQ(value, seeds[i] / -2147483648.0);
    }
}

TEST(NextNoise, TheMostNegativeSeedGivesPlusOne) {
    // INT_MIN x 16007 wraps back to INT_MIN: the one seed that yields +1.
    int32_t seed = INT_MIN;
    EXPECT_EQ(nextNoise(seed), 1.0);
    EXPECT_EQ(seed, INT_MIN);
}

TEST(ClampSample, LimitsToPlusMinusOneAndSilencesNaN) {
    EXPECT_EQ(clampSample(1.5f), 1.0f);
    EXPECT_EQ(clampSample(-7.0f), -1.0f);
    EXPECT_EQ(clampSample(-0.25f), -0.25f);
    EXPECT_EQ(clampSample(1.0f), 1.0f);
    EXPECT_EQ(clampSample(std::nanf("")), 0.0f);
    EXPECT_EQ(clampSample(HUGE_VALF), 1.0f);
}

}  // namespace
