// The closing fade's timing.
#include "demo/closing_fade.h"

#include <gtest/gtest.h>

namespace {

FadeValues fresh() { return FadeValues{1.0f, 1.0f, 0.0f}; }

TEST(ClosingFade, FirstSqueezesTheHeightAndBrightensKeepingTheWidth) {
    FadeValues fade = fresh();
    EXPECT_EQ(stepClosingFade(&fade, 0.3), 0);
    EXPECT_FLOAT_EQ(fade.scaleY, 0.4f);
    EXPECT_FLOAT_EQ(fade.flash, 0.6f);
    EXPECT_FLOAT_EQ(fade.scaleX, 1.0f);
}

TEST(ClosingFade, BelowAFifthOfTheHeightTheWidthJumpsAndNarrows) {
    FadeValues fade = fresh();
    EXPECT_EQ(stepClosingFade(&fade, 0.45), 0);
    EXPECT_NEAR(fade.scaleY, 0.1f, 1e-6f);
    EXPECT_NEAR(fade.scaleX, 1.1f, 1e-6f);
    EXPECT_NEAR(fade.flash, 0.9f, 1e-6f);
}

TEST(ClosingFade, OnceALineTheHeightStaysAndOnlyTheWidthShrinks) {
    FadeValues fade = fresh();
    EXPECT_EQ(stepClosingFade(&fade, 0.6), 0);
    EXPECT_FLOAT_EQ(fade.scaleY, 0.005f);
    EXPECT_NEAR(fade.scaleX, 0.8f, 1e-6f);
    EXPECT_NEAR(fade.flash, 1.2f, 1e-6f);
}

TEST(ClosingFade, FinishesJustPastNineNineNineFiveThousandths) {
    FadeValues fade = fresh();
    EXPECT_EQ(stepClosingFade(&fade, 0.999), 0);
    EXPECT_GT(fade.scaleX, 0.001f);
    EXPECT_EQ(stepClosingFade(&fade, 0.9996), 1);
    EXPECT_FLOAT_EQ(fade.scaleX, 0.001f);
    EXPECT_FLOAT_EQ(fade.scaleY, 0.005f);
}

TEST(ClosingFade, SecondQuitRestartsTheHeightWhileTheWidthKeepsItsValue) {
    FadeValues fade = fresh();
    stepClosingFade(&fade, 0.7);  // width 0.6, a line
    ASSERT_NEAR(fade.scaleX, 0.6f, 1e-6f);

    // The second quit: q counts from it again.
    EXPECT_EQ(stepClosingFade(&fade, 0.1), 0);
    EXPECT_FLOAT_EQ(fade.scaleY, 0.8f);
    EXPECT_NEAR(fade.scaleX, 0.6f, 1e-6f);
    // Until the height drops below 0.21 again, then the width follows 2 - 2q.
    stepClosingFade(&fade, 0.4);
    EXPECT_NEAR(fade.scaleX, 1.2f, 1e-6f);
}

}  // namespace
