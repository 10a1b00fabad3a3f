// The fixed-function stages in GLSL ES 3.00: platform/web/fixed_function.vert
// and .frag, converted at build time like the demo's shaders.
#pragma once

extern const char* const FIXED_FUNCTION_VERTEX_SOURCE;
extern const char* const FIXED_FUNCTION_FRAGMENT_SOURCE;
