#include "demo/scroll/scroll_layout.h"

const float glyphCell = 0.03515625f;  // 9 / 256
const float glyphGap = 0.00390625f;   // 1 / 256
const int glyphColumns = 16;

const float scrollGlyphSize = 0.4f;
const float scrollGlyphBottom = -0.295f;
const float scrollGlyphDepth = 0.5f;
const float scrollPlaneDistance = 1.8f;

namespace {

const double SCROLL_SPEED = 0.2;       // units per second, leftwards
const double SCROLL_START_TIME = 3.0;  // character 0 at the centre
const double LINE_HALF_LENGTH = 1.1;

}  // namespace

double scrollGlyphLeft(double t, int position) {
    double start = (t - SCROLL_START_TIME) * (-SCROLL_SPEED);
    // The advance equals the glyph's width at size 0.4, summed in double.
    return start + position * glyphCell * 0.4;
}

bool scrollGlyphOnLine(double left) { return -LINE_HALF_LENGTH < left && left < LINE_HALF_LENGTH; }

GlyphQuad layOutGlyph(signed char ch, float x, float y, float z, float size) {
    // The grid starts at code 32; cells are 10 texels apart, two texels down.
    int glyph = ch - 32;
    int row = glyph / glyphColumns;
    int column = glyph % glyphColumns;
    float u = column * (glyphCell + glyphGap);
    float v = row * (glyphCell + glyphGap) + 2.0f * glyphGap;
    float extent = glyphCell * size;

    // The image's top row (smaller v) goes to the quad's top: the glyph stands upright.
    GlyphQuad quad = {{x, x, x + extent, x + extent},
                      {y, y + extent, y + extent, y},
                      z,
                      {u, u, u + glyphCell, u + glyphCell},
                      {v + glyphCell, v, v, v + glyphCell}};
    return quad;
}
