// The three spot lights the logo is lit by, placed in eye space. The logo's
// fragment program reads light sources 0, 1 and 2, so the set-ups use exactly
// those three.
#pragma once

#include <GL/gl.h>

struct LightSetup {
    GLenum light;
    GLfloat spotDirection[3];
    GLfloat position[4];
    GLfloat ambient[4];
    GLfloat diffuse[4];
    GLfloat specular[4];
};

enum { LOGO_LIGHT_COUNT = 3 };

extern const LightSetup logoLights[LOGO_LIGHT_COUNT];

// Switches lighting, the set-up's light and normalising on and sets the light
// model and every parameter of the light. The modelview matrix in force places
// the light.
void applyLightSetup(const LightSetup& setup);
