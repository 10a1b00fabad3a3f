// The logo of the show's first seconds (up to LOGO_END), assembled from
// thousands of small cubes.
//
// Every pixel of the sheet's bottom 16 rows that is not black becomes a cube
// (a grey one a column of five). Each cube flies from a random scatter place to
// its home in the logo; the vertex program works the flight out from the clock,
// so the processor builds the arrays once and then issues one draw per frame.
#pragma once

#include "gfx/random.h"
#include "gfx/vec.h"

#include <GL/gl.h>
#include <cstdint>

struct RenderTarget;

// One cube, in creation order (its place in that order is its cube number).
struct LogoCube {
    Vec3 home;         // centre in the assembled logo
    Vec3 scatter;      // centre when the flight starts
    Vec4 colour;       // the pixel's bytes / 256
    float startDelay;  // the vertex program starts the flight at half of it
    float heightClass; // 4 white, 3 R = 191, 2 other main cubes, 0 depth cubes
};

// The six vertex buffers, in the order they are named and filled.
enum CubeLogoBuffer {
    POSITION_BUFFER,  // corner offset from the centre; w = cube number
    NORMAL_BUFFER,
    COLOUR_BUFFER,
    HOME_BUFFER,      // texture set 0: home, startDelay
    SCATTER_BUFFER,   // texture set 1: scatter, heightClass
    CROSS_BUFFER,     // texture set 2: home x scatter, speed
    CUBE_LOGO_BUFFER_COUNT
};

struct CubeLogo {
    float cubeHalfSize;
    int32_t cubeCount;
    LogoCube** cubes;  // cubeCount records

    // cubeCount x 24 vertices each.
    Vec4* positions;
    Vec3* normals;
    Vec4* colours;
    Vec4* homes;
    Vec4* scatters;
    Vec4* crosses;
    uint32_t* indices;  // indices[i] = i; stays in client memory for the draw

    GLuint buffers[CUBE_LOGO_BUFFER_COUNT];
    GLuint logoProgram;   // "Logo"
    GLuint raysProgram;   // "Rays": built, never drawn with
    RenderTarget* environmentTarget;  // "512_1"
    Random generator;     // scatter places and speeds
};

// The sheet image (SHEET_IMAGE) as a texture: the scroll text's glyphs and the
// logo strip.
extern GLuint sheetTexture;

// Builds the cubes, their static vertex buffers, sheetTexture and the "Logo"
// and "Rays" programs into a fresh zero-filled logo. Returns the logo, or null
// when the sheet image is missing or not 256 x 256, or an allocation fails
// (start-up then fails). Needs the render targets.
CubeLogo* buildCubeLogo(CubeLogo* logo);

// The cube records and vertex arrays from the sheet's 8-bit RGBA pixels (256 x
// 256, top row first), uploaded into the six buffers. Returns 1, or 0 when an
// allocation fails (nothing is uploaded then).
int buildCubes(CubeLogo* logo, const uint8_t* sheetPixels);

// Draws the logo for clock t into the bound target (clearing it first).
void drawCubeLogo(CubeLogo* logo, double t);
