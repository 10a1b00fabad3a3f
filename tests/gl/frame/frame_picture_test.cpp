// The picture drawFrame composes in sceneTarget (the transition, the letterbox,
// the banner) and what reaches the window during the fade; the cues it
// acknowledges.
#include "app/shell_state.h"
#include "demo/banner.h"
#include "demo/demo.h"
#include "demo/distortion.h"
#include "gfx/render_target.h"
#include "gfx/textures.h"
#include "synth/music.h"
#include "tests/gl/frame/frame_fixture.h"

#include <GL/gl.h>
#include <climits>
#include <cmath>
#include <sstream>
#include <vector>

namespace {

struct PixelBox {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    int count = 0;

    void add(int x, int y) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
        ++count;
    }
    double centreX() const { return (x0 + x1 + 1) / 2.0; }
    double centreY() const { return (y0 + y1 + 1) / 2.0; }
};

struct PixelRect {
    double x0, y0, x1, y1;  // pixel edges
    bool contains(int x, int y) const { return x + 0.5 > x0 && x + 0.5 < x1 && y + 0.5 > y0 && y + 0.5 < y1; }
};

// The banner quad in pixels, grown by the given margin.
PixelRect bannerRect(double margin) {
    const int W = displayConfig.width, H = displayConfig.height;
    return PixelRect{columnOf(BANNER_QUAD[0].x, W, displayConfig.aspect) - margin,
                     rowOf(BANNER_QUAD[0].y, H) - margin,
                     columnOf(BANNER_QUAD[2].x, W, displayConfig.aspect) + margin,
                     rowOf(BANNER_QUAD[2].y, H) + margin};
}

// Whether some row within a pixel and a half of `row` is white wherever
// `skip` does not cover it.
bool whiteRowNear(const Picture& picture, double row, const PixelRect& skip) {
    for (int y = static_cast<int>(std::floor(row - 1.5)); y <= static_cast<int>(std::ceil(row + 1.5)); ++y) {
        bool white = true;
        for (int x = 0; x < picture.width && white; ++x) {
            const uint8_t* p = picture.at(x, y);
            if (!skip.contains(x, y) && (p[0] != 255 || p[1] != 255 || p[2] != 255)) white = false;
        }
        if (white) return true;
    }
    return false;
}

using ScenePicture = FrameTest;

TEST_F(ScenePicture, HalfASecondIntoTheSwitchAllIsBlackButTheFallingDotAndTheBanner) {
    fillScene(0.5f);
    demoTime = 10.5;
    drawFrame();
    const Picture scene = readScene();

    const PixelRect banner = bannerRect(1.0);
    PixelBox lit;
    for (int y = 0; y < scene.height; ++y) {
        for (int x = 0; x < scene.width; ++x) {
            if (!banner.contains(x, y) && scene.brightest(x, y) > 0) lit.add(x, y);
        }
    }
    ASSERT_GT(lit.count, 0) << "no dot";
    // 2/W by 2/H units, a quarter of a unit down from y = 0.5: about 3 x 4 pixels.
    EXPECT_LE(lit.x1 - lit.x0 + 1, 4);
    EXPECT_LE(lit.y1 - lit.y0 + 1, 5);
    EXPECT_NEAR(lit.centreX(), scene.width / 2.0, 1.0);
    EXPECT_NEAR(lit.centreY(), rowOf(0.25f, scene.height), 1.0);
}

TEST_F(ScenePicture, AtTwentyTheBarsAreBlackOutsideTheBandAndItsLinesLieAt127And754PercentUp) {
    fillScene(0.5f);
    demoTime = 20.0;
    drawFrame();
    const Picture scene = readScene();
    const int H = scene.height;

    const double bottomLine = rowOf(-0.2f, H), topLine = rowOf(0.13625f, H), topBar = rowOf(0.15f, H);
    EXPECT_NEAR(bottomLine / H, 0.127, 0.0005);
    EXPECT_NEAR(topLine / H, 0.754, 0.0005);

    // The scroll text runs through the lower bar at 7.7 to 9.7 % of the height.
    const double textBottom = 0.07 * H, textTop = 0.105 * H;
    const PixelRect banner = bannerRect(1.0);
    int notBlack = 0;
    std::ostringstream first;
    for (int y = 0; y < H; ++y) {
        const double centre = y + 0.5;
        const bool inBottomBar = centre < bottomLine - 1.5 && (centre < textBottom || centre > textTop);
        const bool inTopBar = centre > topBar + 1.5;
        if (!inBottomBar && !inTopBar) continue;
        for (int x = 0; x < scene.width; ++x) {
            if (banner.contains(x, y) || scene.brightest(x, y) == 0) continue;
            if (notBlack++ == 0) first << "(" << x << ", " << y << ")";
        }
    }
    EXPECT_EQ(notBlack, 0) << "bar pixels not black, the first at " << first.str();

    EXPECT_TRUE(whiteRowNear(scene, bottomLine, banner)) << "no white line at row " << bottomLine;
    EXPECT_TRUE(whiteRowNear(scene, topLine, banner)) << "no white line at row " << topLine;

    // The top bar stops short of its line: in between the target keeps what it held.
    for (int y = static_cast<int>(topLine + 2.0); y < static_cast<int>(topBar - 2.0); ++y) {
        for (int x = 0; x < scene.width; x += 11) {
            if (banner.contains(x, y)) continue;
            ASSERT_NEAR(scene.brightest(x, y), 128, 1) << x << ", " << y;
        }
    }
}

TEST_F(ScenePicture, TheBannersOpaquePixelsLandInsideItsQuadWithTheImageUpright) {
    // A banner whose top-left quarter is opaque white and the rest transparent.
    const int imageW = 700, imageH = 130;
    std::vector<uint8_t> image(static_cast<size_t>(imageW) * imageH * 4, 0);
    for (int row = 0; row < imageH / 2; ++row) {
        for (int column = 0; column < imageW / 2; ++column) {
            for (int c = 0; c < 4; ++c) image[(static_cast<size_t>(row) * imageW + column) * 4 + c] = 255;
        }
    }
    glBindTexture(GL_TEXTURE_2D, bannerTexture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, imageW, imageH, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.data());
    glBindTexture(GL_TEXTURE_2D, 0);

    fillScene(0.0f);
    bind(sceneTarget, true);
    drawBanner();
    bind(sceneTarget, false);
    const Picture scene = readScene();
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

    const PixelRect quad = bannerRect(0.0);
    const PixelRect withinFilter = bannerRect(1.0);
    PixelBox opaque;
    int outside = 0;
    for (int y = 0; y < scene.height; ++y) {
        for (int x = 0; x < scene.width; ++x) {
            const int level = scene.brightest(x, y);
            if (level > 0 && !withinFilter.contains(x, y)) ++outside;
            if (level > 127) opaque.add(x, y);
        }
    }
    EXPECT_EQ(outside, 0) << "banner pixels outside its quad";
    ASSERT_GT(opaque.count, 0);
    // The image's first rows are the quad's top, its first columns the left.
    const double middleX = (quad.x0 + quad.x1) / 2.0, middleY = (quad.y0 + quad.y1) / 2.0;
    EXPECT_NEAR(opaque.x0, quad.x0, 1.5);
    EXPECT_NEAR(opaque.x1 + 1, middleX, 1.5);
    EXPECT_NEAR(opaque.y0, middleY, 1.5);
    EXPECT_NEAR(opaque.y1 + 1, quad.y1, 1.5);
}

using WindowPicture = FrameTest;

TEST_F(WindowPicture, DuringTheFadeOnlyAThinBrightBandAcrossTheWindowIsLit) {
    quitRequested = true;
    quitTime = 5.0;
    demoTime = 5.45;  // the height squeezed to a tenth, the width just widened
    drawFrame();
    const Picture window = readWindow();

    const double halfHeight = 0.33 * 0.1;
    const double bandBottom = rowOf(static_cast<float>(-halfHeight), window.height) - 1.0;
    const double bandTop = rowOf(static_cast<float>(halfHeight), window.height) + 1.0;
    PixelBox lit;
    int outsideBand = 0;
    for (int y = 0; y < window.height; ++y) {
        for (int x = 0; x < window.width; ++x) {
            if (window.brightest(x, y) <= 64) continue;
            lit.add(x, y);
            if (y + 0.5 < bandBottom || y + 0.5 > bandTop) ++outsideBand;
        }
    }
    EXPECT_EQ(outsideBand, 0);
    ASSERT_GT(lit.count, 0) << "the flash of the fade should light the band";
    EXPECT_GT(lit.x1 - lit.x0, window.width / 2) << "the band spans the window";
}

using FrameCues = FrameTest;

TEST_F(FrameCues, EveryCueIsAcknowledgedAndActsInThatOneFrameOnly) {
    for (uint8_t& seen : noteSeen) seen = 0;
    trackNote[11] = 62;
    demoTime = 20.0;
    drawFrame();
    for (int track = 0; track < NOTE_TRACKS; ++track) EXPECT_EQ(noteSeen[track], 1) << track;
    const float kicked = distortion.values[0];
    EXPECT_GT(kicked, 0.525f);

    demoTime = 20.02;
    drawFrame();
    EXPECT_LT(distortion.values[0], kicked) << "the same note again is no new cue";
}

TEST_F(FrameCues, DrawFrameReturnsZeroEvenOnTheFrameTheFadeFinishes) {
    quitRequested = true;
    quitTime = 3.0;
    demoTime = 3.5;
    EXPECT_EQ(drawFrame(), 0);
    EXPECT_FALSE(fadeFinished);
    demoTime = 4.0;
    EXPECT_EQ(drawFrame(), 0);
    EXPECT_TRUE(fadeFinished);
}

}  // namespace
