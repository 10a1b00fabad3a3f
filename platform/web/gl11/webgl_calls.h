// The WebGL 2 calls the layer makes, under the names by which emscripten's GL
// library also offers them (emscripten_glEnable and so on): the layer defines
// the plain OpenGL names the demo calls itself (glEnable, glTexImage2D,
// glDrawElements) and reaches WebGL through these.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>
#include <webgl/webgl1.h>
#include <webgl/webgl2.h>
