#include "demo/logo/cube_lights.h"

// Three mostly green spots; the red material colour that the draw sets tints
// what they light.
const LightSetup logoLights[LOGO_LIGHT_COUNT] = {
    {GL_LIGHT0, {-1, -1, -1}, {5, 5, 0, 1}, {0.2f, 0.8f, 0, 1}, {0.2f, 0.8f, 0.2f, 1}, {0, 1, 0, 1}},
    {GL_LIGHT1, {0, -2, 0}, {0, 5, 0, 1}, {0, 0.5f, 0, 1}, {0, 0.8f, 0.2f, 1}, {0, 1, 0, 1}},
    {GL_LIGHT2, {2, 2, -10}, {0, -5, 0, 1}, {0.1f, 0.8f, 0, 1}, {0.1f, 1, 0, 1}, {0.2f, 1, 0, 1}},
};

void applyLightSetup(const LightSetup& setup) {
    static const GLfloat noAmbient[4] = {0, 0, 0, 0};

    glShadeModel(GL_SMOOTH);
    glEnable(GL_LIGHTING);
    glEnable(setup.light);
    glEnable(GL_NORMALIZE);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, noAmbient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);

    glLightfv(setup.light, GL_SPOT_DIRECTION, setup.spotDirection);
    glLighti(setup.light, GL_SPOT_EXPONENT, 30);
    glLighti(setup.light, GL_SPOT_CUTOFF, 180);
    glLightf(setup.light, GL_CONSTANT_ATTENUATION, 1.0f);
    glLightf(setup.light, GL_LINEAR_ATTENUATION, 0.0f);
    glLightf(setup.light, GL_QUADRATIC_ATTENUATION, 0.0f);
    glLightfv(setup.light, GL_POSITION, setup.position);
    glLightfv(setup.light, GL_AMBIENT, setup.ambient);
    glLightfv(setup.light, GL_DIFFUSE, setup.diffuse);
    glLightfv(setup.light, GL_SPECULAR, setup.specular);
}
