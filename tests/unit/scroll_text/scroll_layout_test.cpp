// Where each character of the scroll text sits and which cell it shows.
#include "demo/scroll_layout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ScrollPosition, CharacterZeroHasItsLeftEdgeAtTheCentreAt3s) {
    EXPECT_EQ(scrollGlyphLeft(3.0, 0), 0.0);
    EXPECT_NEAR(scrollGlyphLeft(0.0, 0), 0.6, 1e-12);
    EXPECT_NEAR(scrollGlyphLeft(8.0, 0), -1.0, 1e-12);
}

TEST(ScrollPosition, NeighboursTouchWithoutGapOrOverlap) {
    GlyphQuad quad = layOutGlyph('A', 0.0f, 0.0f, 0.0f, scrollGlyphSize);
    double width = quad.x[2] - quad.x[0];
    EXPECT_NEAR(width, 0.0140625, 1e-7);
    EXPECT_NEAR(scrollGlyphLeft(20.0, 101) - scrollGlyphLeft(20.0, 100), width, 1e-7);
}

TEST(ScrollPosition, ALeftEdgeOfExactly1_1EitherSideIsNotDrawn) {
    EXPECT_FALSE(scrollGlyphOnLine(1.1));
    EXPECT_FALSE(scrollGlyphOnLine(-1.1));
    EXPECT_TRUE(scrollGlyphOnLine(std::nextafter(1.1, 0.0)));
    EXPECT_TRUE(scrollGlyphOnLine(std::nextafter(-1.1, 0.0)));
    EXPECT_TRUE(scrollGlyphOnLine(0.0));
}

TEST(GlyphCells, SpaceIsTheTopLeftCellAndBangTheNextOne) {
    GlyphQuad space = layOutGlyph(' ', 0, 0, 0, 1);
    GlyphQuad bang = layOutGlyph('!', 0, 0, 0, 1);
    EXPECT_EQ(space.u[0], 0.0f);
    EXPECT_EQ(space.v[1], 2.0f / 256.0f);
    EXPECT_FLOAT_EQ(bang.u[0], 10.0f / 256.0f);
    EXPECT_EQ(bang.v[1], 2.0f / 256.0f);
}

TEST(GlyphCells, EveryCodeReadsItsOwnNineTexelCellOfTheGrid) {
    for (int code = 32; code <= 122; ++code) {
        GlyphQuad quad = layOutGlyph(static_cast<signed char>(code), 0, 0, 0, 1);
        int column = (code - 32) % 16, row = (code - 32) / 16;
        float left = quad.u[0] * 256.0f, top = quad.v[1] * 256.0f;
        EXPECT_NEAR(left, 10.0f * column, 1e-3f) << code;
        EXPECT_NEAR(top, 10.0f * row + 2.0f, 1e-3f) << code;
        EXPECT_NEAR((quad.u[2] - quad.u[1]) * 256.0f, 9.0f, 1e-3f) << code;
        EXPECT_NEAR((quad.v[0] - quad.v[1]) * 256.0f, 9.0f, 1e-3f) << code;
    }
}

TEST(GlyphCells, GlyphStandsUprightWithTheImagesTopRowAtTheQuadsTop) {
    GlyphQuad quad = layOutGlyph('Q', 0.25f, -0.295f, 0.5f, scrollGlyphSize);
    // Lower left, upper left, upper right, lower right.
    const float extent = glyphCell * scrollGlyphSize;
    const float xs[4] = {0.25f, 0.25f, 0.25f + extent, 0.25f + extent};
    const float ys[4] = {-0.295f, -0.295f + extent, -0.295f + extent, -0.295f};
    for (int corner = 0; corner < 4; ++corner) {
        EXPECT_EQ(quad.x[corner], xs[corner]) << corner;
        EXPECT_EQ(quad.y[corner], ys[corner]) << corner;
        bool top = corner == 1 || corner == 2;
        EXPECT_EQ(quad.v[corner], top ? quad.v[1] : quad.v[1] + glyphCell) << corner;
    }
    EXPECT_EQ(quad.z, 0.5f);
}

}  // namespace
