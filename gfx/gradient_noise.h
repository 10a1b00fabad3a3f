// Two-dimensional gradient noise with a fractal sum, in single precision.
#pragma once

#include <cstdint>

enum { GRADIENT_TABLE_SIZE = 1024, GRADIENT_TABLE_ENTRIES = 2050 };

struct GradientNoise {
    int32_t octaves;
    float frequency;  // scale applied to the point before the first octave
    float amplitude;  // weight of the first octave
    uint32_t state;   // generator state for the table draws; the seed
    int32_t permutation[GRADIENT_TABLE_ENTRIES];  // 1024..2049 repeat 0..1025
    float gradients3[GRADIENT_TABLE_ENTRIES][3];
    float gradients2[GRADIENT_TABLE_ENTRIES][2];
    float gradients1[GRADIENT_TABLE_ENTRIES];
    uint8_t needsTables;
};

// Sets the four fields and marks the tables as still to be built.
void initGradientNoise(GradientNoise* noise, int32_t octaves, float frequency, float amplitude, uint32_t seed);

// Where a coordinate falls on the lattice: t x 1000 rounded to the nearest
// integer (ties to even) and divided by 1000 with truncation, so that points
// less than 0.0005 below a lattice line already belong to the next cell; the
// fraction is then t - cell, slightly negative there.
struct LatticeCoordinate {
    int32_t cell;
    float fraction;
};
LatticeCoordinate latticeCoordinate(float t);

// Noise at (x, y); builds the tables on first use. 0 on every lattice point.
float noise2(GradientNoise* noise, float x, float y);

// The fractal sum over the octaves at point[0], point[1]; the point is left
// scaled by frequency x 2^octaves.
float fractal2(GradientNoise* noise, float point[2]);
