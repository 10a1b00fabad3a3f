// Real OpenGL for the gl tier: a window on the X server with a current
// compatibility context and the entry-point table loaded, and message boxes
// recorded instead of shown (a box would wait for a click).
#pragma once

#include "platform/platform.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

struct RecordedBox {
    std::string kind;  // "question", "warning", "error"
    std::string text;
};

// Every box shown since the last clearRecordedBoxes().
extern std::vector<RecordedBox> recordedBoxes;
void clearRecordedBoxes();

struct GlTestWindow {
    PlatformInstance* instance = nullptr;
    PlatformWindow* window = nullptr;
    PlatformSurface* surface = nullptr;
    PlatformGlContext* context = nullptr;
    int width = 0, height = 0;
};

// Opens the window and loads the entry points; false (with a reason on
// standard error) when there is no display or no usable context.
bool openGlTestWindow(int width, int height, GlTestWindow* out);
void closeGlTestWindow(GlTestWindow* window);

// RGBA pixels of the bound framebuffer's rectangle, bottom row first, as
// glReadPixels gives them.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};
Picture readPixels(int x, int y, int width, int height);

// A fixture that opens a 1109 x 693 window for each test.
class GlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    GlTestWindow glWindow;
};
