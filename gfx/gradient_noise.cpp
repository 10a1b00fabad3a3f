#include "gfx/gradient_noise.h"

#include "gfx/random.h"
#include "gfx/vec.h"

#include <cmath>

namespace {

// The noise is sampled at (x + 4096, y + 4096), which keeps the lattice
// coordinates of the demo's points positive.
constexpr float LATTICE_OFFSET = 4096.0f;
constexpr int32_t CELL_MASK = GRADIENT_TABLE_SIZE - 1;

// A gradient component from one draw: -1 to 1023/1024 in steps of 1/1024.
float gradientComponent(uint32_t* state) {
    return static_cast<float>(nextInt(state) % 2048 - 1024) / 1024.0f;
}

void buildTables(GradientNoise* noise) {
    uint32_t* state = &noise->state;
    // The order of the draws is part of the picture: one for the 1D gradient,
    // two for the 2D one, three for the 3D one, entry after entry.
    for (int32_t i = 0; i < GRADIENT_TABLE_SIZE; ++i) {
        noise->permutation[i] = i;
        noise->gradients1[i] = gradientComponent(state);
        for (int axis = 0; axis < 2; ++axis) noise->gradients2[i][axis] = gradientComponent(state);
        normalize2(noise->gradients2[i]);
        for (int axis = 0; axis < 3; ++axis) noise->gradients3[i][axis] = gradientComponent(state);
        normalize3(noise->gradients3[i]);
    }
    // j is drawn over the whole table each time, not just below k.
    for (int32_t k = GRADIENT_TABLE_SIZE - 1; k > 0; --k) {
        int32_t j = nextInt(state) % GRADIENT_TABLE_SIZE;
        int32_t swapped = noise->permutation[k];
        noise->permutation[k] = noise->permutation[j];
        noise->permutation[j] = swapped;
    }
    // The repeated tail lets noise2 index with sums up to 2046 without a mask.
    for (int32_t i = 0; i < GRADIENT_TABLE_ENTRIES - GRADIENT_TABLE_SIZE; ++i) {
        int32_t copy = GRADIENT_TABLE_SIZE + i;
        noise->permutation[copy] = noise->permutation[i];
        noise->gradients1[copy] = noise->gradients1[i];
        for (int axis = 0; axis < 2; ++axis) noise->gradients2[copy][axis] = noise->gradients2[i][axis];
        for (int axis = 0; axis < 3; ++axis) noise->gradients3[copy][axis] = noise->gradients3[i][axis];
    }
}

float smoothstep(float t) { return t * t * (3.0f - 2.0f * t); }

float lerp(float from, float to, float s) { return from + s * (to - from); }

float dot(const float* gradient, float x, float y) { return gradient[0] * x + gradient[1] * y; }

}  // namespace

void initGradientNoise(GradientNoise* noise, int32_t octaves, float frequency, float amplitude, uint32_t seed) {
    noise->octaves = octaves;
    noise->frequency = frequency;
    noise->amplitude = amplitude;
    noise->state = seed;
    noise->needsTables = 1;
}

LatticeCoordinate latticeCoordinate(float t) {
    // lrint rounds to nearest, ties to even (the default rounding mode).
    int32_t thousandths = static_cast<int32_t>(std::lrint(t * 1000.0f));
    int32_t cell = thousandths / 1000;
    return LatticeCoordinate{cell, t - static_cast<float>(cell)};
}

float noise2(GradientNoise* noise, float x, float y) {
    if (noise->needsTables) {
        noise->needsTables = 0;
        buildTables(noise);
    }
    LatticeCoordinate u = latticeCoordinate(x + LATTICE_OFFSET);
    LatticeCoordinate v = latticeCoordinate(y + LATTICE_OFFSET);
    int32_t bx0 = u.cell & CELL_MASK, bx1 = (bx0 + 1) & CELL_MASK;
    int32_t by0 = v.cell & CELL_MASK, by1 = (by0 + 1) & CELL_MASK;

    const int32_t* permutation = noise->permutation;
    int32_t p = permutation[bx0], q = permutation[bx1];
    const float* g00 = noise->gradients2[permutation[p + by0]];
    const float* g10 = noise->gradients2[permutation[q + by0]];
    const float* g01 = noise->gradients2[permutation[p + by1]];
    const float* g11 = noise->gradients2[permutation[q + by1]];

    float fx = u.fraction, fy = v.fraction;
    float sx = smoothstep(fx), sy = smoothstep(fy);
    float a = lerp(dot(g00, fx, fy), dot(g10, fx - 1.0f, fy), sx);
    float b = lerp(dot(g01, fx, fy - 1.0f), dot(g11, fx - 1.0f, fy - 1.0f), sx);
    return lerp(a, b, sy);
}

float fractal2(GradientNoise* noise, float point[2]) {
    point[0] *= noise->frequency;
    point[1] *= noise->frequency;
    float sum = 0.0f;
    float weight = noise->amplitude;
    for (int32_t octave = 0; octave < noise->octaves; ++octave) {
        sum += noise2(noise, point[0], point[1]) * weight;
        point[0] *= 2.0f;
        point[1] *= 2.0f;
        weight *= 0.5f;
    }
    return sum;
}
