// The show's shader programs: each one's label, the resources it is built from
// and where the demo keeps it, so that a tool can rebuild one while the show
// runs.
#pragma once

#include <GL/gl.h>

enum ShowProgramIndex {
    FRACT_PROGRAM,   // the sponge
    PLASMA_PROGRAM,  // built, never drawn with
    TUNNEL_PROGRAM,  // built, never drawn with
    MIXER_PROGRAM,   // built, never drawn with
    LOGO_PROGRAM,
    RAYS_PROGRAM,    // built, never drawn with
    FX_PROGRAM,      // the old-screen pass
    SHOW_PROGRAM_COUNT
};

struct ShowProgram {
    const char* label;
    int vertexShader;    // a "VSHADER" resource id; 0: the fixed-function stage
    int fragmentShader;  // a "FSHADER" resource id; 0: the fixed-function stage
};

extern const ShowProgram showPrograms[SHOW_PROGRAM_COUNT];

// Builds the program from its built-in sources (buildShaderProgram).
void buildShowProgram(ShowProgramIndex index, GLuint* program);

// Where the demo keeps the program's name, which the frames draw with; null
// until startDemo has built the record that holds it.
GLuint* showProgramSlot(ShowProgramIndex index);
