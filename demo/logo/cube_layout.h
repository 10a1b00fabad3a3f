// The cube logo's layout on the processor: which pixels become cubes, where
// they live and start, and the vertex arrays that carry it all to the GPU.
// No GL here, so all of it runs in the unit tests.
#pragma once

#include "demo/logo/logo.h"

enum {
    SHEET_SIZE = 256,          // the sheet is SHEET_SIZE x SHEET_SIZE RGBA pixels
    LOGO_STRIP_FIRST_ROW = 240,
    LOGO_STRIP_ROWS = 16,
    CUBE_VERTEX_COUNT = 24,    // 6 quads x 4 corners
    CUBE_SCRATCH_CAPACITY = 65536
};

// Scans the strip and fills cubeHalfSize, cubeCount, cubes, the six vertex
// arrays (scatter places and speeds drawn from the logo's generator) and the
// index array. Returns 1, or 0 when an allocation fails; whatever was
// allocated is then released again and cubeCount is 0.
int layOutCubes(CubeLogo* logo, const uint8_t* sheetPixels);

// Writes the 24 positions, normals and colours of one cube from vertexBase on.
// Returns vertexBase + 24.
int appendCubeGeometry(CubeLogo* logo, int vertexBase, int cubeNumber, const Vec4& colour);

// Frees the records and arrays that layOutCubes made and zeroes their fields
// (for repeated builds in the benchmark and the tests).
void releaseCubeLayout(CubeLogo* logo);
