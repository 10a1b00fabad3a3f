// The state calls OpenGL 1.1 keeps and WebGL 2 does not: the current colour
// and texture coordinate, lights and the material (which reach a program as
// uniforms, see programs.cpp), the capabilities WebGL refuses, and the
// layer's initial state.
#include "platform/web/gl11/gl11_state.h"
#include "platform/web/gl11/webgl_calls.h"

#include <cstring>

Gl11State gl11;

namespace {

void copy4(float* to, const float* from) { std::memcpy(to, from, 4 * sizeof(float)); }

void set4(float* to, float a, float b, float c, float d) {
    const float values[4] = {a, b, c, d};
    copy4(to, values);
}

// Light n, or null for a name that is no light.
Light* lightNamed(GLenum name) {
    const unsigned index = name - GL_LIGHT0;
    return index < FF_LIGHTS ? &gl11.lights[index] : nullptr;
}

// Capabilities of the fixed-function pipeline, kept here; everything else is
// WebGL's. Returns 1 when the capability was one of these.
int setFixedFunctionCapability(GLenum capability, bool on) {
    switch (capability) {
        case GL_TEXTURE_2D: gl11.texturing[gl11.activeTextureUnit] = on; return 1;
        case GL_COLOR_MATERIAL: gl11.colorMaterial = on; return 1;
        // What the programs read of the lights does not depend on these.
        case GL_LIGHTING:
        case GL_NORMALIZE: return 1;
        default: return lightNamed(capability) ? 1 : 0;
    }
}

}  // namespace

void resetGl11State() {
    gl11 = Gl11State();
    gl11.matrixMode = GL_MODELVIEW;
    gl11.modelview[0] = gl11.projection[0] = identityMatrix();
    set4(gl11.current[FF_COLOR], 1, 1, 1, 1);
    set4(gl11.current[FF_NORMAL], 0, 0, 1, 0);
    for (int unit = 0; unit < FF_TEXTURE_UNITS; ++unit) set4(gl11.current[FF_MULTI_TEX_COORD0 + unit], 0, 0, 0, 1);
    for (Light& light : gl11.lights) {
        set4(light.position, 0, 0, 1, 0);
        set4(light.ambient, 0, 0, 0, 1);
        set4(light.diffuse, 0, 0, 0, 1);
        set4(light.specular, 0, 0, 0, 1);
    }
    set4(gl11.lights[0].diffuse, 1, 1, 1, 1);
    set4(gl11.lights[0].specular, 1, 1, 1, 1);
    set4(gl11.material.ambient, 0.2f, 0.2f, 0.2f, 1);
    set4(gl11.material.diffuse, 0.8f, 0.8f, 0.8f, 1);
    set4(gl11.material.specular, 0, 0, 0, 1);
    set4(gl11.material.emission, 0, 0, 0, 1);
}

void setCurrentColor(float r, float g, float b, float a) {
    set4(gl11.current[FF_COLOR], r, g, b, a);
    if (gl11.colorMaterial) {
        copy4(gl11.material.ambient, gl11.current[FF_COLOR]);
        copy4(gl11.material.diffuse, gl11.current[FF_COLOR]);
    }
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) { setCurrentColor(r, g, b, 1.0f); }

void glColor4f(GLfloat r, GLfloat g, GLfloat b, GLfloat a) { setCurrentColor(r, g, b, a); }

void glTexCoord2f(GLfloat s, GLfloat t) { set4(gl11.current[FF_MULTI_TEX_COORD0], s, t, 0.0f, 1.0f); }

void glMultiTexCoord2fARB(GLenum unit, GLfloat s, GLfloat t) {
    const unsigned index = unit - GL_TEXTURE0;
    if (index < FF_TEXTURE_UNITS) set4(gl11.current[FF_MULTI_TEX_COORD0 + index], s, t, 0.0f, 1.0f);
}

void glMultiTexCoord4fvARB(GLenum unit, const GLfloat* values) {
    const unsigned index = unit - GL_TEXTURE0;
    if (index < FF_TEXTURE_UNITS) copy4(gl11.current[FF_MULTI_TEX_COORD0 + index], values);
}

void glEnable(GLenum capability) {
    if (!setFixedFunctionCapability(capability, true)) emscripten_glEnable(capability);
}

void glDisable(GLenum capability) {
    if (!setFixedFunctionCapability(capability, false)) emscripten_glDisable(capability);
}

// WebGL shades smoothly, the only model the demo asks for.
void glShadeModel(GLenum) {}

// The position goes through the model-view matrix of the moment, as in OpenGL;
// the colours are kept as they are. The spot and attenuation values and the
// light model are taken and dropped: the demo's programs read none of them.
void glLightfv(GLenum name, GLenum parameter, const GLfloat* values) {
    Light* light = lightNamed(name);
    if (!light) return;
    switch (parameter) {
        case GL_POSITION: transformPoint(gl11.modelview[gl11.modelviewTop], values, light->position); break;
        case GL_AMBIENT: copy4(light->ambient, values); break;
        case GL_DIFFUSE: copy4(light->diffuse, values); break;
        case GL_SPECULAR: copy4(light->specular, values); break;
        default: break;
    }
}

void glLightf(GLenum, GLenum, GLfloat) {}

void glLighti(GLenum, GLenum, GLint) {}

void glLightModelfv(GLenum, const GLfloat*) {}

void glLightModeli(GLenum, GLint) {}
