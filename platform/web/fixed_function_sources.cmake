# Writes OUT, a C++ source holding the converted fixed-function stages VERTEX
# and FRAGMENT as FIXED_FUNCTION_VERTEX_SOURCE and FIXED_FUNCTION_FRAGMENT_SOURCE.
file(READ ${VERTEX} vertex)
file(READ ${FRAGMENT} fragment)
file(WRITE ${OUT} "// Generated from platform/web/fixed_function.vert and .frag. Do not edit.\n"
  "#include \"platform/web/gl11/fixed_function_sources.h\"\n\n"
  "const char* const FIXED_FUNCTION_VERTEX_SOURCE = R\"glsl(${vertex})glsl\";\n"
  "const char* const FIXED_FUNCTION_FRAGMENT_SOURCE = R\"glsl(${fragment})glsl\";\n")
