// The effect programs built at start-up; "Fract" draws the sponge.
#pragma once

#include <GL/gl.h>

struct Random;

struct EffectPrograms {
    GLuint fractProgram;   // "Fract": the sponge
    GLuint plasmaProgram;  // "Plasma": built, never drawn with
    GLuint tunnelProgram;  // "Tunnel": built, never drawn with
    GLuint mixerProgram;   // "Mixer": built, never drawn with
    Random* random;        // created and cleared; nothing draws from it
    GLuint noiseTexture;   // the 512 x 512 grey noise texture
};

// The demo's record, created by startDemo.
extern EffectPrograms* effectPrograms;

// Fills the fresh record and returns it.
EffectPrograms* buildEffectPrograms(EffectPrograms* programs);
