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

// What noise2 works out from one coordinate alone: the two table indices of
// its cell, the fraction, the fraction minus 1 and the fade. Points on a grid
// share their rows' and columns' coordinates, so this is worth doing once each.
struct LatticeAxis {
    int32_t index0, index1;  // cell and cell + 1, wrapped to the table
    float fraction, fractionLessOne;
    float fade;  // the fraction's smoothstep
};
// t is the coordinate as noise2 is given it (without the lattice offset).
LatticeAxis latticeAxis(float t);

// Builds the tables now if they are still to be built.
void prepareGradientTables(GradientNoise* noise);

// Noise at (x, y); builds the tables on first use. 0 on every lattice point.
float noise2(GradientNoise* noise, float x, float y);

// noise2 from the coordinates' axes, bit for bit; the tables must be built.
float noise2OnAxes(const GradientNoise* noise, const LatticeAxis& x, const LatticeAxis& y);

// Many coordinates' axes, field by field (entry c of each array is one axis),
// in order along a row of points, with where each cell's run of them ends.
struct LatticeColumns {
    int32_t* cellEnd;  // one past the last entry in the same cell as entry c
    int32_t* index0;
    int32_t* index1;
    float* fraction;
    float* fractionLessOne;
    float* fade;
};
void setLatticeColumn(const LatticeColumns& columns, int32_t c, const LatticeAxis& axis);
LatticeAxis latticeColumn(const LatticeColumns& columns, int32_t c);
// Fills cellEnd once entries 0 to count - 1 are set; their cells must not
// decrease with c.
void findCellRuns(const LatticeColumns& columns, int32_t count);

// One octave of a fractal sum along a row of points (x, column j): adds
// noise2OnAxes times weight to sums[j], for j below count, bit for bit as
// point by point.
void addNoiseRow(const GradientNoise* noise, const LatticeAxis& x, const LatticeColumns& ys, int32_t count,
                 float weight, float* sums);
