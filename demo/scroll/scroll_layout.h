// Where the scroll text's characters are at a clock, and which cell of the
// sheet each one shows. No GL here: the draw only emits these.
#pragma once

// One glyph's size in texture coordinates, and the unit of glyph size on screen.
extern const float glyphCell;
// One texel: the gap between glyph cells.
extern const float glyphGap;
// Glyphs per row of the sheet's grid.
extern const int glyphColumns;

// The text's size factor: a glyph (and the advance) is glyphCell x 0.4 units.
extern const float scrollGlyphSize;
// Where the glyphs lie: their lower edge, and z in front of the text's plane.
extern const float scrollGlyphBottom;
extern const float scrollGlyphDepth;
// The text's plane: this far in front of the eye, before the glyph depth.
extern const float scrollPlaneDistance;

// The left edge of the character at position i for clock t (in seconds): the
// text moves left by 0.2 units a second and starts at x = 0 at t = 3.
double scrollGlyphLeft(double t, int position);

// Whether a character with that left edge is emitted: strictly inside (-1.1, 1.1).
bool scrollGlyphOnLine(double left);

// A glyph quad: corners in emission order (lower left, upper left, upper right,
// lower right) with their texture coordinates.
struct GlyphQuad {
    float x[4], y[4], z;
    float u[4], v[4];
};

// The quad for character ch with its lower-left corner at (x, y, z).
GlyphQuad layOutGlyph(signed char ch, float x, float y, float z, float size);
