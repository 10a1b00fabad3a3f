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
    // Not expected at start-up; the pixels then stay as they are rather than crash.
    if (!layers) return;
    initNoiseLayers(layers);

    const float step = 1.0f / NOISE_TEXTURE_SIZE;
    for (int i = 0; i < NOISE_TEXTURE_SIZE; ++i) {
        for (int j = 0; j < NOISE_TEXTURE_SIZE; ++j) {
            float layer[NOISE_LAYER_COUNT] = {};
            for (int k = 1; k < NOISE_LAYER_COUNT; ++k) {
                // fractal2 scales the point it is given: each layer gets a fresh one.
                float point[2] = {static_cast<float>(i) * step, static_cast<float>(j) * step};
                layer[k] = fractal2(&layers[k], point);
            }
            uint8_t grey = greyLevel(layer, i);
            uint8_t* pixel = pixels + (static_cast<size_t>(i) * NOISE_TEXTURE_SIZE + j) * 4;
            pixel[0] = pixel[1] = pixel[2] = grey;
            pixel[3] = 255;
        }
    }
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
