// What GLSL 1.10 hands a program as built-in state, under the names by which
// the browser's GL layer hands it to a GLSL ES 3.00 program. The shader
// converter (tools/shader_converter) writes these names into the converted
// sources; the layer binds the attributes to their locations and sets the
// uniforms before each draw.
#pragma once

enum { FF_TEXTURE_UNITS = 4, FF_LIGHTS = 8 };  // as many as a program here may read

// Vertex attributes; the enum is each one's location.
enum FixedFunctionAttribute {
    FF_VERTEX,
    FF_NORMAL,
    FF_COLOR,
    FF_MULTI_TEX_COORD0,  // then one per texture unit
    FF_ATTRIBUTE_COUNT = FF_MULTI_TEX_COORD0 + FF_TEXTURE_UNITS,
};

inline constexpr const char* FF_ATTRIBUTE_NAMES[FF_ATTRIBUTE_COUNT] = {
    "ff_Vertex", "ff_Normal", "ff_Color", "ff_MultiTexCoord0", "ff_MultiTexCoord1", "ff_MultiTexCoord2",
    "ff_MultiTexCoord3",
};

// Uniforms. The light and light-product ones are arrays of FF_LIGHTS.
enum FixedFunctionUniform {
    FF_MODELVIEW_MATRIX,
    FF_PROJECTION_MATRIX,
    FF_MODELVIEW_PROJECTION_MATRIX,
    FF_NORMAL_MATRIX,
    FF_LIGHT_POSITION,
    FF_LIGHT_AMBIENT,
    FF_LIGHT_DIFFUSE,
    FF_LIGHT_SPECULAR,
    FF_PRODUCT_AMBIENT,
    FF_PRODUCT_DIFFUSE,
    FF_PRODUCT_SPECULAR,
    FF_MATERIAL_AMBIENT,
    FF_MATERIAL_DIFFUSE,
    FF_MATERIAL_SPECULAR,
    FF_MATERIAL_EMISSION,
    FF_MATERIAL_SHININESS,
    FF_UNIFORM_COUNT,
};

inline constexpr const char* FF_UNIFORM_NAMES[FF_UNIFORM_COUNT] = {
    "ff_ModelViewMatrix",
    "ff_ProjectionMatrix",
    "ff_ModelViewProjectionMatrix",
    "ff_NormalMatrix",
    "ff_LightSource_position",
    "ff_LightSource_ambient",
    "ff_LightSource_diffuse",
    "ff_LightSource_specular",
    "ff_FrontLightProduct_ambient",
    "ff_FrontLightProduct_diffuse",
    "ff_FrontLightProduct_specular",
    "ff_FrontMaterial_ambient",
    "ff_FrontMaterial_diffuse",
    "ff_FrontMaterial_specular",
    "ff_FrontMaterial_emission",
    "ff_FrontMaterial_shininess",
};

// What the vertex stage hands on (gl_FrontColor, read as gl_Color by the
// fragment stage; gl_TexCoord[n] as FF_TEX_COORD_PREFIX followed by n) and
// what the fragment stage writes (gl_FragColor).
inline constexpr const char* FF_FRONT_COLOR = "ff_FrontColor";
inline constexpr const char* FF_TEX_COORD_PREFIX = "ff_TexCoord";
inline constexpr const char* FF_FRAG_COLOR = "ff_FragColor";

// GLSL ES 3.00 has built-in functions whose names a GLSL 1.10 program may give
// its own variables ("texture", the old screen's sampler). Such a name gets
// this prefix in the converted source, and the layer's uniform lookup adds it.
inline constexpr const char* FF_RENAMED_PREFIX = "ff_";
inline constexpr const char* FF_RENAMED_IDENTIFIERS[] = {"texture"};
