// GLSL programs from the "VSHADER" and "FSHADER" resources.
#pragma once

#include <GL/gl.h>

// The sources stay for the whole run. Each block from allocZeroed starts with a
// link to the one loaded before it; this is the newest, so that every source
// can still be reached once its program is compiled.
extern void* keptShaderSources;

// The resource's bytes followed by one NUL, kept in such a block; an empty
// string when there is no such resource.
char* loadVertexShaderSource(int id);
char* loadFragmentShaderSource(int id);

// Creates the program (its name goes into *program at once), compiles and
// attaches the sources that are given, links, and only then inspects vertex,
// fragment and program in that order, showing each failure's log (at most 1023
// characters) in an error box. Start-up goes on after a failure.
void buildShaderProgram(GLuint* program, const char* vertexSource, const char* fragmentSource, const char* label);

// The objects of one build: the program and the shaders compiled for it (0
// where no source was given).
struct ShaderProgramObjects {
    GLuint program, vertexShader, fragmentShader;
};

// The steps of buildShaderProgram before any inspection, for a caller that
// judges the outcome itself (shaderObjectStatus) rather than by error boxes.
ShaderProgramObjects compileAndLinkShaderProgram(const char* vertexSource, const char* fragmentSource);

// The object's compile or link status (statusName GL_OBJECT_COMPILE_STATUS_ARB
// or GL_OBJECT_LINK_STATUS_ARB), with its info log, at most logSize - 1
// characters and a NUL, in log.
int shaderObjectStatus(GLuint object, GLenum statusName, char* log, int logSize);

// Set a uniform of the program in use, looked up by name on every call; a name
// the program lacks is skipped.
void setUniformInt(GLuint program, const char* name, int value);
void setUniformFloat(GLuint program, const char* name, float value);
