// The title banner as the frame draws it: a 700 x 130 quad blended over the
// picture, so everything but the lettering must let the picture through.
#include "tests/unit/images/png_pixels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class BannerImage : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(sourceDir().empty()) << "QUORVEL_SOURCE_DIR is not set";
        ASSERT_TRUE(loadPng(sourceDir() + "/resources/images/banner.png", &banner)) << "banner.png missing or broken";
        ASSERT_EQ(banner.width, 700);
        ASSERT_EQ(banner.height, 130);
    }

    int alpha(int x, int y) const { return banner.at(x, y)[3]; }

    PngPixels banner;
};

TEST_F(BannerImage, StoredAsRgbaWithAnAlphaChannel) { EXPECT_EQ(banner.channelsInFile, 4); }

TEST_F(BannerImage, BorderIsFullyTransparentSoNothingIsCutOffAtTheQuadEdge) {
    int visible = 0;
    for (int x = 0; x < banner.width; ++x) visible += (alpha(x, 0) != 0) + (alpha(x, banner.height - 1) != 0);
    for (int y = 0; y < banner.height; ++y) visible += (alpha(0, y) != 0) + (alpha(banner.width - 1, y) != 0);
    EXPECT_EQ(visible, 0) << "border pixels with alpha above 0";
}

TEST_F(BannerImage, LettersAreOpaqueAndSpanTheBanner) {
    int opaque = 0, minX = banner.width, maxX = -1;
    for (int y = 0; y < banner.height; ++y) {
        for (int x = 0; x < banner.width; ++x) {
            if (alpha(x, y) != 255) continue;
            ++opaque;
            minX = std::min(minX, x);
            maxX = std::max(maxX, x);
        }
    }
    // Seven chunky letters cover well over a fifth of the area, from near one
    // end to near the other; a faint or shrunken word fails here.
    EXPECT_GT(opaque, banner.width * banner.height / 5);
    EXPECT_LT(minX, banner.width / 10);
    EXPECT_GT(maxX, banner.width * 9 / 10);
}

TEST_F(BannerImage, LetterEdgesAreAntialiasedNotCutHard) {
    // Coming in from the left, a row meets the lettering through partly
    // transparent pixels; a hard 0-to-255 step would shimmer as the picture
    // behind moves.
    int rowsWithInk = 0, rowsWithSoftEntry = 0;
    for (int y = 0; y < banner.height; ++y) {
        int x = 0;
        while (x < banner.width && alpha(x, y) == 0) ++x;
        if (x == banner.width) continue;
        ++rowsWithInk;
        rowsWithSoftEntry += alpha(x, y) < 255;
    }
    ASSERT_GT(rowsWithInk, 0);
    EXPECT_EQ(rowsWithSoftEntry, rowsWithInk);

    std::set<int> levels;
    for (int y = 0; y < banner.height; ++y)
        for (int x = 0; x < banner.width; ++x) levels.insert(alpha(x, y));
    EXPECT_GE(levels.size(), 32u) << "too few alpha levels for smooth edges and a soft shadow";
}

TEST_F(BannerImage, FillChangesColourFromTopToBottom) {
    // Average the opaque, bright (fill rather than dark outline) pixels of the
    // upper and the lower third of the lettering.
    int top = banner.height, bottom = -1;
    for (int y = 0; y < banner.height; ++y)
        for (int x = 0; x < banner.width; ++x)
            if (alpha(x, y) == 255) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_LT(top, bottom);
    const int third = (bottom - top) / 3;
    auto meanColour = [&](int fromY, int toY, double mean[3]) {
        long sum[3] = {0, 0, 0}, n = 0;
        for (int y = fromY; y < toY; ++y)
            for (int x = 0; x < banner.width; ++x) {
                const unsigned char* p = banner.at(x, y);
                if (p[3] != 255 || p[0] + p[1] + p[2] < 3 * 96) continue;
                for (int c = 0; c < 3; ++c) sum[c] += p[c];
                ++n;
            }
        ASSERT_GT(n, 0);
        for (int c = 0; c < 3; ++c) mean[c] = static_cast<double>(sum[c]) / n;
    };
    double upper[3], lower[3];
    meanColour(top, top + third, upper);
    meanColour(bottom - third, bottom + 1, lower);
    double distance = 0;
    for (int c = 0; c < 3; ++c) distance += (upper[c] - lower[c]) * (upper[c] - lower[c]);
    EXPECT_GT(distance, 60.0 * 60.0) << "upper and lower letter halves have nearly the same colour";
}

struct Box {
    int minX = 1 << 30, minY = 1 << 30, maxX = -1, maxY = -1;
    void add(int x, int y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
};

TEST_F(BannerImage, ShadowFallsSoftlyToTheLowerRight) {
    // The shadow widens the visible box beyond the opaque lettering more to
    // the right and downwards than to the left and upwards, and is
    // translucent and dark there.
    Box opaque, visible;
    for (int y = 0; y < banner.height; ++y)
        for (int x = 0; x < banner.width; ++x) {
            if (alpha(x, y) > 0) visible.add(x, y);
            if (alpha(x, y) == 255) opaque.add(x, y);
        }
    EXPECT_GT(visible.maxX - opaque.maxX, opaque.minX - visible.minX) << "no shadow beyond the right edge";
    EXPECT_GT(visible.maxY - opaque.maxY, opaque.minY - visible.minY) << "no shadow below the letters";

    int translucentDark = 0;
    for (int y = opaque.maxY + 1; y <= visible.maxY; ++y)
        for (int x = 0; x < banner.width; ++x) {
            const unsigned char* p = banner.at(x, y);
            translucentDark += p[3] > 0 && p[3] < 255 && p[0] + p[1] + p[2] < 3 * 64;
        }
    EXPECT_GT(translucentDark, 0) << "below the letters nothing is a translucent dark shadow";
}

}  // namespace
