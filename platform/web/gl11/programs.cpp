// Shader programs on WebGL 2. The demo's programs come converted to GLSL ES
// 3.00 (tools/shader_converter), reading the fixed-function state under the
// names of fixed_function_names.h: their attributes are bound to the layer's
// locations before the link, and the uniforms are set before each draw. A
// program with a fragment shader only gets the fixed-function vertex stage,
// and drawing with no program draws with the fixed-function program (both
// made from platform/web/fixed_function.vert and .frag, converted alike).
#include "platform/platform.h"
#include "platform/web/gl11/fixed_function_sources.h"
#include "platform/web/gl11/gl11_entry_points.h"
#include "platform/web/gl11/gl11_state.h"
#include "platform/web/gl11/webgl_calls.h"

#include <cstring>

namespace {

// The demo builds seven programs; a few more leaves room.
enum { PROGRAM_CAPACITY = 16 };

struct ProgramUniforms {
    GLuint program;
    GLint locations[FF_UNIFORM_COUNT];
};

struct Programs {
    ProgramUniforms known[PROGRAM_CAPACITY];
    int count;
    GLuint fixedFunctionVertexShader;
    GLuint fixedFunctionProgram;
    GLint texturingLocation;  // of the fixed-function program
    GLint samplerLocation;
    GLuint inUse;  // what WebGL draws with now
};

Programs programs;

GLuint compile(GLenum stage, const char* source) {
    GLuint shader = emscripten_glCreateShader(stage);
    emscripten_glShaderSource(shader, 1, &source, nullptr);
    emscripten_glCompileShader(shader);
    return shader;
}

GLuint fixedFunctionVertexShader() {
    if (!programs.fixedFunctionVertexShader)
        programs.fixedFunctionVertexShader = compile(GL_VERTEX_SHADER, FIXED_FUNCTION_VERTEX_SOURCE);
    return programs.fixedFunctionVertexShader;
}

bool hasVertexShader(GLuint program) {
    GLuint shaders[8];
    GLsizei count = 0;
    emscripten_glGetAttachedShaders(program, 8, &count, shaders);
    for (GLsizei i = 0; i < count; ++i) {
        GLint stage = 0;
        emscripten_glGetShaderiv(shaders[i], GL_SHADER_TYPE, &stage);
        if (stage == GL_VERTEX_SHADER) return true;
    }
    return false;
}

ProgramUniforms* uniformsOf(GLuint program) {
    for (int i = 0; i < programs.count; ++i) {
        if (programs.known[i].program == program) return &programs.known[i];
    }
    if (programs.count == PROGRAM_CAPACITY) return nullptr;
    ProgramUniforms* entry = &programs.known[programs.count++];
    entry->program = program;
    return entry;
}

void linkWithLayerAttributes(GLuint program) {
    if (!hasVertexShader(program)) emscripten_glAttachShader(program, fixedFunctionVertexShader());
    for (int i = 0; i < FF_ATTRIBUTE_COUNT; ++i) emscripten_glBindAttribLocation(program, i, FF_ATTRIBUTE_NAMES[i]);
    emscripten_glLinkProgram(program);
    ProgramUniforms* entry = uniformsOf(program);
    if (!entry) return;
    for (int u = 0; u < FF_UNIFORM_COUNT; ++u)
        entry->locations[u] = emscripten_glGetUniformLocation(program, FF_UNIFORM_NAMES[u]);
}

GLuint fixedFunctionProgram() {
    if (programs.fixedFunctionProgram) return programs.fixedFunctionProgram;
    const GLuint program = emscripten_glCreateProgram();
    emscripten_glAttachShader(program, fixedFunctionVertexShader());
    emscripten_glAttachShader(program, compile(GL_FRAGMENT_SHADER, FIXED_FUNCTION_FRAGMENT_SOURCE));
    linkWithLayerAttributes(program);
    GLint linked = 0;
    emscripten_glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (!linked) {
        // As the demo's own programs report theirs (gfx/shader_program.cpp).
        char log[1024] = {};
        emscripten_glGetProgramInfoLog(program, sizeof log, nullptr, log);
        platformShowErrorBox(log);
    }
    programs.texturingLocation = emscripten_glGetUniformLocation(program, "texturing");
    programs.samplerLocation = emscripten_glGetUniformLocation(program, "unit0");
    programs.fixedFunctionProgram = program;
    return program;
}

void use(GLuint program) {
    if (programs.inUse == program) return;
    emscripten_glUseProgram(program);
    programs.inUse = program;
}

void setVector(GLint location, const float* value) {
    if (location != -1) emscripten_glUniform4fv(location, 1, value);
}

// Each light's values as one array uniform, product i the light's colour times
// the material's, with the material's alpha (as OpenGL's drivers hand
// gl_FrontLightProduct to a program).
void setLights(const GLint* locations) {
    float position[FF_LIGHTS][4], ambient[FF_LIGHTS][4], diffuse[FF_LIGHTS][4], specular[FF_LIGHTS][4];
    float productAmbient[FF_LIGHTS][4], productDiffuse[FF_LIGHTS][4], productSpecular[FF_LIGHTS][4];
    const Material& material = gl11.material;
    for (int i = 0; i < FF_LIGHTS; ++i) {
        const Light& light = gl11.lights[i];
        for (int c = 0; c < 4; ++c) {
            position[i][c] = light.position[c];
            ambient[i][c] = light.ambient[c];
            diffuse[i][c] = light.diffuse[c];
            specular[i][c] = light.specular[c];
            const bool alpha = c == 3;
            productAmbient[i][c] = alpha ? material.ambient[3] : light.ambient[c] * material.ambient[c];
            productDiffuse[i][c] = alpha ? material.diffuse[3] : light.diffuse[c] * material.diffuse[c];
            productSpecular[i][c] = alpha ? material.specular[3] : light.specular[c] * material.specular[c];
        }
    }
    const float (*arrays[])[4] = {position, ambient, diffuse, specular, productAmbient, productDiffuse, productSpecular};
    for (int k = 0; k < 7; ++k) {
        const GLint location = locations[FF_LIGHT_POSITION + k];
        if (location != -1) emscripten_glUniform4fv(location, FF_LIGHTS, arrays[k][0]);
    }
}

void setFixedFunctionUniforms(const GLint* locations) {
    const Matrix4& modelview = gl11.modelview[gl11.modelviewTop];
    const Matrix4& projection = gl11.projection[gl11.projectionTop];
    if (locations[FF_MODELVIEW_MATRIX] != -1)
        emscripten_glUniformMatrix4fv(locations[FF_MODELVIEW_MATRIX], 1, GL_FALSE, modelview.m);
    if (locations[FF_PROJECTION_MATRIX] != -1)
        emscripten_glUniformMatrix4fv(locations[FF_PROJECTION_MATRIX], 1, GL_FALSE, projection.m);
    if (locations[FF_MODELVIEW_PROJECTION_MATRIX] != -1) {
        const Matrix4 both = multiply(projection, modelview);
        emscripten_glUniformMatrix4fv(locations[FF_MODELVIEW_PROJECTION_MATRIX], 1, GL_FALSE, both.m);
    }
    if (locations[FF_NORMAL_MATRIX] != -1) {
        float normal[9];
        normalMatrix(modelview, normal);
        emscripten_glUniformMatrix3fv(locations[FF_NORMAL_MATRIX], 1, GL_FALSE, normal);
    }
    setLights(locations);
    const Material& material = gl11.material;
    setVector(locations[FF_MATERIAL_AMBIENT], material.ambient);
    setVector(locations[FF_MATERIAL_DIFFUSE], material.diffuse);
    setVector(locations[FF_MATERIAL_SPECULAR], material.specular);
    setVector(locations[FF_MATERIAL_EMISSION], material.emission);
    if (locations[FF_MATERIAL_SHININESS] != -1) emscripten_glUniform1f(locations[FF_MATERIAL_SHININESS], material.shininess);
}

}  // namespace

void prepareProgramForDraw() {
    const GLuint program = gl11.program ? gl11.program : fixedFunctionProgram();
    use(program);
    if (!gl11.program) {
        emscripten_glUniform1i(programs.texturingLocation, gl11.texturing[0] ? 1 : 0);
        emscripten_glUniform1i(programs.samplerLocation, 0);
    }
    if (const ProgramUniforms* entry = uniformsOf(program)) setFixedFunctionUniforms(entry->locations);
}

void layerLinkProgram(GLuint program) { linkWithLayerAttributes(program); }

void layerUseProgram(GLuint program) {
    gl11.program = program;
    // The fixed-function program is made current at the next draw.
    if (program) use(program);
}

GLint layerGetUniformLocation(GLhandleARB program, const GLcharARB* name) {
    for (const char* renamed : FF_RENAMED_IDENTIFIERS) {
        if (std::strcmp(name, renamed) != 0) continue;
        char prefixed[64];
        std::strcpy(prefixed, FF_RENAMED_PREFIX);
        std::strcat(prefixed, renamed);
        return emscripten_glGetUniformLocation(program, prefixed);
    }
    return emscripten_glGetUniformLocation(program, name);
}

// The ARB object calls on shaders and programs alike: GL_OBJECT_COMPILE_STATUS_ARB
// and GL_OBJECT_LINK_STATUS_ARB are GL_COMPILE_STATUS and GL_LINK_STATUS.
void layerGetObjectParameteriv(GLhandleARB object, GLenum name, GLint* value) {
    if (emscripten_glIsShader(object)) {
        emscripten_glGetShaderiv(object, name, value);
    } else {
        emscripten_glGetProgramiv(object, name, value);
    }
}

void layerGetInfoLog(GLhandleARB object, GLsizei size, GLsizei* length, GLcharARB* log) {
    if (emscripten_glIsShader(object)) {
        emscripten_glGetShaderInfoLog(object, size, length, log);
    } else {
        emscripten_glGetProgramInfoLog(object, size, length, log);
    }
}

void resetGl11Programs() { programs = Programs(); }
