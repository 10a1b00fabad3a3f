// The "Fx" pass against its formula: a known scene and known values, and the
// window's pixels compared with the processor's evaluation of the eleven steps.
#include "app/shell_state.h"
#include "demo/demo_objects.h"
#include "demo/distortion.h"
#include "demo/post_process.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"
#include "tests/gl/frame/frame_fixture.h"
#include "tests/gl/frame/fx_pass_model.h"

#include <GL/gl.h>
#include <cmath>

namespace {

const double HALF_HEIGHT = std::tan(15.0 * 3.14159265358979323846 / 180.0);

// Within one 8-bit level and a half: the framebuffer's rounding and the
// driver's own float arithmetic.
const double TOLERANCE = 1.5;

// The noise hash multiplies its argument by 43758, so a texture coordinate one
// float step off gives another noise value. Where the coordinates are exact
// (a quad on a power-of-two viewport) every pixel must match as it is; through
// the demo's projection the rasterizer's interpolation is known only to a few
// steps, and a pixel matches when a coordinate within that many steps of the
// exact one reproduces it.
const int EXACT = 0;
const int INTERPOLATION_SLACK = 4;

// Smooth and dark, so that no channel saturates even under the vignette's 2.25.
Picture gradientScene(int width, int height) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.resize(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = &picture.rgba[(static_cast<size_t>(y) * width + x) * 4];
            float u = static_cast<float>(x) / width, v = static_cast<float>(y) / height;
            p[0] = static_cast<uint8_t>(std::lround(255.0f * (0.05f + 0.25f * u)));
            p[1] = static_cast<uint8_t>(std::lround(255.0f * (0.05f + 0.25f * v)));
            p[2] = static_cast<uint8_t>(std::lround(255.0f * (0.30f - 0.20f * u * v)));
            p[3] = 255;
        }
    }
    return picture;
}

void uploadScene(const Picture& picture) {
    bindTexture(sceneTarget, 1);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, picture.width, picture.height, GL_RGBA, GL_UNSIGNED_BYTE,
                    picture.rgba.data());
    bindTexture(sceneTarget, 0);
}

// The pass as the frame runs it, into the window.
void runPass(float t) {
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    gl.glUseProgram(fxProgram);
    glPushMatrix();
    bindTexture(sceneTarget, 1);
    drawPostProcess(t);
    glPopMatrix();
    gl.glUseProgram(0);
}

float stepped(float value, int steps) {
    for (int i = 0; i < std::abs(steps); ++i) value = std::nextafter(value, steps > 0 ? 2.0f : -2.0f);
    return value;
}

// Largest channel difference, in 8-bit levels, between the pixel and the
// evaluation at (s, r).
double differenceAt(const FxInputs& in, float s, float r, const uint8_t* pixel) {
    float rgb[3];
    evaluateFx(in, s, r, rgb);
    double worst = 0.0;
    for (int c = 0; c < 3; ++c) {
        double expected = std::fmin(std::fmax(rgb[c], 0.0f), 1.0f) * 255.0;
        worst = std::fmax(worst, std::fabs(expected - pixel[c]));
    }
    return worst;
}

struct Comparison {
    int pixels = 0;
    int mismatches = 0;
    double worst = 0.0;  // over the pixels, of the best match within the slack
};

// Where a pixel centre lies on the picture quad, as texture coordinates.
struct QuadCoordinate {
    float s, r;
};

// Through the demo's projection onto the (possibly squeezed) quad.
QuadCoordinate throughProjection(int px, int py, int width, int height, const FadeValues& fade) {
    double xEye = ((px + 0.5) / width * 2.0 - 1.0) * HALF_HEIGHT * displayConfig.aspect;
    double yEye = ((py + 0.5) / height * 2.0 - 1.0) * HALF_HEIGHT;
    return QuadCoordinate{static_cast<float>((xEye + 0.5 * fade.scaleX) / fade.scaleX),
                          static_cast<float>((yEye + 0.33 * fade.scaleY) / (0.66 * fade.scaleY))};
}

template <typename Mapping>
Comparison compareWindow(const Picture& window, int width, int height, const FxInputs& in, int slack,
                         Mapping coordinateOf) {
    Comparison result;
    for (int py = 5; py < height; py += 37) {
        for (int px = 5; px < width; px += 53) {
            QuadCoordinate q = coordinateOf(px, py);
            double best = 1e9;
            for (int ds = -slack; ds <= slack; ++ds) {
                for (int dr = -slack; dr <= slack; ++dr) {
                    best = std::fmin(best, differenceAt(in, stepped(q.s, ds), stepped(q.r, dr), window.at(px, py)));
                }
            }
            ++result.pixels;
            if (best > TOLERANCE) ++result.mismatches;
            result.worst = std::fmax(result.worst, best);
        }
    }
    return result;
}

class FxPass : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        if (HasFatalFailure()) return;
        scene = gradientScene(displayConfig.width, displayConfig.height);
        uploadScene(scene);
    }

    // Runs the pass at demoTime and compares the window with the evaluation
    // for the values the pass drew with.
    void expectPassMatchesFormula() {
        const float t = static_cast<float>(demoTime);
        runPass(t);
        const Picture window = readWindow();
        ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        // What the frame drew with: the fade and flash of this frame, the lens
        // of the one before (drawPostProcess settles it afterwards).
        PostProcessState drawnWith = postProcess;
        drawnWith.deformValue = lensBefore;
        const DistortionState& d = distortion;
        FxInputs in = {displayConfig.width, displayConfig.height, t, drawnWith.fade.flash, 100.0f,
                       drawnWith.deformValue, d.master * d.values[0], d.values[1] * d.master, d.values[2] * d.master,
                       &scene};
        const FadeValues fade = drawnWith.fade;
        Comparison c = compareWindow(window, window.width, window.height, in, INTERPOLATION_SLACK,
                                     [&](int px, int py) { return throughProjection(px, py, window.width, window.height, fade); });
        EXPECT_EQ(c.mismatches, 0) << "of " << c.pixels << " pixels; worst " << c.worst << " levels";
        EXPECT_GT(c.pixels, 300);
    }

    Picture scene;
    float lensBefore = 0.0f;
};

// The program alone, fed by name, on a quad whose pixel centres have exactly
// representable texture coordinates: every compared pixel, noise included.
TEST_F(FxPass, ProgramMatchesTheFormulaWhereItsCoordinatesAreExact) {
    const int W = 1024, H = 512;
    const FxInputs in = {W, H, 3.75f, 0.05f, 100.0f, 1.5f, 0.55f, 0.6f, 0.7f, &scene};

    glViewport(0, 0, W, H);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    gl.glUseProgram(fxProgram);
    gl.glActiveTextureARB(GL_TEXTURE0_ARB);
    bindTexture(sceneTarget, 1);
    setUniformInt(fxProgram, "screen_w", in.screenW);
    setUniformInt(fxProgram, "screen_h", in.screenH);
    setUniformFloat(fxProgram, "time", in.time);
    setUniformFloat(fxProgram, "value1", in.value1);
    setUniformFloat(fxProgram, "value2", in.value2);
    setUniformFloat(fxProgram, "deform_value", in.deform);
    setUniformInt(fxProgram, "texture", 0);
    setUniformFloat(fxProgram, "distort1", in.distort1);
    setUniformFloat(fxProgram, "distort2", in.distort2);
    setUniformFloat(fxProgram, "distort3", in.distort3);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    gl.glUseProgram(0);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);

    const Picture window = readWindow();
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    Comparison c = compareWindow(window, W, H, in, EXACT, [&](int px, int py) {
        return QuadCoordinate{(px + 0.5f) / W, (py + 0.5f) / H};
    });
    EXPECT_EQ(c.mismatches, 0) << "of " << c.pixels << " pixels; worst " << c.worst << " levels";
    EXPECT_GT(c.pixels, 200);
}

TEST_F(FxPass, SettledLensAndKickedDistortionMatchTheFormula) {
    postProcess.deformValue = lensBefore = 0.5f;
    distortion = DistortionState{1.02f, {0.53f, 0.56f, 0.6f}, 0.0f};
    demoTime = 20.25;
    expectPassMatchesFormula();
}

TEST_F(FxPass, FirstFrameStrongLensMatchesTheFormula) {
    lensBefore = postProcess.deformValue;  // 5.0: the first frame's
    demoTime = 0.0;
    expectPassMatchesFormula();
}

TEST_F(FxPass, FadeFlashAndSqueezedQuadMatchTheFormula) {
    postProcess.deformValue = lensBefore = 0.5f;
    quitRequested = true;
    quitTime = 40.0;
    demoTime = 40.05;  // height 0.9, flash 0.1
    expectPassMatchesFormula();
    EXPECT_NEAR(postProcess.fade.scaleY, 0.9f, 1e-5f);
    EXPECT_NEAR(postProcess.fade.flash, 0.1f, 1e-5f);
}

}  // namespace
