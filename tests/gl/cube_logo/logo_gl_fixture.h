// A 1109 x 693 window with the demo's render targets, projection and fixed
// state, and a cube logo built from the program's own sheet.
#pragma once

#include "demo/cube_logo.h"
#include "tests/gl/support/gl_test_window.h"

#include <cstdint>
#include <vector>

struct SheetPixels;

// RGBA rows, bottom row first, as glReadPixels gives them.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgba;
    const uint8_t* at(int column, int row) const { return &rgba[(static_cast<size_t>(row) * width + column) * 4]; }
};

class LogoGlTest : public GlTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lays the cubes out again from a sheet of the test's own.
    void rebuildCubesFrom(const SheetPixels& sheet);
    // Fills sceneTarget with one grey level, as earlier frames might have left it.
    void fillScene(float grey);
    Picture readScene();

    CubeLogo* logo = nullptr;
};
