// The scroll text: where each character sits at a clock, which cell of the
// sheet it shows, and the blank runs of the text that set when words show.
#include "demo/scroll/scroll_layout.h"
#include "demo/scroll/scroll_message.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

namespace {

TEST(ScrollText, StartsAtTheCentreAt3sMovesLeftAFifthAUnitASecondAndDrawsStrictlyInside1_1) {
    EXPECT_EQ(scrollGlyphLeft(3.0, 0), 0.0);
    EXPECT_NEAR(scrollGlyphLeft(0.0, 0), 0.6, 1e-9);
    EXPECT_NEAR(scrollGlyphLeft(20.0, 100), -3.4 + 100 * 0.0140625, 1e-9) << "the advance is the glyph's width";
    for (double edge : {1.1, -1.1}) {
        EXPECT_FALSE(scrollGlyphOnLine(edge));
        EXPECT_TRUE(scrollGlyphOnLine(std::nextafter(edge, 0.0)));
    }
}

TEST(ScrollText, EveryCodeShowsItsOwnNineTexelCellUprightOnAQuadAsWideAsTheAdvance) {
    for (int code = 32; code <= 122; ++code) {
        SCOPED_TRACE(code);
        GlyphQuad quad = layOutGlyph(static_cast<signed char>(code), 0.25f, -0.295f, 0.5f, scrollGlyphSize);
        const int column = (code - 32) % 16, row = (code - 32) / 16;
        EXPECT_NEAR(quad.u[0] * 256, 10 * column, 1e-3);
        EXPECT_NEAR(quad.u[2] * 256, 10 * column + 9, 1e-3);
        EXPECT_NEAR(quad.v[1] * 256, 10 * row + 2, 1e-3) << "the image's top row at the quad's top";
        EXPECT_NEAR(quad.v[0] * 256, 10 * row + 11, 1e-3);
        EXPECT_TRUE(quad.y[0] == -0.295f && quad.y[1] > quad.y[0]);
        EXPECT_NEAR(quad.x[2] - quad.x[0], 0.0140625, 1e-7);
    }
}

TEST(ScrollText, TextHasItsLengthPrintableCodesAndTheBlankRunsThatTimeIt) {
    ASSERT_EQ(std::strlen(scrollTextString), static_cast<size_t>(SCROLL_TEXT_LENGTH));
    std::map<int, int> longRuns;  // start -> length, for runs of 20 blanks or more
    for (int i = 0, run = 0; i <= SCROLL_TEXT_LENGTH; ++i) {
        const char c = scrollTextString[i];
        if (c != ' ' && run >= 20) longRuns[i - run] = run;
        run = c == ' ' ? run + 1 : 0;
        EXPECT_TRUE(c == '\0' || (c >= 32 && c <= 122)) << "position " << i;
    }
    EXPECT_EQ(longRuns, (std::map<int, int>{{0, 180}, {1433, 20}, {2204, 500}, {2829, 375}, {3230, 33}}));
}

}  // namespace
