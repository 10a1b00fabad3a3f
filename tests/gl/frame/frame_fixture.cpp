#include "tests/gl/frame/frame_fixture.h"

#include "app/shell_state.h"
#include "demo/demo.h"
#include "demo/distortion.h"
#include "demo/post_process.h"
#include "gfx/render_target.h"
#include "synth/music.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

namespace {

// The visible half-height one unit in front of the eye: tan 15 degrees.
const double HALF_HEIGHT = std::tan(15.0 * 3.14159265358979323846 / 180.0);

Picture readBound(int width, int height) {
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.resize(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
    return picture;
}

}  // namespace

int Picture::brightest(int x, int y) const {
    const uint8_t* p = at(x, y);
    return std::max({p[0], p[1], p[2]});
}

void resetFrameState() {
    demoTime = 0.0;
    quitRequested = false;
    quitTime = 0.0;
    fadeFinished = false;
    clearMusicNotes();
    postProcess = POST_PROCESS_AT_START;
    distortion = DISTORTION_AT_REST;
}

void FrameTest::SetUp() {
    GlTest::SetUp();
    if (HasFatalFailure()) return;
    resetFrameState();
    displayConfig = DisplayConfig{glWindow.width, glWindow.height, 0,
                                  static_cast<float>(static_cast<double>(glWindow.width) / glWindow.height)};
    ASSERT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 1);
}

void fillScene(float grey) {
    bind(sceneTarget, true);
    glClearColor(grey, grey, grey, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    bind(sceneTarget, false);
}

Picture readScene() {
    bind(sceneTarget, true);
    Picture picture = readBound(sceneTarget->desc.width, sceneTarget->desc.height);
    bind(sceneTarget, false);
    return picture;
}

Picture readWindow() {
    glReadBuffer(GL_BACK);
    return readBound(displayConfig.width, displayConfig.height);
}

double rowOf(float y, int height) { return (y / HALF_HEIGHT + 1.0) * 0.5 * height; }

double columnOf(float x, int width, float aspect) { return (x / (HALF_HEIGHT * aspect) + 1.0) * 0.5 * width; }
