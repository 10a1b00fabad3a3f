#include "tests/unit/cube_logo/sheet_pixels.h"

#include "demo/cube_layout.h"

void SheetPixels::set(int column, int row, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    uint8_t* pixel = &rgba[(row * 256 + column) * 4];
    pixel[0] = r;
    pixel[1] = g;
    pixel[2] = b;
    pixel[3] = a;
}

SheetPixels stripWithProgramCounts() {
    SheetPixels sheet;
    int qualifying = 0;
    for (int column = 3; qualifying < 992; ++column) {
        for (int row = 240; row < 256 && qualifying < 992; ++row, ++qualifying) {
            bool white = qualifying < 473;
            uint8_t level = white ? 255 : 128;
            sheet.set(column, row, level, level, level, 255);
        }
    }
    return sheet;
}

LaidOutLogo::LaidOutLogo(const SheetPixels& sheet) { built = layOutCubes(&logo, sheet.rgba.data()); }

LaidOutLogo::~LaidOutLogo() { releaseCubeLayout(&logo); }
