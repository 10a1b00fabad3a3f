// The arithmetic the units share: the constants, pow2, the sine, the
// fractional part, the waveshaper and the output clamp (the noise sequence is
// checked on the engine).
#include "synth/synth_engine.h"
#include "synth/synth_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

template <typename T>
auto bitsOf(T value) {
    typename std::conditional<sizeof(T) == 4, uint32_t, uint64_t>::type bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TEST(SynthMath, ConstantsCarryTheTunedSinglePrecisionBits) {
    EXPECT_EQ(bitsOf(SEMITONE_OCTAVES), 0x3DAAAAAAu);
    EXPECT_EQ(bitsOf(AUDIO_PHASE_STEP), 0x38C265DCu);
    EXPECT_EQ(bitsOf(LFO_PHASE_STEP), 0x38299C67u);
}

TEST(SynthMath, Pow2IsExactAtWholePowersAndTakesFractionsFromTheFloor) {
    for (int n = -40; n <= 40; ++n) EXPECT_EQ(pow2(n), std::ldexp(1.0, n)) << n;
    for (double x : {-0.5, -2.75, -7.1, 0.3, 5.25}) EXPECT_NEAR(pow2(x) / std::pow(2.0, x), 1.0, 1e-15) << x;
    EXPECT_EQ(pow2(-1e9), 0.0);
    EXPECT_EQ(pow2(1e9), HUGE_VAL);
    // Envelope rates pow2(-24 p): bytes 0, 16, 32, 64, 96, 128 move by 2^0, -3, -6, -12, -18, -24.
    for (int byte : {0, 16, 32, 64, 96, 128})
        EXPECT_EQ(pow2(-24.0 * (byte * PARAM_SCALE)), std::ldexp(1.0, -3 * byte / 16)) << byte;
}

TEST(SynthMath, SineOfTurnsIsTheLibrarySineExactAtTheQuarterTurns) {
    for (int i = 0; i < 100000; ++i) {
        const double q = i / 100000.0 + 1.0 / 3e6;
        ASSERT_NEAR(sineOfTurns(q), std::sin(2.0 * M_PI * q), 1e-15) << q;
    }
    EXPECT_EQ(sineOfTurns(0.0), 0.0);
    EXPECT_EQ(sineOfTurns(0.25), 1.0);
    EXPECT_EQ(sineOfTurns(0.5), 0.0);
    EXPECT_EQ(sineOfTurns(0.75), -1.0);
}

TEST(SynthMath, FractionalPartGivesTheBitsOfXMinusFloorXEverywhere) {
    for (double x : {0.0, -0.0, 1e-300, 0.999999999999, 1.0, 1.0 + 1e-15, 1.5, std::nextafter(2.0, 0.0), 2.0, 2.25,
                     std::nextafter(3.0, 0.0), 3.0, 3.75, -0.25, -3.75, 4503599627370495.5, 1e300, -1e300, HUGE_VAL})
        EXPECT_EQ(bitsOf(fractionalPart(x)), bitsOf(x - std::floor(x))) << x;
}

TEST(SynthMath, ShapeClampsThenBendsByTheDrive) {
    struct {
        double x, drive, shaped;
    } const cases[] = {{-1, 0.5, -1},     {0.375, 0.5, 0.375}, {2, 0.5, 1},    {-3, 0.5, -1},   {0.5, 0.75, 0.75},
                       {-0.25, 0.75, -0.5}, {5, 0.75, 1},      {0.5, 0.25, 0.25}, {-1, 0.25, -1}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(shape(c.x, c.drive), c.shaped) << c.x << " at drive " << c.drive;
}

TEST(SynthMath, TheOutputClampLimitsToPlusMinusOneAndSilencesNaN) {
    const float in[] = {1.5f, -7.0f, -0.25f, 1.0f, HUGE_VALF, std::nanf("")};
    const float out[] = {1.0f, -1.0f, -0.25f, 1.0f, 1.0f, 0.0f};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(clampSample(in[i]), out[i]) << in[i];
}

}  // namespace
