#include "tests/gl/frame/fx_pass_model.h"

#include <cmath>

namespace {

struct V2 {
    float x, y;
};

struct V3 {
    float r, g, b;
};

int mirror(int i, int size) {
    int period = 2 * size;
    i = ((i % period) + period) % period;
    return i < size ? i : period - 1 - i;
}

V3 sample(const FxInputs& in, V2 c) {
    V3 colour;
    sampleMirrored(*in.scene, c.x, c.y, &colour.r);
    return colour;
}

// Step 5: outside -1..0 the lens sees no screen.
V3 scene(const FxInputs& in, V2 c) {
    if (c.x < -1.0f || c.x > 0.0f || c.y < -1.0f || c.y > 0.0f) return V3{0.0f, 0.0f, 0.0f};
    return sample(in, c);
}

// Step 2.
V2 zoom(V2 p, float strength, float k) {
    float z = 1.5f - strength * (std::cos(k * p.x) + std::cos(k * p.y));
    return V2{p.x * z - 0.5f, p.y * z - 0.5f};
}

// Step 4.
float rnd(float x, float y) {
    float v = std::sin(12.9898f * x + 78.233f * y) * 43758.5453f;
    return v - std::floor(v);
}

}  // namespace

void sampleMirrored(const Picture& picture, float u, float v, float rgb[3]) {
    float x = u * picture.width - 0.5f;
    float y = v * picture.height - 0.5f;
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    float fx = x - x0, fy = y - y0;
    int xs[2] = {mirror(x0, picture.width), mirror(x0 + 1, picture.width)};
    int ys[2] = {mirror(y0, picture.height), mirror(y0 + 1, picture.height)};
    for (int channel = 0; channel < 3; ++channel) {
        float a = picture.at(xs[0], ys[0])[channel], b = picture.at(xs[1], ys[0])[channel];
        float c = picture.at(xs[0], ys[1])[channel], d = picture.at(xs[1], ys[1])[channel];
        float bottom = a + (b - a) * fx, top = c + (d - c) * fx;
        rgb[channel] = (bottom + (top - bottom) * fy) / 255.0f;
    }
}

void evaluateFx(const FxInputs& in, float s, float r, float rgb[3]) {
    const float k = in.deform;
    const float w = static_cast<float>(in.screenW), h = static_cast<float>(in.screenH);

    // 1, 2
    V2 p{1.0f - 2.0f * s, 1.0f - 2.0f * r + 0.1f};
    V2 z0 = zoom(p, in.distort1, k), z1 = zoom(p, in.distort2, k), z2 = zoom(p, in.distort3, k);
    // 3
    float g = 32.0f * (2.0f - std::cos(k / 2.0f + k * z0.x) - std::cos(k / 2.0f + k * z0.y));
    // 4
    float na = rnd(p.x + in.time, p.y - in.time), nb = rnd(p.x - in.time, p.y + in.time);
    float dd = 2.0f * na / w;
    // 6
    float v = in.value2 * g;
    V3 a = scene(in, z0), b = scene(in, z1), c = scene(in, z2);
    float fringeRed = scene(in, V2{z0.x - dd - v, z0.y - dd}).r;
    float fringeBlue = scene(in, V2{z0.x - dd + v, z0.y - dd}).b;
    float colour[3] = {a.r + b.r * b.r + 0.1f * c.r + 0.15f * fringeRed,
                       a.g + b.g * b.g + 0.1f * c.g + 0.15f * a.g,
                       a.b + b.b * b.b + 0.1f * c.b + 0.15f * fringeBlue};
    // 7 to 10
    float scan = 0.75f + 0.25f * std::sin(10.2f * z0.x * w);
    float rows = 0.90f + 0.10f * std::cos(10.2f * z0.y * h) * std::sin(0.5f + 10.2f * z0.x * w);
    float vignette = s * (6.0f - 6.0f * s) * r * (6.0f - 6.0f * r);
    float flicker = 0.975f + 0.025f * std::sin(77.7f * in.time * std::cos(191.1f * in.time));
    for (int i = 0; i < 3; ++i) {
        float value = colour[i] + in.value1 - 0.125f * (na - nb);
        rgb[i] = value * scan * rows * vignette * flicker;
    }
}
