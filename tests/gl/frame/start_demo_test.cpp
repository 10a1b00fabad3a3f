// startDemo on real GL: what it builds, the progress it reports and the fixed
// state it leaves for every frame.
#include "app/shell_state.h"
#include "demo/demo.h"
#include "demo/demo_objects.h"
#include "demo/effect_programs.h"
#include "gfx/gl_entry_points.h"
#include "gfx/random.h"
#include "gfx/render_target.h"
#include "gfx/textures.h"
#include "tests/gl/frame/frame_fixture.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

namespace {

void recordProgress(void* context, int percent) { static_cast<std::vector<int>*>(context)->push_back(percent); }

class StartDemo : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        resetFrameState();
        display = DisplayConfig{glWindow.width, glWindow.height, 0,
                                static_cast<float>(static_cast<double>(glWindow.width) / glWindow.height)};
    }

    int start() { return startDemo(LoadProgress{&progress, recordProgress}, &display); }

    DisplayConfig display = {};
    std::vector<int> progress;
};

bool isProgram(GLuint name) {
    GLint linked = 0;
    if (name == 0) return false;
    gl.glGetObjectParameterivARB(name, GL_OBJECT_LINK_STATUS_ARB, &linked);
    return glGetError() == GL_NO_ERROR && linked != 0;
}

TEST_F(StartDemo, BuildsEveryObjectAndReportsZeroFiftyAndAHundred) {
    ASSERT_EQ(start(), 1);
    EXPECT_EQ(progress, (std::vector<int>{0, 50, 100}));
    ASSERT_NE(renderTargets, nullptr);
    EXPECT_EQ(renderTargets->count, 4);
    ASSERT_NE(sceneTarget, nullptr);
    EXPECT_EQ(renderTargets->items[3], sceneTarget);
    EXPECT_EQ(sceneTarget->desc.width, display.width);
    EXPECT_EQ(sceneTarget->desc.height, display.height);
    EXPECT_NE(scrollText, nullptr);
    EXPECT_NE(cubeLogo, nullptr);
    EXPECT_TRUE(glIsTexture(bannerTexture));
}

TEST_F(StartDemo, EveryProgramItBuildsLinksWithoutAnErrorBox) {
    ASSERT_EQ(start(), 1);
    ASSERT_NE(effectPrograms, nullptr);
    EXPECT_TRUE(isProgram(fxProgram)) << "Fx";
    EXPECT_TRUE(isProgram(effectPrograms->fractProgram)) << "Fract";
    EXPECT_TRUE(isProgram(effectPrograms->plasmaProgram)) << "Plasma";
    EXPECT_TRUE(isProgram(effectPrograms->tunnelProgram)) << "Tunnel";
    EXPECT_TRUE(isProgram(effectPrograms->mixerProgram)) << "Mixer";
    EXPECT_TRUE(glIsTexture(effectPrograms->noiseTexture));
    ASSERT_NE(effectPrograms->random, nullptr);
    EXPECT_EQ(effectPrograms->random->state, 0u);
    for (const RecordedBox& box : recordedBoxes) ADD_FAILURE() << box.kind << " box: " << box.text;
}

TEST_F(StartDemo, LeavesTheViewportDepthTestAndThirtyDegreePerspective) {
    ASSERT_EQ(start(), 1);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], display.width);
    EXPECT_EQ(viewport[3], display.height);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLint value = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_SMOOTH);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    for (float channel : clear) EXPECT_EQ(channel, 0.0f);

    GLfloat modelView[16], projection[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(modelView[i], i % 5 == 0 ? 1.0f : 0.0f) << "model-view " << i;

    // A perspective of 30 degrees vertically, near 1, far 10000.
    const double focal = 1.0 / std::tan(15.0 * 3.14159265358979323846 / 180.0);
    const double nearPlane = 1.0, farPlane = 10000.0;
    double expected[16] = {};
    expected[0] = focal / display.aspect;
    expected[5] = focal;
    expected[10] = (farPlane + nearPlane) / (nearPlane - farPlane);
    expected[11] = -1.0;
    expected[14] = 2.0 * farPlane * nearPlane / (nearPlane - farPlane);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(projection[i], expected[i], 1e-5 * (1.0 + std::fabs(expected[i]))) << i;
}

TEST_F(StartDemo, RaisesAHeightOfZeroToOneBeforeSettingTheViewport) {
    display.height = 0;
    ASSERT_EQ(start(), 1);
    EXPECT_EQ(display.height, 1);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[3], 1);
}

}  // namespace
