// A sheet of our own for the logo tests: 256 x 256 RGBA, all black and
// transparent until pixels are set, and a logo laid out from it.
#pragma once

#include "demo/cube_logo.h"

#include <cstdint>
#include <vector>

struct SheetPixels {
    std::vector<uint8_t> rgba = std::vector<uint8_t>(256 * 256 * 4, 0);
    void set(int column, int row, uint8_t r, uint8_t g, uint8_t b, uint8_t a);
};

// A strip with the program's own counts: 992 qualifying pixels in columns 3
// to 64, 473 white and 519 grey, the last one grey (3068 cubes).
SheetPixels stripWithProgramCounts();

// A zero-filled logo laid out from the sheet; released again on destruction.
struct LaidOutLogo {
    explicit LaidOutLogo(const SheetPixels& sheet);
    ~LaidOutLogo();
    LaidOutLogo(const LaidOutLogo&) = delete;
    LaidOutLogo& operator=(const LaidOutLogo&) = delete;
    CubeLogo logo{};
    int built = 0;
};
