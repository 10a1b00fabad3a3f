// The drawing objects that startDemo builds once and every frame uses.
#pragma once

#include <GL/gl.h>

struct CubeLogo;
struct ScrollText;

extern CubeLogo* cubeLogo;
extern ScrollText* scrollText;
extern GLuint fxProgram;  // "Fx": the old-screen pass
