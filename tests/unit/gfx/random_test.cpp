// The generators behind every random quantity of the pictures: any change in a
// draw changes the picture, so the first draws are pinned.
#include "gfx/random.h"

#include <gtest/gtest.h>

namespace {

// The state that the step turns into `target` (the multiplier is odd, so it
// has an inverse modulo 2^32; Newton's iteration doubles the good bits).
uint32_t stateBefore(uint32_t target) {
    const uint32_t multiplier = 214013u;
    uint32_t inverse = multiplier;
    for (int i = 0; i < 5; ++i) inverse *= 2u - multiplier * inverse;
    return (target - 2531011u) * inverse;
}

TEST(RandomFromZero, FirstIntegerDrawsAndStateAreThePinnedOnes) {
    uint32_t state = 0;
    EXPECT_EQ(nextInt(&state), 38);
    EXPECT_EQ(state, 0x269EC3u);
    EXPECT_EQ(nextInt(&state), 7719);
    EXPECT_EQ(nextInt(&state), 21238);
    EXPECT_EQ(nextInt(&state), 2437);
    EXPECT_EQ(nextInt(&state), 8855);
}

TEST(RandomFromZero, FirstUnitDrawsAreExactlyThePinnedFloats) {
    Random random;
    clear(&random);
    EXPECT_EQ(nextUnit(&random), 0.0005892515182495117f);
    EXPECT_EQ(nextUnit(&random), 0.1177910566329956f);
    EXPECT_EQ(nextUnit(&random), 0.8240715265274048f);
}

TEST(RandomFromZero, FirstRangeDrawsFromOneToFifty) {
    Random random;
    seed(&random, 0);
    EXPECT_EQ(nextInRange(&random, 1, 50), 39);
    EXPECT_EQ(nextInRange(&random, 1, 50), 20);
    EXPECT_EQ(nextInRange(&random, 1, 50), 39);
}

TEST(RandomRange, EqualBoundsGiveTheBoundAndStillAdvance) {
    Random random;
    clear(&random);
    EXPECT_EQ(nextInRange(&random, 5, 5), 5);
    EXPECT_EQ(random.state, 0x269EC3u);
    EXPECT_EQ(nextInRange(&random, 5, 5), 5);
    EXPECT_NE(random.state, 0x269EC3u);
}

TEST(RandomRange, NegativeAndWideBoundsStayInside) {
    Random random;
    clear(&random);
    for (int i = 0; i < 2000; ++i) {
        int32_t negative = nextInRange(&random, -1000, -990);
        ASSERT_TRUE(negative >= -1000 && negative <= -990) << negative;
    }
    // A span wider than the draws: the draw itself, offset by the lower bound.
    uint32_t state = 0;
    clear(&random);
    EXPECT_EQ(nextInRange(&random, -100000, 100000), -100000 + nextInt(&state));
}

TEST(RandomUnit, StaysBelowOneAndReachesZero) {
    Random random;
    seed(&random, stateBefore(0xFFFFFFFFu));
    float highest = nextUnit(&random);
    EXPECT_LT(highest, 1.0f);
    EXPECT_EQ(highest, 1.0f - 1.0f / 8388608.0f);
    seed(&random, stateBefore(0x000001FFu));  // top 23 bits all zero
    EXPECT_EQ(nextUnit(&random), 0.0f);
}

TEST(RandomSeeding, GeneratorsSeededAlikeAgreeWhateverOthersDraw) {
    Random first, second, other;
    seed(&first, 1234);
    seed(&second, 1234);
    clear(&other);
    for (int i = 0; i < 500; ++i) {
        nextUnit(&other);
        nextInRange(&other, 0, 9);
        // Integer and unit draws share one state, so mixing them must agree too.
        if (i % 3 == 0) {
            EXPECT_EQ(nextUnit(&first), nextUnit(&second));
        } else {
            EXPECT_EQ(nextInRange(&first, 1, 50), nextInRange(&second, 1, 50));
        }
    }
}

// The only test of this binary that draws from the shared generator, so it
// finds the state that the program starts with.
TEST(SharedRandom, StartsAtZeroAndKeepsOneState) {
    Random reference;
    clear(&reference);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(sharedRandomInRange(0, 1000), nextInRange(&reference, 0, 1000));
    // Draws from other generators leave the shared one where it was.
    Random unrelated;
    clear(&unrelated);
    nextUnit(&unrelated);
    EXPECT_EQ(sharedRandomInRange(0, 1000), nextInRange(&reference, 0, 1000));
}

}  // namespace
