#include "tests/gl/cube_logo/logo_gl_fixture.h"

#include "demo/cube_layout.h"
#include "gfx/heap.h"
#include "gfx/render_target.h"
#include "tests/unit/cube_logo/sheet_pixels.h"

#include <GL/glu.h>

void LogoGlTest::SetUp() {
    GlTest::SetUp();
    if (HasFatalFailure()) return;
    createRenderTargets(glWindow.width, glWindow.height);
    ASSERT_NE(sceneTarget, nullptr);

    // The fixed state that start-up leaves for every drawing step.
    glViewport(0, 0, glWindow.width, glWindow.height);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, static_cast<double>(glWindow.width) / glWindow.height, 1.0, 10000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    logo = static_cast<CubeLogo*>(allocZeroed(sizeof(CubeLogo)));
    ASSERT_EQ(buildCubeLogo(logo), logo);
}

void LogoGlTest::TearDown() {
    if (logo) {
        releaseCubeLayout(logo);
        freeBlock(logo);
    }
    GlTest::TearDown();
}

void LogoGlTest::rebuildCubesFrom(const SheetPixels& sheet) {
    releaseCubeLayout(logo);
    ASSERT_EQ(buildCubes(logo, sheet.rgba.data()), 1);
}

void LogoGlTest::fillScene(float grey) {
    bind(sceneTarget, true);
    glClearColor(grey, grey, grey, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
}

Picture LogoGlTest::readScene() {
    Picture picture;
    picture.width = glWindow.width;
    picture.height = glWindow.height;
    picture.rgba.resize(static_cast<size_t>(picture.width) * picture.height * 4);
    bind(sceneTarget, true);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, picture.width, picture.height, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
    return picture;
}
