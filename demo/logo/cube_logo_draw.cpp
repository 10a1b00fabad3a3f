#include "demo/logo/cube_layout.h"
#include "demo/logo/cube_lights.h"
#include "demo/show_timeline.h"
#include "gfx/gl_entry_points.h"
#include "gfx/render_target.h"
#include "gfx/shader_program.h"

namespace {

enum { TEXTURE_SET_COUNT = 3 };  // home, scatter, cross: units 0, 1, 2

const CubeLogoBuffer TEXTURE_SET_BUFFERS[TEXTURE_SET_COUNT] = {HOME_BUFFER, SCATTER_BUFFER, CROSS_BUFFER};

void enableCubeArrays(const CubeLogo* logo) {
    glEnableClientState(GL_VERTEX_ARRAY);
    gl.glBindBufferARB(GL_ARRAY_BUFFER, logo->buffers[POSITION_BUFFER]);
    glVertexPointer(4, GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_NORMAL_ARRAY);
    gl.glBindBufferARB(GL_ARRAY_BUFFER, logo->buffers[NORMAL_BUFFER]);
    glNormalPointer(GL_FLOAT, 0, nullptr);
    glEnableClientState(GL_COLOR_ARRAY);
    gl.glBindBufferARB(GL_ARRAY_BUFFER, logo->buffers[COLOUR_BUFFER]);
    glColorPointer(4, GL_FLOAT, 0, nullptr);
    for (int unit = 0; unit < TEXTURE_SET_COUNT; ++unit) {
        gl.glClientActiveTextureARB(GL_TEXTURE0 + unit);
        glEnable(GL_TEXTURE_2D);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
        gl.glBindBufferARB(GL_ARRAY_BUFFER, logo->buffers[TEXTURE_SET_BUFFERS[unit]]);
        glTexCoordPointer(4, GL_FLOAT, 0, nullptr);
    }
    // The array-buffer binding stays on the last set's buffer.
}

// The whole logo's placement: glTranslatef(0, rise, -1.5), then
// glRotatef(turnAngle, 0, turnAxisY, 0). One turn about +y over the logo's
// time, rising all the while.
struct LogoPlacement {
    float rise;
    float turnAngle;  // degrees
    float turnAxisY;
};

const float LOGO_END_TIME = static_cast<float>(LOGO_END);
const float RISE_PER_SECOND = 0.03f;
const float TURN_DEGREES_PER_SECOND = 360.0f / LOGO_END_TIME;

LogoPlacement logoPlacementAt(float t) {
    LogoPlacement placement;
    // Past the end the rise stays where it got to, in single precision.
    placement.rise = t < LOGO_END_TIME ? RISE_PER_SECOND * t : RISE_PER_SECOND * LOGO_END_TIME;
    // The axis (0, end - t, 0) points up for every t before the end; at the end
    // the turn is exactly one revolution, which equals none.
    placement.turnAngle = t <= LOGO_END_TIME ? TURN_DEGREES_PER_SECOND * t : 0.0f;
    placement.turnAxisY = t <= LOGO_END_TIME ? LOGO_END_TIME - t : 0.0f;
    return placement;
}

void disableCubeArrays() {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    for (int unit = TEXTURE_SET_COUNT - 1; unit >= 0; --unit) {
        gl.glClientActiveTextureARB(GL_TEXTURE0 + unit);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
}

}  // namespace

void drawCubeLogo(CubeLogo* logo, double t) {
    float time = static_cast<float>(t);

    // With the identity loaded, the lights are placed in eye space.
    glPushMatrix();
    glLoadIdentity();
    for (const LightSetup& setup : logoLights) applyLightSetup(setup);
    glEnable(GL_COLOR_MATERIAL);
    enableCubeArrays(logo);

    LogoPlacement placement = logoPlacementAt(time);
    glTranslatef(0.0f, placement.rise, -1.5f);
    glRotatef(placement.turnAngle, 0.0f, placement.turnAxisY, 0.0f);

    glEnable(GL_DEPTH_TEST);
    // With colour material on, this is the material the fragment program's
    // light products are made of.
    glColor4f(1.0f, 0.1f, 0.2f, 1.0f);
    gl.glUseProgram(logo->logoProgram);
    setUniformFloat(logo->logoProgram, "time", time);

    // The strip's rows run towards +y: this turns the logo upright and leans
    // its top edge back, away from the viewer.
    glRotatef(135.0f, 1.0f, 0.0f, 0.0f);
    bindTexture(logo->environmentTarget, 1);
    setUniformInt(logo->logoProgram, "black", 0);

    // The only clear the scene target gets in a logo frame.
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    glPushMatrix();
    glTranslatef(0.0f, 0.16f, 0.0f);
    glDrawElements(GL_QUADS, logo->cubeCount * CUBE_VERTEX_COUNT, GL_UNSIGNED_INT, logo->indices);
    glPopMatrix();

    bindTexture(logo->environmentTarget, 0);
    gl.glUseProgram(0);
    disableCubeArrays();
    glPopMatrix();

    // GL_LIGHT0 stays on (lighting itself is off, so it is inert); the other
    // two lights go off with everything else the draw switched on.
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_LIGHTING);
    for (const LightSetup& setup : logoLights) {
        if (setup.light != GL_LIGHT0) glDisable(setup.light);
    }
    glDisable(GL_TEXTURE_2D);
}
