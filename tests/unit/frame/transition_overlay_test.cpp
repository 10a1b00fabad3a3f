// The switch from the logo to the sponge: which windows draw at a given clock,
// in which order, and where their quads and lines lie.
#include "demo/banner.h"
#include "demo/transition_overlay.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const int W = 1109;
const int H = 693;
const float EPS = 1e-6f;

TransitionOverlay overlayAt(double t) {
    TransitionOverlay overlay;
    overlay.count = -1;
    buildTransitionOverlay(t, W, H, &overlay);
    return overlay;
}

struct Expected {
    OverlayShapeKind kind;
    float grey;
    bool depthTest;
    float x0, y0, x1, y1;
};

void expectShapes(const TransitionOverlay& overlay, std::initializer_list<Expected> expected) {
    ASSERT_EQ(overlay.count, static_cast<int>(expected.size()));
    int i = 0;
    for (const Expected& e : expected) {
        const OverlayShape& s = overlay.shapes[i];
        SCOPED_TRACE(testing::Message() << "shape " << i);
        EXPECT_EQ(s.kind, e.kind);
        EXPECT_EQ(s.grey, e.grey);
        EXPECT_EQ(s.depthTest, e.depthTest);
        EXPECT_NEAR(s.x0, e.x0, EPS);
        EXPECT_NEAR(s.y0, e.y0, EPS);
        EXPECT_NEAR(s.x1, e.x1, EPS);
        EXPECT_NEAR(s.y1, e.y1, EPS);
        ++i;
    }
}

const Expected BLACK_SCREEN = {OVERLAY_QUAD, 0.0f, true, -1.0f, -1.0f, 1.0f, 1.0f};

Expected dotAt(float centreY) {
    return {OVERLAY_QUAD, 1.0f, true, -1.0f / W, centreY - 1.0f / H, 1.0f / W, centreY + 1.0f / H};
}

Expected whiteLine(bool depthTest, float x0, float x1, float y) { return {OVERLAY_LINE, 1.0f, depthTest, x0, y, x1, y}; }

Expected bottomBar(float top) { return {OVERLAY_QUAD, 0.0f, true, -1.0f, -1.0f, 1.0f, top}; }
Expected topBar(float bottom) { return {OVERLAY_QUAD, 0.0f, true, -1.0f, bottom, 1.0f, 1.0f}; }

TEST(TransitionOverlay, NothingCoversTheLogoBeforeTenSeconds) {
    EXPECT_EQ(overlayAt(0.0).count, 0);
    EXPECT_EQ(overlayAt(9.999).count, 0);
}

TEST(TransitionOverlay, AtTenTheSceneGoesBlackAndTheDotStartsAboveTheTopEdge) {
    expectShapes(overlayAt(10.0), {BLACK_SCREEN, dotAt(0.5f)});
}

TEST(TransitionOverlay, HalfWayTheDotHasFallenAQuarterAndIsAFewPixelsAcross) {
    expectShapes(overlayAt(10.5), {BLACK_SCREEN, dotAt(0.25f)});
}

TEST(TransitionOverlay, AtElevenTheDotReachesTheCentreAndTheLineWindowDrawsOverIt) {
    expectShapes(overlayAt(11.0), {BLACK_SCREEN, dotAt(0.0f), BLACK_SCREEN, whiteLine(true, 0.0f, 0.0f, 0.0f)});
}

TEST(TransitionOverlay, TheLineGrowsFromTheCentreOverBlack) {
    expectShapes(overlayAt(11.5), {BLACK_SCREEN, whiteLine(true, -0.25f, 0.25f, 0.0f)});
}

TEST(TransitionOverlay, AtTwelveTheFullLineAndTheClosedBarsBothDraw) {
    expectShapes(overlayAt(12.0), {BLACK_SCREEN, whiteLine(true, -0.5f, 0.5f, 0.0f), bottomBar(0.0f), topBar(0.0f),
                                   whiteLine(true, -1.0f, 1.0f, 0.0f), whiteLine(true, -1.0f, 1.0f, 0.0f)});
}

TEST(TransitionOverlay, AtThirteenTheBarsAreHalfOpenWithTheirEdgeLines) {
    expectShapes(overlayAt(13.0), {bottomBar(-0.1f), topBar(0.068125f), whiteLine(true, -1.0f, 1.0f, -0.1f),
                                   whiteLine(true, -1.0f, 1.0f, 0.068125f)});
}

TEST(TransitionOverlay, AtFourteenTheBarsReachTheBandEdgesBeforeTheLetterboxBegins) {
    expectShapes(overlayAt(14.0), {bottomBar(-0.2f), topBar(0.13625f), whiteLine(true, -1.0f, 1.0f, -0.2f),
                                   whiteLine(true, -1.0f, 1.0f, 0.13625f)});
}

TEST(TransitionOverlay, AfterFourteenTheTopBarStopsShortOfItsLineAndTheLinesLieOverEverything) {
    for (double t : {14.0001, 14.5, 1000.0}) {
        SCOPED_TRACE(t);
        expectShapes(overlayAt(t), {bottomBar(-0.2f), topBar(0.15f), whiteLine(false, -1.0f, 1.0f, -0.2f),
                                    whiteLine(false, -1.0f, 1.0f, 0.13625f)});
    }
}

TEST(TransitionOverlay, TheDotIsTwoPixelsAcrossOnAnyWindow) {
    TransitionOverlay overlay;
    buildTransitionOverlay(10.5, 1920, 1080, &overlay);
    ASSERT_EQ(overlay.count, 2);
    EXPECT_NEAR(overlay.shapes[1].x1 - overlay.shapes[1].x0, 2.0f / 1920, EPS);
    EXPECT_NEAR(overlay.shapes[1].y1 - overlay.shapes[1].y0, 2.0f / 1080, EPS);
}

TEST(Banner, ShownOnlyOnceTheClockIsPastTenSeconds) {
    EXPECT_FALSE(bannerShown(0.0));
    EXPECT_FALSE(bannerShown(10.0));
    EXPECT_TRUE(bannerShown(10.0001));
    EXPECT_TRUE(bannerShown(200.0));
}

TEST(Banner, QuadKeepsTheImageProportionAndStandsUpright) {
    float left = BANNER_QUAD[0].x, right = left, bottom = BANNER_QUAD[0].y, top = bottom;
    for (const BannerVertex& v : BANNER_QUAD) {
        left = std::min(left, v.x);
        right = std::max(right, v.x);
        bottom = std::min(bottom, v.y);
        top = std::max(top, v.y);
    }
    EXPECT_NEAR((right - left) / (top - bottom), 700.0f / 130.0f, 1e-3f);
    EXPECT_NEAR(left, -right, EPS) << "centred horizontally";
    for (const BannerVertex& v : BANNER_QUAD) {
        // The image's first row (t = 0) is its top; its first column its left.
        EXPECT_EQ(v.t, v.y == top ? 0.0f : 1.0f);
        EXPECT_EQ(v.s, v.x == left ? 0.0f : 1.0f);
    }
}

}  // namespace
