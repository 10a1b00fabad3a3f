// The grey noise texture: five of six layers of fractal gradient noise,
// summed and darkened slightly from the first row to the last.
#include "gfx/gradient_noise.h"
#include "gfx/heap.h"
#include "gfx/random.h"
#include "gfx/textures.h"

#include <GL/glext.h>
#include <cmath>

namespace {

// A layer's frequency is its constant divided by the unit draw, or times it.
struct NoiseLayerRecipe {
    float frequencyConstant;
    bool dividesByDraw;
    float amplitude;
    uint32_t seedOffset;
};

constexpr NoiseLayerRecipe LAYER_RECIPES[NOISE_LAYER_COUNT] = {
    {1.5f, true, 1.0f, 94},  {2.5f, false, 1.0f, 10}, {3.0f, true, 2.0f, 33},
    {5.0f, false, 2.0f, 11}, {6.0f, true, 2.0f, 62},  {7.0f, false, 2.0f, 23},
};

// The byte of one pixel from the layer values (index 0 is the unused layer).
uint8_t greyLevel(const float* layer, int row) {
    // 2.0 for row 0 up to 2.511 for row 511: rounded once, from 0.001 as a float.
    float divisor = static_cast<float>(row * static_cast<double>(0.001f) + 2.0);
    float l2 = std::fabs(layer[1]), l3 = std::fabs(layer[2]);
    float l4 = std::fabs(layer[3]), l5 = std::fabs(layer[4]), l6 = std::fabs(layer[5]);
    float v = (((l3 + l2) * 0.5f + l2) * 0.5f + 0.33f * l4 + 0.33f * l5 + 0.33f * l6) / divisor;
    if (v > 1.0f) v = 1.0f;
    return static_cast<uint8_t>(std::lrint(v * 255.0f));  // ties to even
}

// The axes of layer k, octave o, are block k x NOISE_OCTAVES + o; their
// entry c is coordinate c (a row or a column) as fractal2 reaches it in that
// octave: c / 512, times the layer's frequency, doubled o times, each step
// rounded as there. The same numbers serve the rows and the columns.
enum { AXIS_BLOCKS = NOISE_LAYER_COUNT * NOISE_OCTAVES, AXIS_FIELDS = 6 };

LatticeColumns axisBlock(void* axes, int k, int o) {
    const size_t field = static_cast<size_t>(AXIS_BLOCKS) * NOISE_TEXTURE_SIZE;
    const size_t first = static_cast<size_t>(k * NOISE_OCTAVES + o) * NOISE_TEXTURE_SIZE;
    int32_t* indices = static_cast<int32_t*>(axes);
    float* fractions = static_cast<float*>(axes) + 3 * field;
    return LatticeColumns{indices + first, indices + field + first, indices + 2 * field + first, fractions + first,
                          fractions + field + first, fractions + 2 * field + first};
}

void fillNoiseAxes(GradientNoise* layers, void* axes) {
    const float step = 1.0f / NOISE_TEXTURE_SIZE;
    for (int k = 1; k < NOISE_LAYER_COUNT; ++k) {
        prepareGradientTables(&layers[k]);
        for (int c = 0; c < NOISE_TEXTURE_SIZE; ++c) {
            float t = static_cast<float>(c) * step * layers[k].frequency;
            for (int o = 0; o < NOISE_OCTAVES; ++o) {
                setLatticeColumn(axisBlock(axes, k, o), c, latticeAxis(t));
                t *= 2.0f;
            }
        }
        for (int o = 0; o < NOISE_OCTAVES; ++o) findCellRuns(axisBlock(axes, k, o), NOISE_TEXTURE_SIZE);
    }
}

// fractal2 of layers 1 to 5 at every point of row i, into sums (layer k's at
// k x NOISE_TEXTURE_SIZE + j): the same octaves, weights and sums, in the same
// order for each point, taken a row at a time.
void sumNoiseLayersOfRow(const GradientNoise* layers, void* axes, int i, float* sums) {
    for (int k = 1; k < NOISE_LAYER_COUNT; ++k) {
        float* layerSums = sums + k * NOISE_TEXTURE_SIZE;
        for (int j = 0; j < NOISE_TEXTURE_SIZE; ++j) layerSums[j] = 0.0f;
        float weight = layers[k].amplitude;
        for (int o = 0; o < layers[k].octaves; ++o) {
            const LatticeColumns columns = axisBlock(axes, k, o);
            addNoiseRow(&layers[k], latticeColumn(columns, i), columns, NOISE_TEXTURE_SIZE, weight, layerSums);
            weight *= 0.5f;
        }
    }
}

}  // namespace

void initNoiseLayers(GradientNoise* layers) {
    Random random;
    seed(&random, 0);
    for (int k = 0; k < NOISE_LAYER_COUNT; ++k) {
        const NoiseLayerRecipe& recipe = LAYER_RECIPES[k];
        int32_t draw = nextInRange(&random, 1, 50);
        float unit = nextUnit(&random);
        float frequency = recipe.dividesByDraw ? recipe.frequencyConstant / unit : unit * recipe.frequencyConstant;
        initGradientNoise(&layers[k], NOISE_OCTAVES, frequency, recipe.amplitude,
                          static_cast<uint32_t>(draw) + recipe.seedOffset);
    }
}

void computeNoisePixels(uint8_t* pixels) {
    GradientNoise* layers = static_cast<GradientNoise*>(allocArray(NOISE_LAYER_COUNT, sizeof(GradientNoise)));
    // A row's and a column's coordinates are the same numbers: one axis table
    // per layer and octave serves both. Then the layer sums of one row.
    void* axes = allocArray(static_cast<size_t>(AXIS_BLOCKS) * AXIS_FIELDS * NOISE_TEXTURE_SIZE, 4);
    float* sums = static_cast<float*>(allocArray(NOISE_LAYER_COUNT * NOISE_TEXTURE_SIZE, sizeof(float)));
    // Not expected at start-up; the pixels then stay as they are rather than crash.
    if (layers && axes && sums) {
        initNoiseLayers(layers);
        fillNoiseAxes(layers, axes);
        for (int i = 0; i < NOISE_TEXTURE_SIZE; ++i) {
            sumNoiseLayersOfRow(layers, axes, i, sums);
            for (int j = 0; j < NOISE_TEXTURE_SIZE; ++j) {
                float layer[NOISE_LAYER_COUNT];
                for (int k = 0; k < NOISE_LAYER_COUNT; ++k) layer[k] = sums[k * NOISE_TEXTURE_SIZE + j];
                uint8_t grey = greyLevel(layer, i);
                uint8_t* pixel = pixels + (static_cast<size_t>(i) * NOISE_TEXTURE_SIZE + j) * 4;
                pixel[0] = pixel[1] = pixel[2] = grey;
                pixel[3] = 255;
            }
        }
    }
    freeBlock(sums);
    freeBlock(axes);
    freeBlock(layers);
}

GLuint buildNoiseTexture() {
    uint8_t* pixels = static_cast<uint8_t*>(allocArray(NOISE_TEXTURE_SIZE * NOISE_TEXTURE_SIZE, 4));
    if (pixels) computeNoisePixels(pixels);

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // A null block leaves the texture's contents undefined, which beats a crash.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, NOISE_TEXTURE_SIZE, NOISE_TEXTURE_SIZE, 0, GL_BGRA, GL_UNSIGNED_BYTE,
                 pixels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    freeBlock(pixels);
    return texture;
}
