// The old-screen fragment program evaluated on the processor, step by step,
// in single precision: the oracle for the "Fx" pass.
#pragma once

#include "tests/gl/frame/frame_fixture.h"

struct FxInputs {
    int screenW, screenH;
    float time;
    float value1;  // flash
    float value2;  // fringe spread
    float deform;
    float distort1, distort2, distort3;
    const Picture* scene;  // sampled linearly with mirrored repeat; row 0 is t = 0
};

// The colour at texture coordinate (s, r) of the quad, before the framebuffer
// clamps it.
void evaluateFx(const FxInputs& in, float s, float r, float rgb[3]);

// Colour of the scene at (u, v) as a linear filter with mirrored repeat reads it.
void sampleMirrored(const Picture& picture, float u, float v, float rgb[3]);
