// The state of the GL 1.1 layer on WebGL 2: what OpenGL 1.1 keeps and WebGL
// does not (matrix stacks, the current colour and texture coordinate, lights
// and material, client arrays, texture enables), shared by the layer's files.
// Only the calls the demo makes are covered; see entry_points.cpp for the list.
#pragma once

#include "platform/web/fixed_function_names.h"

#include <GL/gl.h>
#include <GL/glext.h>

// A 4 x 4 matrix as OpenGL stores it: column after column.
struct Matrix4 {
    float m[16];
};

Matrix4 identityMatrix();
Matrix4 multiply(const Matrix4& a, const Matrix4& b);
// The normal matrix of a model-view matrix: the inverse of its upper 3 x 3,
// transposed, column after column.
void normalMatrix(const Matrix4& modelview, float out[9]);
void transformPoint(const Matrix4& matrix, const float in[4], float out[4]);

enum { MODELVIEW_STACK_DEPTH = 32, PROJECTION_STACK_DEPTH = 4 };

struct Light {
    float position[4];  // in eye space, as glLightfv placed it
    float ambient[4];
    float diffuse[4];
    float specular[4];
};

struct Material {
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float emission[4];
    float shininess;
};

// A client array as glVertexPointer and its kin describe it; the demo keeps
// its arrays in buffers, so pointer is an offset into buffer.
struct ClientArray {
    bool enabled;
    GLint size;
    GLenum type;
    GLsizei stride;
    GLuint buffer;
    const void* pointer;
};

struct Gl11State {
    GLenum matrixMode;
    Matrix4 modelview[MODELVIEW_STACK_DEPTH];
    int modelviewTop;
    Matrix4 projection[PROJECTION_STACK_DEPTH];
    int projectionTop;

    // What a vertex gets where no array gives it: colour, normal, coordinates.
    float current[FF_ATTRIBUTE_COUNT][4];
    ClientArray arrays[FF_ATTRIBUTE_COUNT];
    int clientTextureUnit;
    GLuint arrayBuffer;  // the demo's GL_ARRAY_BUFFER binding

    Light lights[FF_LIGHTS];
    Material material;
    bool colorMaterial;  // the colour sets the material's ambient and diffuse
    bool texturing[FF_TEXTURE_UNITS];  // GL_TEXTURE_2D, per unit
    int activeTextureUnit;

    GLuint program;  // the demo's program in use; 0 draws with the fixed-function one
};

extern Gl11State gl11;

// Puts every value to OpenGL's initial one; for a new context.
void resetGl11State();

// The matrix that matrix calls change now (glMatrixMode).
Matrix4& currentMatrix();

// Sets the current colour (and with GL_COLOR_MATERIAL the material's ambient
// and diffuse).
void setCurrentColor(float r, float g, float b, float a);

// Before a draw: makes the program to draw with current and hands it the
// matrices, lights and material it reads.
void prepareProgramForDraw();
