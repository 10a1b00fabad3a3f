// GLSL 1.10 -> GLSL ES 3.00 for the browser build. The GLSL 1.10 files in
// resources/shaders stay the only source of every shader; the web build
// writes their ES form with this at build time.
//
// The rewrite is mechanical: the version line and default precisions,
// varying -> out/in, texture2D -> texture, gl_FragColor -> an output of its
// own, and the fixed-function built-ins (gl_Vertex, gl_ModelViewMatrix,
// gl_LightSource[i].position, ftransform() and so on) -> the named
// attributes, uniforms and varyings that the web GL layer feeds
// (platform/web/fixed_function_names.h), each declared once at the top.
#pragma once

#include <string>

enum ShaderStage { VERTEX_STAGE, FRAGMENT_STAGE };

// Converts source, which must start with the line "#version 110". Returns 1
// and the ES source in *out, or 0 with a one-line reason in *error (a
// built-in the layer does not feed, a gl_TexCoord index that is not a
// number, a missing version line).
int convertShaderToEs300(const std::string& source, ShaderStage stage, std::string* out, std::string* error);
