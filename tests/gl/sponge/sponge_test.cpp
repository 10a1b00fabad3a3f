// The sponge pass on the real driver, at times when the box stands square to
// the eye (t = 50: half a turn about x; t = 75: three quarters about x, half
// about y) with no twist and no wobble, so that what a ray meets is known
// without marching: the front face z = -1, the inner cube's face, the hollow.
#include "demo/effect_programs.h"
#include "demo/shell_state.h"
#include "demo/sponge/sponge.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"
#include "resources/resource_ids.h"
#include "tests/gl/support/gl_test_window.h"

#include <cmath>
#include <vector>

namespace {

const int W = 1109, H = 693;
const float EYE[3] = {0.0001f, 0.3001f, -5.1999f};

// Before the darkening by march steps, which scales all three channels alike:
// the base colour, tinted by the first level's orbit trap towards the trap
// colour of the distance `minDist`, the ambient, and k^4 x 1.5 where lit;
// a shadow halves it and takes the highlight.
void surfaceColour(float trap, float minDist, float k, bool lit, float out[3]) {
    const float base[3] = {1.0f, 0.6f, 0.7f}, nearC[3] = {0.8f, 0.6f, 0.1f}, farC[3] = {0.4f, 0.3f, 0.2f};
    const float ambient[3] = {0.25f, 0.25f, 0.0f};
    for (int c = 0; c < 3; ++c) {
        float trapColour = nearC[c] + (farC[c] - nearC[c]) * 0.5f * minDist;
        float colour = base[c] + (trapColour - base[c]) * 0.5f * trap + ambient[c];
        out[c] = lit ? colour + 1.5f * k * k * k * k : 0.5f * colour;
    }
}

// The first level's trap term of one coordinate: (0.5 - |mod(1.5 c + 1.5, 3) - 1.5|)^2.
float trapTerm(float c) {
    const float x = 1.5f * c + 1.5f;
    const float v = 0.5f - std::fabs(x - 3.0f * std::floor(x / 3.0f) - 1.5f);
    return v * v;
}

class Sponge : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        buildShaderProgram(&programs.fractProgram, loadVertexShaderSource(SPONGE_VERTEX_SHADER),
                           loadFragmentShaderSource(SPONGE_FRAGMENT_SHADER), "Fract");
        ASSERT_TRUE(recordedBoxes.empty());
        effectPrograms = &programs;
        displayConfig.width = W;
        displayConfig.height = H;
        createRenderTargets(W, H);  // off screen: no other window covers it
        bind(sceneTarget, true);
        glViewport(0, 0, W, H);
    }
    void TearDown() override {
        effectPrograms = nullptr;
        GlTest::TearDown();
    }
    // One pass over a marker colour it never writes; the rectangle's pixels.
    std::vector<uint8_t> draw(float t, int levels, int x, int y, int w, int h) {
        SpongeCues cues = initialSpongeCues();
        cues.spongeIterations = levels;
        glEnable(GL_SCISSOR_TEST);
        glScissor(x, y, w, h);
        glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        drawSpongeRays(cues, t);
        glDisable(GL_SCISSOR_TEST);
        return readPixels(x, y, w, h).rgba;
    }
    EffectPrograms programs = {};
};

// A column at the far left, whose rays miss the bounding sphere: the pass
// writes rows 90 to 519 (the band, -0.37 to 0.25 of the height about the
// middle) with the background, at t = 0 no green and 0.11 blue, and leaves
// the rest. A depth buffer at the nearest depth must not hide it.
TEST_F(Sponge, BandEdgesAndTheBackground) {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    const std::vector<uint8_t> column = draw(0.0f, 0, 10, 0, 1, H);
    for (int row = 0; row < H; ++row) {
        const uint8_t* p = &column[row * 4];
        if (row < 90 || row > 519) {
            EXPECT_TRUE(p[0] == 255 && p[1] == 0 && p[2] == 255) << "row " << row << " outside the band was written";
        } else {
            EXPECT_EQ(p[1], 0) << row;
            EXPECT_NEAR(p[2], 28, 1) << row;
        }
    }
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

// Rays aimed at points on faces that stand square to the eye. With no twist
// the two twist stages still turn the axes (x, y, z) into (y, z, x), which puts
// the sphere that eats the box at the object's corner (1.1, -1.1, 1.1): at
// t = 50 the front face's top right corner, at t = 75 its top left, each eaten
// through so that the ray sees the background (no green, no blue at these
// times), while the opposite corner stands.
TEST_F(Sponge, RaysMeetWhatTheSceneHasThere) {
    enum Meets { LIT, SHADOWED, NOTHING };
    struct Ray {
        float t;
        int levels;
        float x, y, z;  // aimed at
        Meets meets;
        const char* what;
    };
    const Ray rays[] = {
        {50.0f, 0, 0.9f, 0.9f, -1.0f, NOTHING, "the eaten corner at 50 s"},
        {50.0f, 0, -0.8f, -0.8f, -1.0f, LIT, "the plain box's front face opposite"},
        {75.0f, 0, -0.9f, 0.9f, -1.0f, NOTHING, "the eaten corner at 75 s"},
        {75.0f, 0, 0.8f, -0.8f, -1.0f, LIT, "the front face opposite"},
        {50.0f, 1, 0.6f, -0.6f, -1.0f, LIT, "the front face beside the first level's hole"},
        {50.0f, 1, 0.2f, 0.2f, -0.65f, LIT, "the inner cube, lit through the hole"},
        {50.0f, 1, -0.2f, -0.2f, -0.65f, SHADOWED, "the inner cube in the hole's shadow"},
    };
    std::vector<float> darkenings;
    for (const Ray& ray : rays) {
        const float s = ray.z - EYE[2];
        const int x = static_cast<int>(std::lround((ray.x - EYE[0]) / s * H + 0.5f * W - 0.5f));
        const int y = static_cast<int>(std::lround(((ray.y - EYE[1]) / s + 0.5f) * H - 0.5f));
        const std::vector<uint8_t> pixel = draw(ray.t, ray.levels, x, y, 1, 1);
        if (ray.meets == NOTHING) {
            EXPECT_TRUE(pixel[1] == 0 && pixel[2] == 0) << ray.what;
            continue;
        }
        // Where the pixel's own ray meets the face, and the light there.
        const float hx = EYE[0] + s * (x + 0.5f - 0.5f * W) / H, hy = EYE[1] + s * ((y + 0.5f) / H - 0.5f);
        const float lx = -125.0f - hx, ly = -125.0f - hy, lz = -125.0f - ray.z;
        const float k = -lz / std::sqrt(lx * lx + ly * ly + lz * lz);
        // The trap is read where the normal's last sample fell, about two march
        // epsilons (0.3 / H of the distance) in front of the face.
        const float front = ray.z - 2.0f * 0.3f * s / H;
        const float trap = ray.levels ? trapTerm(hx) + trapTerm(hy) + trapTerm(front) : 0.0f;
        float expected[3];
        surfaceColour(trap, 0.5f * (std::fabs(ray.z) - 1.0f), k, ray.meets == LIT, expected);
        const float darkening = pixel[2] / 255.0f / expected[2];
        EXPECT_TRUE(darkening > 0.4f && darkening < 1.02f) << ray.what << ": " << darkening;
        darkenings.push_back(darkening);
        for (int c = 0; c < 2; ++c)
            EXPECT_NEAR(pixel[c] / 255.0f, std::fmin(1.0f, expected[c] * darkening), 3.0f / 255.0f)
                << ray.what << ", channel " << c << " at " << x << ", " << y;
    }
    // The lit and the shadowed ray through the hole march about as many steps
    // (within three of 85): so the shadow's halving shows in the level too.
    EXPECT_NEAR(darkenings[darkenings.size() - 2], darkenings.back(), 3.0f / 85.0f);
}

}  // namespace
