#include "gfx/gradient_noise.h"

#include "gfx/random.h"
#include "gfx/vec.h"

#include <cmath>
#include <cstring>

// Four floats in one register where the processor has them; each lane rounds
// exactly as a single float does. Without vector registers (the 32-bit
// Windows build's x87) GCC notes that such values pass between functions
// differently; these functions are this file's own, so that is no concern.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

namespace {

typedef float FloatLanes __attribute__((vector_size(16)));
const int32_t LANES = 4;

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

// Also on four lanes at once, with a fade of either kind.
template <typename Value, typename Fade>
Value lerp(Value from, Value to, Fade s) {
    return from + s * (to - from);
}


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

LatticeAxis latticeAxis(float t) {
    const LatticeCoordinate lattice = latticeCoordinate(t + LATTICE_OFFSET);
    LatticeAxis axis;
    axis.index0 = lattice.cell & CELL_MASK;
    axis.index1 = (axis.index0 + 1) & CELL_MASK;
    axis.fraction = lattice.fraction;
    axis.fractionLessOne = lattice.fraction - 1.0f;
    axis.fade = smoothstep(lattice.fraction);
    return axis;
}

void prepareGradientTables(GradientNoise* noise) {
    if (noise->needsTables) {
        noise->needsTables = 0;
        buildTables(noise);
    }
}

float noise2(GradientNoise* noise, float x, float y) {
    prepareGradientTables(noise);
    return noise2OnAxes(noise, latticeAxis(x), latticeAxis(y));
}

namespace {

// The four corner gradients of a cell as the points of one x use them: each
// gradient's x times the point's x offset from that corner (which they all
// share), and the gradient's y, to be multiplied by the y offset.
struct CellCorners {
    float x00, x10, x01, x11;
    float y00, y10, y01, y11;
};

// p and q are the permutation entries of the x cell's two sides.
inline CellCorners cellCorners(const GradientNoise* noise, int32_t p, int32_t q, const LatticeAxis& x, int32_t y0,
                               int32_t y1) {
    const int32_t* permutation = noise->permutation;
    const float* g00 = noise->gradients2[permutation[p + y0]];
    const float* g10 = noise->gradients2[permutation[q + y0]];
    const float* g01 = noise->gradients2[permutation[p + y1]];
    const float* g11 = noise->gradients2[permutation[q + y1]];
    return CellCorners{g00[0] * x.fraction, g10[0] * x.fractionLessOne, g01[0] * x.fraction, g11[0] * x.fractionLessOne,
                       g00[1], g10[1], g01[1], g11[1]};
}

// Each dot product is the x term plus the y term, summed in that order. Y is
// a float or FloatLanes: one point or four of one row.
template <typename Y>
Y noiseInCell(const CellCorners& c, float xFade, Y fraction, Y fractionLessOne, Y fade) {
    Y a = lerp(c.x00 + c.y00 * fraction, c.x10 + c.y10 * fraction, xFade);
    Y b = lerp(c.x01 + c.y01 * fractionLessOne, c.x11 + c.y11 * fractionLessOne, xFade);
    return lerp(a, b, fade);
}

FloatLanes loadLanes(const float* values) {
    FloatLanes lanes;
    std::memcpy(&lanes, values, sizeof lanes);
    return lanes;
}

}  // namespace

float noise2OnAxes(const GradientNoise* noise, const LatticeAxis& x, const LatticeAxis& y) {
    const int32_t p = noise->permutation[x.index0], q = noise->permutation[x.index1];
    return noiseInCell(cellCorners(noise, p, q, x, y.index0, y.index1), x.fade, y.fraction, y.fractionLessOne, y.fade);
}

void setLatticeColumn(const LatticeColumns& columns, int32_t c, const LatticeAxis& axis) {
    columns.index0[c] = axis.index0;
    columns.index1[c] = axis.index1;
    columns.fraction[c] = axis.fraction;
    columns.fractionLessOne[c] = axis.fractionLessOne;
    columns.fade[c] = axis.fade;
}

LatticeAxis latticeColumn(const LatticeColumns& columns, int32_t c) {
    return LatticeAxis{columns.index0[c], columns.index1[c], columns.fraction[c], columns.fractionLessOne[c],
                       columns.fade[c]};
}

void findCellRuns(const LatticeColumns& columns, int32_t count) {
    for (int32_t c = count - 1; c >= 0; --c) {
        const bool last = c == count - 1 || columns.index0[c + 1] != columns.index0[c];
        columns.cellEnd[c] = last ? c + 1 : columns.cellEnd[c + 1];
    }
}

void addNoiseRow(const GradientNoise* noise, const LatticeAxis& x, const LatticeColumns& ys, int32_t count,
                 float weight, float* sums) {
    const int32_t p = noise->permutation[x.index0], q = noise->permutation[x.index1];
    // Neighbouring points mostly share a cell: its corners are looked up once,
    // and the run of points in it taken four at a time.
    for (int32_t j = 0, end = 0; j < count; j = end) {
        const CellCorners corners = cellCorners(noise, p, q, x, ys.index0[j], ys.index1[j]);
        end = ys.cellEnd[j];
        for (; j + LANES <= end; j += LANES) {
            FloatLanes n = noiseInCell(corners, x.fade, loadLanes(ys.fraction + j), loadLanes(ys.fractionLessOne + j),
                                       loadLanes(ys.fade + j));
            FloatLanes sum = loadLanes(sums + j) + n * weight;
            std::memcpy(sums + j, &sum, sizeof sum);
        }
        for (; j < end; ++j) {
            sums[j] += noiseInCell(corners, x.fade, ys.fraction[j], ys.fractionLessOne[j], ys.fade[j]) * weight;
        }
    }
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
