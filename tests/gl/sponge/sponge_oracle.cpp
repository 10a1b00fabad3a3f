#include "tests/gl/sponge/sponge_oracle.h"

#include <algorithm>
#include <cmath>

namespace {

struct V3 {
    float x, y, z;
};

V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
float dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
float length(V3 a) { return std::sqrt(dot(a, a)); }
V3 normalize(V3 a) { return a * (1.0f / length(a)); }
float mix(float a, float b, float f) { return a + (b - a) * f; }
V3 mix(V3 a, V3 b, float f) { return {mix(a.x, b.x, f), mix(a.y, b.y, f), mix(a.z, b.z, f)}; }
float clamp01(float v) { return std::min(std::max(v, 0.0f), 1.0f); }
float glslMod(float x, float y) { return x - y * std::floor(x / y); }
float radians(float degrees) { return degrees * 3.14159265f / 180.0f; }

const V3 EYE = {0.0001f, 0.3001f, -5.1999f};
const V3 LIGHT = {-125.0f, -125.0f, -125.0f};

// What the sponge distance leaves behind for the colouring.
struct Shading {
    float minDist;
    float orbitTrap;
};

V3 toObject(const SpongeInputs& in, V3 p) {
    const float ax = radians(46.8f * in.time);
    const float ay = radians(36.0f * in.time);
    // Rx first, then Ry, both right-handed.
    V3 r = {p.x, std::cos(ax) * p.y - std::sin(ax) * p.z, std::sin(ax) * p.y + std::cos(ax) * p.z};
    return {std::cos(ay) * r.x + std::sin(ay) * r.z, r.y, -std::sin(ay) * r.x + std::cos(ay) * r.z};
}

V3 twisted(V3 p, float a, float b) {
    const float beta = a * (std::cos(b * p.y) * p.x + std::sin(b * p.y) * p.z);
    return {std::cos(beta) * p.y + std::sin(beta) * p.z, std::cos(beta) * p.z - std::sin(beta) * p.y, p.x};
}

float sponge(const SpongeInputs& in, V3 p, Shading* shading) {
    const V3 w = p * 0.5f + V3{0.5f, 0.5f, 0.5f};
    V3 v = {std::fabs(w.x - 0.5f) - 0.5f, std::fabs(w.y - 0.5f) - 0.5f, std::fabs(w.z - 0.5f) - 0.5f};
    float m = 1.0f;
    float r = std::max({v.x, v.y, v.z});
    shading->minDist = std::min(shading->minDist, r);
    for (int level = 1; level <= std::min(in.spongeIterations, 5); ++level) {
        m *= 3.0f;
        v = {0.5f - std::fabs(glslMod(w.x * m, 3.0f) - 1.5f), 0.5f - std::fabs(glslMod(w.y * m, 3.0f) - 1.5f),
             0.5f - std::fabs(glslMod(w.z * m, 3.0f) - 1.5f)};
        const float cross = std::min(std::max(v.x, v.z), std::min(std::max(v.x, v.y), std::max(v.y, v.z)));
        r = std::max(r, cross / m);
        shading->minDist = std::min(shading->minDist, r);
        if (level == 1) shading->orbitTrap = dot(v, v);
    }
    return 2.0f * r;
}

float cube(V3 p, float s) {
    return std::max({std::max(std::fabs(p.x) - s, 0.0f), std::max(std::fabs(p.y) - s, 0.0f),
                     std::max(std::fabs(p.z) - s, 0.0f)});
}

float scene(const SpongeInputs& in, V3 p, Shading* shading, SpongeSurface* surface = nullptr) {
    const V3 q = toObject(in, p);
    const V3 qa = twisted(q, -in.twistX, -in.twistY);
    const V3 qb = twisted(q, in.twistX, in.twistY);
    const float spongeDistance = sponge(in, qa, shading);
    const float cubeDistance = cube(qb, 0.8f - 0.003f * in.time);
    const float hollow = -(length(qa - V3{-1.1f, 1.1f, 1.1f}) - 0.016f * in.time);
    const float v = std::max(hollow, std::min(spongeDistance, cubeDistance));
    if (surface) {
        *surface = hollow > std::min(spongeDistance, cubeDistance) ? SpongeSurface::EATEN_HOLLOW
                   : cubeDistance < spongeDistance                  ? SpongeSurface::INNER_CUBE
                                                                    : SpongeSurface::SPONGE;
    }
    const float d = in.displace1;
    return v + std::sin(d * qa.x) * std::sin(d * qa.y) * std::sin(d * qa.z);
}

float fract(float v) { return v - std::floor(v); }

Colour background(const SpongeInputs& in, V3 d, float fx, float fy) {
    float gx = -1.0f + 2.0f * fx / in.width;
    const float gy = -1.0f + 2.0f * fy / in.height;
    gx *= in.width / in.height;
    const float u = 1.5f * std::sqrt(gx * gx + gy * gy);
    float grey = 0.0f;  // the swirl's limit at the centre
    if (u > 0.0f) {
        const float a = std::atan2(gy, gx) + 1.9f * in.time;
        const float tau = in.time - 10.0f / u;
        grey = std::fabs(std::sin(tau + a)) * u * 0.15f +
               std::fabs(std::sin(-tau * 1113.14159265f * a * 3.14159265f)) * u * 0.55f;
    }
    const float sunAngle = std::acos(dot(d, normalize(LIGHT)));
    const float sun = 1.0f - clamp01(sunAngle / 0.3f);
    return {grey * 0.48f + sun, grey * 0.36f * std::sin(0.22f * in.time) + 0.9f * sun,
            0.11f * std::cos(0.22f * in.time) + 0.2f * sun};
}

}  // namespace

PixelTrace traceSpongePixel(const SpongeInputs& in, int x, int y) {
    PixelTrace trace = {};
    const float fx = x + 0.5f;
    const float fy = y + 0.5f;
    const float px = (fx / in.width - 0.5f) * in.width / in.height;
    const float py = fy / in.height - 0.5f;
    trace.inBand = py >= -0.37f && py <= 0.25f;
    if (!trace.inBand) return trace;
    const V3 d = normalize({px, py, 1.0f});

    const float b = dot(EYE, d);
    const float cc = dot(EYE, EYE) - 5.0f;
    const float disc = b * b - cc;
    trace.insideBound = disc > 0.0f;
    Colour colour;
    if (!trace.insideBound) {
        colour = background(in, d, fx, fy);
    } else {
        const float tmin = std::max(0.0f, -b - std::sqrt(disc));
        const float tmax = -b + std::sqrt(disc);
        Shading shading = {10000.0f, 0.0f};
        float epsilon = 6e-7f;
        const float f = 0.3f / std::min(in.width, in.height);
        float len = tmin + 0.5f * fract(std::sin(12.9898f * d.x + 78.233f * d.y) * 43758.5453f);
        V3 h = EYE;
        for (int n = 0; n < 255; ++n) {
            trace.steps = n;
            h = EYE + d * len;
            const float delta = 0.5f * scene(in, h, &shading, &trace.surface);
            len += delta;
            if (len > tmax || len < tmin) break;
            if (delta < epsilon) {
                trace.hit = true;
                break;
            }
            epsilon = len * f;
        }
        if (!trace.hit) {
            trace.surface = SpongeSurface::NONE;
            colour = background(in, d, fx, fy);
        } else {
            const float e = epsilon;
            const V3 c = h - d * e;
            const V3 ex = {e, 0, 0}, ey = {0, e, 0}, ez = {0, 0, e};
            const float nx = scene(in, c + ex, &shading) - scene(in, c - ex, &shading);
            const float ny = scene(in, c + ey, &shading) - scene(in, c - ey, &shading);
            const float nz = scene(in, c + ez, &shading) - scene(in, c - ez, &shading);
            const V3 normal = normalize({nx, ny, nz});
            const V3 h2 = h - d * (2.0f * e);

            V3 base = mix(V3{1.0f, 0.6f, 0.7f},
                          mix(V3{0.8f, 0.6f, 0.1f}, V3{0.4f, 0.3f, 0.2f}, 0.5f * shading.minDist),
                          0.5f * shading.orbitTrap);
            base = base + V3{0.25f, 0.25f, 0.0f};
            const V3 l = normalize(LIGHT - h2);
            const float lightDistance = length(LIGHT - h2);
            const float k = dot(normal, l);
            float sigma = 1.0f;
            trace.facesLight = k > 0.0f;
            if (trace.facesLight) {
                float soft = 1.0f;
                float along = 2.0f * e;
                bool blocked = false;
                for (int i = 0; i < 255 && along < lightDistance; ++i) {
                    const float delta = scene(in, h2 + l * along, &shading);
                    if (delta < e) {
                        blocked = true;
                        break;
                    }
                    soft = std::min(soft, 10.0f * delta / along);
                    along += delta;
                }
                sigma = blocked ? 1.0f : 1.0f - soft;
                const float highlight = k * k * k * k * 1.5f * (1.0f - sigma);
                base = base + V3{highlight, highlight, highlight};
            }
            trace.shadow = sigma;
            if (sigma != 0.0f) base = mix(base, V3{0, 0, 0}, 0.5f * sigma);
            base = mix(base, V3{0, 0, 0}, clamp01(3.0f * trace.steps / 255.0f));
            colour = {base.x, base.y, base.z};
        }
    }
    trace.colour = {clamp01(colour.r), clamp01(colour.g), clamp01(colour.b)};
    return trace;
}
