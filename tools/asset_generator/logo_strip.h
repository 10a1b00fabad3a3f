// The pixel logo that the cube logo is built from: the bottom 16 rows of the
// sheet image. Every white pixel becomes one flat cube and every grey pixel a
// column of five, so the grey reads as depth; black pixels stay empty.
#pragma once

#include "tools/asset_generator/rgba_image.h"

#include <string>

constexpr int STRIP_WIDTH = 256;
constexpr int STRIP_HEIGHT = 16;
constexpr int STRIP_TOP = 240;  // first image row of the strip

enum StripPixel : unsigned char { STRIP_BLACK, STRIP_GREY, STRIP_WHITE };

struct LogoStrip {
    StripPixel pixels[STRIP_HEIGHT][STRIP_WIDTH];  // [row][column]
};

// logo_strip.txt: 16 rows of '#' (white), '+' (grey) and '.' (black), at most
// 256 columns; a short row continues in black. 1 on success, 0 with messages.
int readLogoStrip(const std::string& path, LogoStrip* strip);

// Paints all 256 x 16 strip pixels, black included, opaque.
void paintLogoStrip(const LogoStrip& strip, RgbaImage* sheet);
