// The scroll text's font: a 9 x 9 bitmap for each character code 32 to 127,
// read from font.txt and painted into the top of the sheet image, where the
// scroll text samples glyph g = code - 32 from the 9 x 9 cell at pixel
// (10 * (g mod 16), 10 * (g div 16) + 2).
#pragma once

#include "tools/asset_generator/rgba_image.h"

#include <string>

constexpr int FONT_FIRST_CODE = 32;
constexpr int FONT_GLYPH_COUNT = 96;  // codes 32 to 127
constexpr int GLYPH_SIZE = 9;
constexpr int GLYPH_PITCH = 10;       // cell plus a one-pixel transparent gap
constexpr int GLYPH_GRID_TOP = 2;     // the grid starts two pixels down
constexpr int GLYPH_GRID_COLUMNS = 16;

struct GlyphFont {
    // lit[g][row][column], g = code - 32, row 0 at the top
    bool lit[FONT_GLYPH_COUNT][GLYPH_SIZE][GLYPH_SIZE];
};

// 1 when the file holds every code exactly once as a well-formed block; 0 with
// messages on standard error otherwise.
int readGlyphFont(const std::string& path, GlyphFont* font);

// Lit pixels become opaque white; nothing else is touched, so the sheet must
// start transparent.
void paintGlyphGrid(const GlyphFont& font, RgbaImage* sheet);
