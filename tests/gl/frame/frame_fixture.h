// A started demo in a 1109 x 693 window, and the pixels of its scene target
// and of the window, for the frame's GL tests.
#pragma once

#include "app/shell_state.h"
#include "demo/demo.h"
#include "demo/distortion.h"
#include "demo/post_process.h"
#include "gfx/render_target.h"
#include "synth/music.h"
#include "tests/gl/support/gl_test_window.h"

#include <GL/gl.h>
#include <cstdint>
#include <vector>

// RGBA rows, bottom row first, as glReadPixels gives them.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

inline Picture readPixels(int width, int height) {
    Picture picture{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, picture.rgba.data());
    return picture;
}

// The window and the frame's state as at the start of a run; startDemo is the test's.
class StartedDemo : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        if (HasFatalFailure()) return;
        demoTime = quitTime = 0.0;
        quitRequested = fadeFinished = false;
        clearMusicNotes();
        postProcess = POST_PROCESS_AT_START;
        distortion = DISTORTION_AT_REST;
        setFramePicture(PICTURE_DRAWN);
        displayConfig = DisplayConfig{glWindow.width, glWindow.height, 0, glWindow.width / float(glWindow.height)};
    }
};

class FrameTest : public StartedDemo {
protected:
    void SetUp() override {
        StartedDemo::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 1);
    }
    Picture readScene() {
        bind(sceneTarget, true);
        Picture picture = readPixels(displayConfig.width, displayConfig.height);
        bind(sceneTarget, false);
        return picture;
    }
};
