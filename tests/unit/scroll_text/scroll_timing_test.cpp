// When the words of the scroll text are on screen, from the text's blank runs
// and the projection: 30 degrees of vertical view, glyphs 1.3 units away.
#include "demo/scroll_layout.h"
#include "demo/scroll_message.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double PI = 3.14159265358979323846;

double visibleHalfWidth(double aspect) {
    double distance = scrollPlaneDistance - scrollGlyphDepth;
    return distance * std::tan(15.0 * PI / 180.0) * aspect;
}

// Whether any non-blank character covers part of the line's visible width.
bool wordsOnScreen(double t, double halfWidth) {
    double width = glyphCell * scrollGlyphSize;
    for (int i = 0; scrollTextString[i] != '\0'; ++i) {
        if (scrollTextString[i] == ' ') continue;
        double left = scrollGlyphLeft(t, i);
        if (scrollGlyphOnLine(left) && left < halfWidth && left + width > -halfWidth) return true;
    }
    return false;
}

// The first clock, in steps of 1 ms from `from`, at which the line's state becomes `state`.
double firstClockWhen(bool state, double from, double to, double halfWidth) {
    for (double t = from; t < to; t += 0.001) {
        if (wordsOnScreen(t, halfWidth) == state) return t;
    }
    return to;
}

TEST(ScrollTiming, FirstWordEntersTheWindowAtAbout12_9s) {
    double halfWidth = visibleHalfWidth(1109.0 / 693.0);
    EXPECT_NEAR(firstClockWhen(true, 0.0, 20.0, halfWidth), 12.9, 0.05);
}

TEST(ScrollTiming, FirstWordEntersAWideScreenAtAbout12_6s) {
    double halfWidth = visibleHalfWidth(16.0 / 9.0);
    EXPECT_NEAR(firstClockWhen(true, 0.0, 20.0, halfWidth), 12.6, 0.05);
}

TEST(ScrollTiming, LastCharacterLeavesAtAbout233sAndTheLineStaysEmpty) {
    double halfWidth = visibleHalfWidth(1109.0 / 693.0);
    ASSERT_TRUE(wordsOnScreen(230.0, halfWidth));
    EXPECT_NEAR(firstClockWhen(false, 230.0, 300.0, halfWidth), 233.0, 0.5);
    EXPECT_FALSE(wordsOnScreen(1000.0, halfWidth));
}

}  // namespace
