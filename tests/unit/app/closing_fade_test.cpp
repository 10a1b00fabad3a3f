// The closing fade's timing: squeeze to a line, then to a dot, brightening.
#include "demo/post/closing_fade.h"

#include <gtest/gtest.h>

namespace {

TEST(ClosingFade, SqueezesToALineThenShrinksToADotFinishingJustPast0_9995Seconds) {
    const struct {
        double earlierQ;  // a frame of an earlier quit first (a second quit restarts the fade), or -1
        double q;         // seconds since the (latest) quit
        float scaleY, scaleX, flash;
        int finished;
    } rows[] = {
        {-1, 0.3, 0.4f, 1.0f, 0.6f, 0},       // height first, the width kept
        {-1, 0.45, 0.1f, 1.1f, 0.9f, 0},      // below 0.21 high the width jumps to 2 - 2q
        {-1, 0.6, 0.005f, 0.8f, 1.2f, 0},     // a line: the height stays, the width shrinks
        {-1, 0.999, 0.005f, 0.002f, 1.998f, 0},
        {-1, 0.9996, 0.005f, 0.001f, 1.9992f, 1},  // a dot, and done
        {0.7, 0.1, 0.8f, 0.6f, 0.2f, 0},      // a second quit: the height from 1 again, the width kept
        {0.7, 0.4, 0.2f, 1.2f, 0.8f, 0},      // until the height is below 0.21 again
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.earlierQ << " then " << row.q);
        FadeValues fade = {1.0f, 1.0f, 0.0f};
        if (row.earlierQ >= 0) stepClosingFade(&fade, row.earlierQ);
        EXPECT_EQ(stepClosingFade(&fade, row.q), row.finished);
        EXPECT_NEAR(fade.scaleY, row.scaleY, 1e-5f);
        EXPECT_NEAR(fade.scaleX, row.scaleX, 1e-5f);
        EXPECT_NEAR(fade.flash, row.flash, 1e-5f);
    }
}

}  // namespace
