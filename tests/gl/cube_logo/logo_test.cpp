// The cube logo and the scroll text on the real driver: where the vertex
// program flies and spins the cubes, the landed logo over its homes, the
// scroll text's line.
#define GL_GLEXT_PROTOTYPES 1
#include "demo/logo/cube_layout.h"
#include "demo/logo/logo.h"
#include "demo/scroll/scroll.h"
#include "gfx/heap.h"
#include "gfx/render_target.h"
#include "tests/gl/support/gl_test_window.h"

#include <GL/glext.h>
#include <GL/glu.h>
#include <cmath>
#include <vector>

namespace {

const double PI = 3.14159265358979323846;

struct P3 {
    double x, y, z;
};

P3 turnX(P3 p, double a) { return {p.x, p.y * std::cos(a) - p.z * std::sin(a), p.y * std::sin(a) + p.z * std::cos(a)}; }
P3 turnY(P3 p, double a) { return {p.x * std::cos(a) + p.z * std::sin(a), p.y, -p.x * std::sin(a) + p.z * std::cos(a)}; }

// A point of the logo's model space in eye space at clock t: up 0.16, turned
// 135 degrees about x, the logo's turn of 36 degrees a second about +y, its
// rise of 0.03 a second, 1.5 away. Then the window pixel of 30-degree perspective.
void pixelOf(P3 model, double t, int width, int height, double* column, double* row) {
    P3 p = turnY(turnX({model.x, model.y + 0.16, model.z}, 135.0 * PI / 180.0), 36.0 * t * PI / 180.0);
    double halfHeight = std::tan(15.0 * PI / 180.0), depth = 1.5 - p.z;
    *column = (p.x / depth / (halfHeight * width / height) + 1.0) * 0.5 * width;
    *row = (p.y + 0.03 * t) / depth / halfHeight * 0.5 * height + 0.5 * height;
}

class Logo : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        createRenderTargets(glWindow.width, glWindow.height);
        glViewport(0, 0, glWindow.width, glWindow.height);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glMatrixMode(GL_PROJECTION);
        gluPerspective(30.0, static_cast<double>(glWindow.width) / glWindow.height, 1.0, 10000.0);
        glMatrixMode(GL_MODELVIEW);
        logo = static_cast<CubeLogo*>(allocZeroed(sizeof(CubeLogo)));
        ASSERT_EQ(buildCubeLogo(logo), logo);
        bind(sceneTarget, true);
    }
    void TearDown() override {
        releaseCubeLayout(logo);
        freeBlock(logo);
        GlTest::TearDown();
    }
    // RGBA, bottom row first, over the grey that earlier frames left.
    Picture draw(double t, bool logoNotText = true) {
        glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ScrollText scrollText;
        if (logoNotText) drawCubeLogo(logo, t);
        else drawScrollText(&scrollText, t);
        return readPixels(0, 0, glWindow.width, glWindow.height);
    }
    CubeLogo* logo = nullptr;
};

TEST_F(Logo, LandedLogoCoversItsCubesHomesRedLitOnAClearedTarget) {
    const double t = 9.9;  // every cube home
    const Picture picture = draw(t);
    ASSERT_GT(logo->cubeCount, 1000);
    for (int n = 0; n < logo->cubeCount; n += 37) {
        const Vec3& home = logo->cubes[n]->home;
        double column, row;
        pixelOf({home.x, home.y, home.z}, t, glWindow.width, glWindow.height, &column, &row);
        const uint8_t* pixel = picture.at(int(column), int(row));
        EXPECT_GT(pixel[3], 0) << "cube " << n;
        EXPECT_GT(pixel[0] - pixel[2], 25) << "cube " << n;  // the red material
    }
    EXPECT_EQ(picture.at(0, 0)[3] | picture.at(0, 0)[0], 0) << "the draw clears what earlier frames left";
}

// One cube, its vertex values set by the test: a small cube off its centre by
// OFFSET, so that the spin carries it round. Where it shows is where the spin
// (X(-theta) then Y(-theta), theta = 0.004 x cube number x what is left of the
// flight) and the flight (scatter to home, three times the size down to one)
// must put it.
TEST_F(Logo, ACubeFliesFromItsScatterPlaceHomeSpinningByItsNumber) {
    std::vector<uint8_t> sheet(256 * 256 * 4, 0);
    sheet[(248 * 256 + 54) * 4] = 255;  // one cube
    releaseCubeLayout(logo);
    ASSERT_EQ(buildCubes(logo, sheet.data()), 1);
    ASSERT_EQ(logo->cubeCount, 1);
    const P3 offset = {0.015, 0.02, 0.025}, home = {0.03, -0.02, 0.0}, scatter = {-0.03, 0.02, 0.03};
    const float cubeNumber = 300.0f, startDelay = 1.0f, speed = 1.25f;  // flies from 0.5 s to 8.5 s
    const CubeLogoBuffer buffers[4] = {POSITION_BUFFER, HOME_BUFFER, SCATTER_BUFFER, CROSS_BUFFER};
    for (int b = 0; b < 4; ++b) {
        std::vector<Vec4> values(CUBE_VERTEX_COUNT);
        for (int v = 0; v < CUBE_VERTEX_COUNT; ++v) {
            const Vec4& c = logo->positions[v];
            const Vec4 sets[4] = {Vec4(offset.x + 2 * c.x, offset.y + 2 * c.y, offset.z + 2 * c.z, cubeNumber),
                                  Vec4(home.x, home.y, home.z, startDelay), Vec4(scatter.x, scatter.y, scatter.z, 2.0f),
                                  Vec4(0.0f, 0.0f, 0.0f, speed)};
            values[v] = sets[b];
        }
        glBindBuffer(GL_ARRAY_BUFFER, logo->buffers[buffers[b]]);
        glBufferSubData(GL_ARRAY_BUFFER, 0, CUBE_VERTEX_COUNT * sizeof(Vec4), values.data());
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);

    for (double t : {0.2, 2.0, 4.5, 7.0, 9.0}) {
        const double p = std::fmin(std::fmax((t - 0.5 * startDelay) * 0.1 * speed, 0.0), 1.0), q = 1.0 - p;
        const double theta = q * cubeNumber * 0.004, scale = 1.0 + 2.0 * q;
        const P3 spun = turnY(turnX(offset, -theta), -theta);
        const P3 where = {(spun.x + scatter.x + (home.x - scatter.x) * p) * scale,
                          (spun.y + scatter.y + (home.y - scatter.y) * p) * scale,
                          (spun.z + scatter.z + (home.z - scatter.z) * p) * scale};
        double column, row;
        pixelOf(where, t, glWindow.width, glWindow.height, &column, &row);
        const Picture picture = draw(t);
        double sumX = 0, sumY = 0, count = 0;
        for (int y = 0; y < glWindow.height; ++y)
            for (int x = 0; x < glWindow.width; ++x)
                if (picture.at(x, y)[3] > 0) sumX += x + 0.5, sumY += y + 0.5, ++count;
        ASSERT_GT(count, 0) << "nothing drawn at " << t;
        EXPECT_NEAR(sumX / count, column, 3.0) << "at " << t;
        EXPECT_NEAR(sumY / count, row, 3.0) << "at " << t;
    }
}

// The scroll text at 20 s: several glyphs, all in the lower bar, 7.7 to 9.7 % up.
TEST_F(Logo, ScrollTextGlyphsLieInTheLowerBar) {
    const Picture text = draw(20.0, false);
    int lowest = glWindow.height, highest = -1, glyphPixels = 0;
    for (int row = 0; row < glWindow.height; ++row)
        for (int column = 0; column < glWindow.width; ++column)
            if (text.at(column, row)[0] >= 192) lowest = std::min(lowest, row), highest = std::max(highest, row), ++glyphPixels;
    EXPECT_GT(glyphPixels, 500);
    EXPECT_GE(lowest, static_cast<int>(0.077 * glWindow.height) - 1);
    EXPECT_LE(highest, static_cast<int>(0.097 * glWindow.height) + 1);
}

}  // namespace
