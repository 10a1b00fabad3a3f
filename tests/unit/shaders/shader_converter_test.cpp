// The GLSL 1.10 -> GLSL ES 3.00 rewrite, construct by construct: what each
// becomes, that each built-in is declared once with what the web GL layer
// feeds, that comments and numbers pass untouched, and what is refused.
#include "tools/shader_converter/shader_converter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Rewrite {
    const char* construct;
    ShaderStage stage;
    const char* body;  // after "#version 110"
    std::vector<std::string> expected;  // parts of the converted text
    std::vector<std::string> absent;
};

std::string convert(ShaderStage stage, const std::string& body, std::string* error) {
    std::string out;
    return convertShaderToEs300("#version 110\n" + body, stage, &out, error) ? out : "";
}

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(ShaderConverter, RewritesEachConstructAndDeclaresEachBuiltInOnce) {
    const Rewrite rows[] = {
        {"header", FRAGMENT_STAGE, "void main() {}\n",
         {"#version 300 es\nprecision highp float;\nprecision highp int;\n"}, {"#version 110"}},
        {"varying, vertex", VERTEX_STAGE, "varying vec3 v;\n", {"out vec3 v;"}, {"varying"}},
        {"varying, fragment", FRAGMENT_STAGE, "varying vec3 v;\n", {"in vec3 v;"}, {"varying"}},
        {"texture2D and a sampler named texture", FRAGMENT_STAGE,
         "uniform sampler2D texture;\nvec4 f(vec2 c) { return texture2D(texture, c); }\n",
         {"uniform sampler2D ff_texture;", "texture(ff_texture, c)"}, {"texture2D"}},
        {"gl_FragColor", FRAGMENT_STAGE, "void main() { gl_FragColor = vec4(1.0); gl_FragColor *= 0.5; }\n",
         {"out vec4 ff_FragColor;\n", "ff_FragColor = vec4(1.0); ff_FragColor *= 0.5;"}, {"gl_FragColor"}},
        {"ftransform", VERTEX_STAGE, "void main() { gl_Position = ftransform ( ); }\n",
         {"uniform mat4 ff_ModelViewProjectionMatrix;", "in vec4 ff_Vertex;",
          "gl_Position = (ff_ModelViewProjectionMatrix * ff_Vertex);"}, {"ftransform"}},
        {"attributes and matrices", VERTEX_STAGE,
         "void main() { vec3 n = gl_NormalMatrix * gl_Normal; gl_Position = gl_ProjectionMatrix * "
         "gl_ModelViewMatrix * gl_Vertex; gl_FrontColor = gl_Color + gl_MultiTexCoord2; }\n",
         {"uniform mat3 ff_NormalMatrix;", "in vec3 ff_Normal;", "uniform mat4 ff_ProjectionMatrix;",
          "uniform mat4 ff_ModelViewMatrix;", "in vec4 ff_Vertex;", "out vec4 ff_FrontColor;", "in vec4 ff_Color;",
          "in vec4 ff_MultiTexCoord2;", "ff_FrontColor = ff_Color + ff_MultiTexCoord2;"},
         {"gl_Normal", "gl_ModelView", "gl_ProjectionMatrix *", "gl_Vertex", "gl_Color", "gl_MultiTexCoord", "gl_FrontColor"}},
        {"gl_Color in the fragment stage is the vertex stage's front colour", FRAGMENT_STAGE,
         "void main() { vec4 c = gl_Color; }\n", {"in vec4 ff_FrontColor;", "vec4 c = ff_FrontColor;"}, {"ff_Color"}},
        {"gl_TexCoord, vertex", VERTEX_STAGE, "void main() { gl_TexCoord[1] = gl_Vertex; }\n",
         {"out vec4 ff_TexCoord1;", "ff_TexCoord1 = ff_Vertex;"}, {"["}},
        {"gl_TexCoord, fragment", FRAGMENT_STAGE, "void main() { vec2 st = gl_TexCoord[ 0 ].st; }\n",
         {"in vec4 ff_TexCoord0;", "vec2 st = ff_TexCoord0.st;"}, {}},
        {"lights, products and material", FRAGMENT_STAGE,
         "void main() { vec4 a = gl_LightSource[i + 1].position + gl_FrontLightProduct[i].specular "
         "* gl_FrontMaterial . shininess; }\n",
         {"uniform vec4 ff_LightSource_position[8];", "uniform vec4 ff_FrontLightProduct_specular[8];",
          "uniform float ff_FrontMaterial_shininess;",
          "ff_LightSource_position[i + 1] + ff_FrontLightProduct_specular[i] * ff_FrontMaterial_shininess;"},
         {}},
        {"comments and numbers", VERTEX_STAGE, "// gl_Fog texture2D varying\n/* gl_Bogus */ float e = 6.0e-7;\n",
         {"// gl_Fog texture2D varying\n/* gl_Bogus */ float e = 6.0e-7;"}, {"ff_"}},
        {"built-ins ES keeps", FRAGMENT_STAGE, "void main() { vec4 p = gl_FragCoord; }\n", {"vec4 p = gl_FragCoord;"},
         {"ff_"}},
    };
    for (const Rewrite& row : rows) {
        SCOPED_TRACE(row.construct);
        std::string error;
        const std::string out = convert(row.stage, row.body, &error);
        ASSERT_EQ(error, "");
        for (const std::string& part : row.expected) EXPECT_NE(out.find(part), std::string::npos) << part << "\n" << out;
        const std::string body = out.substr(out.find("precision highp int;\n") + 21);
        for (const std::string& part : row.absent) EXPECT_EQ(body.find(part), std::string::npos) << part << "\n" << out;
    }
    std::string error;
    const std::string twice = convert(VERTEX_STAGE, "void main() { gl_Position = gl_Vertex + gl_Vertex; }\n", &error);
    EXPECT_EQ(occurrences(twice, "in vec4 ff_Vertex;"), 1) << twice;
}

struct Refusal {
    const char* what;
    ShaderStage stage;
    const char* source;
};

TEST(ShaderConverter, RefusesWhatTheLayerDoesNotFeed) {
    const Refusal rows[] = {
        {"no version line", FRAGMENT_STAGE, "void main() {}\n"},
        {"another version", FRAGMENT_STAGE, "#version 120\nvoid main() {}\n"},
        {"gl_TexCoord by a variable", FRAGMENT_STAGE, "#version 110\nvec4 f(int i) { return gl_TexCoord[i]; }\n"},
        {"gl_TexCoord past the units", VERTEX_STAGE, "#version 110\nvoid main() { gl_TexCoord[4] = gl_Vertex; }\n"},
        {"a light field no program reads", FRAGMENT_STAGE,
         "#version 110\nfloat f() { return gl_LightSource[0].spotExponent; }\n"},
        {"a light record whole", FRAGMENT_STAGE, "#version 110\nvec4 f() { return gl_FrontMaterial; }\n"},
        {"gl_FragColor in the vertex stage", VERTEX_STAGE, "#version 110\nvoid main() { gl_FragColor = gl_Vertex; }\n"},
        {"an unknown built-in", FRAGMENT_STAGE, "#version 110\nfloat f() { return gl_FogFragCoord; }\n"},
        {"ftransform without its call", VERTEX_STAGE, "#version 110\nvoid main() { vec4 p = ftransform; }\n"},
    };
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.what);
        std::string out, error;
        EXPECT_EQ(convertShaderToEs300(row.source, row.stage, &out, &error), 0);
        EXPECT_NE(error, "");
    }
}

}  // namespace
