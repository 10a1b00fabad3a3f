// A started demo in a 1109 x 693 window, and the pixels of its scene target
// and of the window, for the frame's GL tests.
#pragma once

#include "tests/gl/support/gl_test_window.h"

#include <cstdint>
#include <vector>

// RGBA rows, bottom row first, as glReadPixels gives them.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;

    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    int brightest(int x, int y) const;  // the largest of R, G and B
};

// The frame's clock, quit and music state back at the start of a run.
void resetFrameState();

// A window, the clean frame state and startDemo, which must succeed.
class FrameTest : public GlTest {
protected:
    void SetUp() override;
};

// Fills sceneTarget with one grey level, as if earlier frames had left it.
void fillScene(float grey);
Picture readScene();
Picture readWindow();  // the back buffer, which the next swap would show

// Pixel row and column of a point on the overlay plane (one unit in front of
// the eye) in a picture of the window's size.
double rowOf(float y, int height);
double columnOf(float x, int width, float aspect);
