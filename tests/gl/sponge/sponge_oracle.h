// The sponge picture worked out on the processor, in single precision, one
// pixel at a time: the reference the "Fract" program's output is held to.
#pragma once

struct SpongeInputs {
    float time;
    float width, height;  // the "resolution" uniform
    float twistX, twistY;
    int spongeIterations;
    float displace1;
};

struct Colour {
    float r, g, b;
};

// Which part of the scene decided the distance where the march stopped.
enum class SpongeSurface { NONE, SPONGE, INNER_CUBE, EATEN_HOLLOW };

struct PixelTrace {
    bool inBand;       // false: the program writes nothing here
    bool insideBound;  // the ray crosses the bounding sphere
    bool hit;          // the march reached the surface
    int steps;         // the march's step count
    SpongeSurface surface;
    bool facesLight;   // at a hit: the normal has the light in front
    float shadow;      // at a hit facing the light: 0 lit .. 1 full shadow
    Colour colour;     // clamped to 0..1
};

// The pixel at window position (x, y), its centre at (x + 0.5, y + 0.5).
PixelTrace traceSpongePixel(const SpongeInputs& in, int x, int y);
