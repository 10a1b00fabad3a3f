// The logo of the first ten seconds, assembled from thousands of small cubes.
#pragma once

#include <GL/gl.h>

// The logo's cubes, vertex arrays, buffers and programs (filled in with the logo).
struct CubeLogo {
    int cubeCount;
};

// The sheet image PNG 162 as a texture: the scroll text's glyphs and the logo strip.
extern GLuint sheetTexture;

// Builds the cubes, their static vertex buffers, sheetTexture and the "Logo"
// and "Rays" programs into a fresh zero-filled logo. Returns the logo, or null
// when PNG 162 is missing or an allocation fails (start-up then fails).
CubeLogo* buildCubeLogo(CubeLogo* logo);

// Draws the logo for clock t into the bound target (clearing it first).
void drawCubeLogo(CubeLogo* logo, double t);
