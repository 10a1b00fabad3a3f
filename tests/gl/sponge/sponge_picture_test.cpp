// The sponge pass on the real driver: drawSponge with the "Fract" program
// against the march worked out on the processor, at a few chosen pixels.
#include "app/shell_state.h"
#include "demo/effect_programs.h"
#include "demo/sponge.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"
#include "synth/music.h"
#include "tests/gl/sponge/sponge_oracle.h"
#include "tests/gl/support/gl_test_window.h"

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

const int WIDTH = 1109;
const int HEIGHT = 693;
// Both turns well away from whole turns, the sphere's hollow facing the eye.
const float SCENE_TIME = 50.9f;
const unsigned char MARKER[3] = {255, 0, 255};  // a colour the pass never writes

// A lit or shadowed surface agrees to a level or so; the background's grain is
// steep enough that even chosen pixels keep a few levels of rounding.
const float SURFACE_TOLERANCE = 2.0f / 255.0f;
const float BACKGROUND_TOLERANCE = 4.0f / 255.0f;

struct Pixel {
    int x, y;
};

class SpongePicture : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        buildShaderProgram(&programs.fractProgram, loadVertexShaderSource(301), loadFragmentShaderSource(302),
                           "Fract");
        ASSERT_TRUE(recordedBoxes.empty()) << recordedBoxes.front().text;
        effectPrograms = &programs;
        displayConfig.width = WIDTH;
        displayConfig.height = HEIGHT;
        // Into the demo's own off-screen target: window pixels that another
        // window covers would not be written at all.
        createRenderTargets(WIDTH, HEIGHT);
        ASSERT_NE(sceneTarget, nullptr);
        bind(sceneTarget, true);
        glViewport(0, 0, WIDTH, HEIGHT);
        acknowledgeAllNotes();
    }

    void TearDown() override {
        glDisable(GL_SCISSOR_TEST);
        bind(sceneTarget, false);
        effectPrograms = nullptr;
        GlTest::TearDown();
    }

    static void acknowledgeAllNotes() {
        for (int track = 0; track < NOTE_TRACKS; ++track) {
            trackNote[track] = 0;
            noteSeen[track] = 1;
        }
    }

    // The sponge most of the demo shows, one lead cue short of all four levels
    // (the frame's own cue adds the last), twisted and wobbling. A twist on its
    // target holds there for the frame.
    static SpongeCues twistedSpongeBeforeItsLastLevel() {
        SpongeCues cues = initialSpongeCues();
        cues.boxIterations = 3;
        cues.spongeIterations = 3;
        cues.displace1 = 0.4f;
        cues.twistX = cues.twistTargetX = -0.3f;
        cues.twistY = cues.twistTargetY = -0.45f;
        return cues;
    }

    static void cueTheLastLevel() {
        trackNote[11] = 60;
        noteSeen[11] = 0;
    }

    // Each pixel in a frame of its own from `before` at SCENE_TIME, held to the
    // reference; `premise` says what the ray was chosen to show, so that a
    // change that moves the scene fails as such rather than as a colour.
    template <typename Premise>
    void expectPixelsMatch(const SpongeCues& before, std::initializer_list<Pixel> pixels, const char* kind,
                           Premise premise) {
        for (Pixel at : pixels) {
            const std::vector<unsigned char> pixel = drawFrame(before, SCENE_TIME, at.x, at.y, 1, 1);
            const PixelTrace expected = traceSpongePixel(inputsAfterTheFrame(SCENE_TIME), at.x, at.y);
            EXPECT_TRUE(premise(expected)) << at.x << ", " << at.y << " no longer shows " << kind;
            expectColour(expected, pixel.data(), SURFACE_TOLERANCE, at);
        }
    }

    // One frame from `before`, with only the rectangle reachable and cleared to
    // MARKER first; the rectangle's pixels, bottom row first.
    std::vector<unsigned char> drawFrame(const SpongeCues& before, float t, int x, int y, int w, int h) {
        spongeCues = before;
        glEnable(GL_SCISSOR_TEST);
        glScissor(x, y, w, h);
        glClearColor(MARKER[0] / 255.0f, MARKER[1] / 255.0f, MARKER[2] / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        drawSponge(t);
        std::vector<unsigned char> pixels(static_cast<size_t>(w) * h * 4);
        glReadPixels(x, y, w, h, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // What the program should have computed from the values drawSponge sent.
    static SpongeInputs inputsAfterTheFrame(float t) {
        return SpongeInputs{t,
                            static_cast<float>(WIDTH),
                            static_cast<float>(HEIGHT),
                            spongeCues.twistX,
                            spongeCues.twistY,
                            spongeCues.spongeIterations,
                            spongeCues.displace1};
    }

    static void expectColour(const PixelTrace& expected, const unsigned char* rgba, float tolerance, Pixel at) {
        const float channels[3] = {expected.colour.r, expected.colour.g, expected.colour.b};
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(rgba[c] / 255.0f, channels[c], tolerance) << "channel " << c << " at " << at.x << ", " << at.y;
    }

    EffectPrograms programs = {};
};

TEST_F(SpongePicture, PixelsOutsideTheBandKeepWhatTheTargetHeld) {
    // Window rows up to 89 lie below the band (P.y < -0.37), rows from 520
    // above it (P.y > 0.25); rows 90 and 519 are its edges.
    const SpongeCues cues = twistedSpongeBeforeItsLastLevel();
    struct Strip {
        int firstRow, rowCount, firstInBand, lastInBand;
    };
    for (Strip strip : {Strip{0, 100, 90, 99}, Strip{510, HEIGHT - 510, 510, 519}}) {
        const std::vector<unsigned char> pixels = drawFrame(cues, SCENE_TIME, 0, strip.firstRow, WIDTH, strip.rowCount);
        int kept = 0, overwritten = 0, unwrittenInBand = 0;
        for (int row = 0; row < strip.rowCount; ++row) {
            const int y = strip.firstRow + row;
            const bool inBand = y >= strip.firstInBand && y <= strip.lastInBand;
            for (int x = 0; x < WIDTH; ++x) {
                const unsigned char* p = &pixels[(static_cast<size_t>(row) * WIDTH + x) * 4];
                const bool marker = p[0] == MARKER[0] && p[1] == MARKER[1] && p[2] == MARKER[2];
                if (inBand) {
                    unwrittenInBand += marker;
                } else {
                    kept += marker;
                    overwritten += !marker;
                }
            }
        }
        EXPECT_EQ(overwritten, 0) << "outside the band from row " << strip.firstRow;
        EXPECT_GT(kept, 0);
        EXPECT_EQ(unwrittenInBand, 0) << "the band's edge rows near row " << strip.firstRow;
    }
}

TEST_F(SpongePicture, RaysOntoTheLitSpongeMatchTheMarch) {
    cueTheLastLevel();
    expectPixelsMatch(twistedSpongeBeforeItsLastLevel(), {{440, 210}, {472, 138}}, "a lit face of the sponge",
                      [](const PixelTrace& ray) {
                          return ray.surface == SpongeSurface::SPONGE && ray.facesLight && ray.shadow < 0.05f;
                      });
    EXPECT_EQ(spongeCues.spongeIterations, 4);
}

TEST_F(SpongePicture, RaysIntoShadowMatchTheShadowMarch) {
    cueTheLastLevel();
    expectPixelsMatch(twistedSpongeBeforeItsLastLevel(), {{568, 186}, {640, 202}}, "a cast shadow",
                      [](const PixelTrace& ray) { return ray.hit && ray.facesLight && ray.shadow == 1.0f; });
    cueTheLastLevel();
    expectPixelsMatch(twistedSpongeBeforeItsLastLevel(), {{560, 178}}, "a half shadow",
                      [](const PixelTrace& ray) { return ray.hit && ray.shadow > 0.3f && ray.shadow < 0.8f; });
}

TEST_F(SpongePicture, RaysThroughTheBigHolesMeetTheInnerCube) {
    cueTheLastLevel();
    expectPixelsMatch(twistedSpongeBeforeItsLastLevel(), {{504, 218}, {496, 226}}, "the inner cube",
                      [](const PixelTrace& ray) { return ray.surface == SpongeSurface::INNER_CUBE; });
}

TEST_F(SpongePicture, RaysIntoTheEatenCornerMeetTheSphereHollow) {
    cueTheLastLevel();
    expectPixelsMatch(twistedSpongeBeforeItsLastLevel(), {{600, 218}, {624, 210}}, "the eaten hollow",
                      [](const PixelTrace& ray) { return ray.surface == SpongeSurface::EATEN_HOLLOW; });
}

TEST_F(SpongePicture, BeforeAnyLeadCueThePlainBoxShowsTheHollowInItsCorner) {
    SpongeCues plainBox = twistedSpongeBeforeItsLastLevel();
    plainBox.spongeIterations = 0;
    plainBox.boxIterations = 1;
    expectPixelsMatch(plainBox, {{608, 210}, {584, 218}}, "the hollow in the plain box",
                      [](const PixelTrace& ray) { return ray.surface == SpongeSurface::EATEN_HOLLOW; });
    expectPixelsMatch(plainBox, {{592, 98}}, "a half-shadowed face of the plain box",
                      [](const PixelTrace& ray) { return ray.surface == SpongeSurface::SPONGE && ray.shadow > 0.3f; });
    EXPECT_EQ(spongeCues.spongeIterations, 0);
}

TEST_F(SpongePicture, RaysPastTheSpongeShowTheBackground) {
    // The background's grain, |sin(-tau * 1113.14 * a * pi)|, is so steep in
    // a = atan2(g) + 1.9 t that program and reference agree on it only where a
    // is tiny, so each pixel is drawn at the moment its a is 2e-4.
    SpongeCues cues = twistedSpongeBeforeItsLastLevel();
    cues.spongeIterations = cues.boxIterations = 4;
    struct Case {
        Pixel at;
        bool insideBound;  // the march runs and misses, or the ray skips the sphere
    };
    for (Case c : {Case{{370, 140}, true}, Case{{310, 160}, true}, Case{{70, 140}, false}}) {
        const float gx = (-1.0f + 2.0f * (c.at.x + 0.5f) / WIDTH) * WIDTH / HEIGHT;
        const float gy = -1.0f + 2.0f * (c.at.y + 0.5f) / HEIGHT;
        const float t = (2e-4f - std::atan2(gy, gx)) / 1.9f;
        const std::vector<unsigned char> pixel = drawFrame(cues, t, c.at.x, c.at.y, 1, 1);
        const PixelTrace expected = traceSpongePixel(inputsAfterTheFrame(t), c.at.x, c.at.y);
        ASSERT_TRUE(!expected.hit && expected.insideBound == c.insideBound)
            << "the chosen ray is no longer a miss of that kind at " << c.at.x << ", " << c.at.y;
        expectColour(expected, pixel.data(), BACKGROUND_TOLERANCE, c.at);
    }
}

TEST_F(SpongePicture, DrawsOverTheDepthBufferAndLeavesDepthTestOnWithNoProgram) {
    // A depth buffer full of the nearest depth would hide the rectangle if the
    // pass kept the depth test on while drawing.
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_SCISSOR_TEST);
    glScissor(440, 210, 1, 1);
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    const std::vector<unsigned char> pixel = drawFrame(twistedSpongeBeforeItsLastLevel(), SCENE_TIME, 440, 210, 1, 1);
    EXPECT_FALSE(pixel[0] == MARKER[0] && pixel[1] == MARKER[1] && pixel[2] == MARKER[2]) << "nothing was drawn";
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint current = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, 0);
}

}  // namespace
