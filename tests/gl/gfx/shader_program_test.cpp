// Shader programs on the real driver: builds, error boxes, uniforms, and the
// sources as the resources hold them.
#define GL_GLEXT_PROTOTYPES 1  // the test reads the driver's state directly
#include "gfx/gl_entry_points.h"
#include "gfx/shader_program.h"
#include "tests/gl/support/gl_test_window.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

const char* const VERTEX = "#version 110\nvoid main() { gl_Position = ftransform(); }\n";
const char* const FRAGMENT =
    "#version 110\n"
    "uniform float gain;\n"
    "uniform sampler2D sheet;\n"
    "uniform float unused;\n"  // declared, never read: the compiler drops it
    "void main() { gl_FragColor = texture2D(sheet, vec2(0.5)) * gain; }\n";
const char* const FRAGMENT_MISSING_SEMICOLON = "#version 110\nvoid main() { gl_FragColor = vec4(1.0) }\n";
const char* const VERTEX_UNDECLARED = "#version 110\nvoid main() { gl_Position = nowhere; }\n";

GLint linkStatus(GLuint program) {
    GLint status = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    return status;
}

std::string programLog(GLuint program) {
    static char log[65536];
    glGetProgramInfoLog(program, sizeof log, nullptr, log);
    return log;
}

// The program's attached shader of the given stage, 0 if none.
GLuint attachedShader(GLuint program, GLenum stage) {
    GLuint shaders[4] = {};
    GLsizei count = 0;
    glGetAttachedShaders(program, 4, &count, shaders);
    for (GLsizei i = 0; i < count; ++i) {
        GLint type = 0;
        glGetShaderiv(shaders[i], GL_SHADER_TYPE, &type);
        if (static_cast<GLenum>(type) == stage) return shaders[i];
    }
    return 0;
}

std::string shaderLog(GLuint shader) {
    static char log[65536];
    glGetShaderInfoLog(shader, sizeof log, nullptr, log);
    return log;
}

using ShaderBuild = GlTest;

TEST_F(ShaderBuild, VertexOnlyFragmentOnlyAndBothGetAWorkingProgram) {
    GLuint vertexOnly = 0, fragmentOnly = 0, both = 0;
    buildShaderProgram(&vertexOnly, VERTEX, nullptr, "Vertex");
    buildShaderProgram(&fragmentOnly, nullptr, FRAGMENT, "Tunnel");
    buildShaderProgram(&both, VERTEX, FRAGMENT, "Fx");
    EXPECT_NE(vertexOnly, 0u);
    EXPECT_NE(fragmentOnly, 0u);
    EXPECT_NE(both, 0u);
    EXPECT_EQ(linkStatus(vertexOnly), GL_TRUE);
    EXPECT_EQ(linkStatus(fragmentOnly), GL_TRUE);
    EXPECT_EQ(linkStatus(both), GL_TRUE);
    EXPECT_NE(attachedShader(vertexOnly, GL_VERTEX_SHADER), 0u);
    EXPECT_EQ(attachedShader(vertexOnly, GL_FRAGMENT_SHADER), 0u);
    EXPECT_EQ(attachedShader(fragmentOnly, GL_VERTEX_SHADER), 0u);
    EXPECT_NE(attachedShader(fragmentOnly, GL_FRAGMENT_SHADER), 0u);
    EXPECT_TRUE(recordedBoxes.empty());
}

TEST_F(ShaderBuild, BrokenFragmentShowsItsCompileLogThenTheLinkLogAndStartUpGoesOn) {
    GLuint program = 0;
    buildShaderProgram(&program, VERTEX, FRAGMENT_MISSING_SEMICOLON, "Broken");
    EXPECT_NE(program, 0u);  // the name stays in the owner's field
    ASSERT_EQ(recordedBoxes.size(), 2u);
    EXPECT_EQ(recordedBoxes[0].kind, "error");
    EXPECT_EQ(recordedBoxes[0].text, shaderLog(attachedShader(program, GL_FRAGMENT_SHADER)));
    EXPECT_EQ(recordedBoxes[1].kind, "error");
    EXPECT_EQ(recordedBoxes[1].text, programLog(program));
    EXPECT_FALSE(recordedBoxes[0].text.empty());
    EXPECT_FALSE(recordedBoxes[1].text.empty());

    // The next build works as if nothing had happened.
    clearRecordedBoxes();
    GLuint next = 0;
    buildShaderProgram(&next, VERTEX, FRAGMENT, "Next");
    EXPECT_EQ(linkStatus(next), GL_TRUE);
    EXPECT_TRUE(recordedBoxes.empty());
}

TEST_F(ShaderBuild, FailuresAreShownVertexFirstThenFragmentThenLink) {
    GLuint program = 0;
    buildShaderProgram(&program, VERTEX_UNDECLARED, FRAGMENT_MISSING_SEMICOLON, "Both broken");
    ASSERT_EQ(recordedBoxes.size(), 3u);
    EXPECT_EQ(recordedBoxes[0].text, shaderLog(attachedShader(program, GL_VERTEX_SHADER)));
    EXPECT_EQ(recordedBoxes[1].text, shaderLog(attachedShader(program, GL_FRAGMENT_SHADER)));
    EXPECT_EQ(recordedBoxes[2].text, programLog(program));
}

TEST_F(ShaderBuild, ALongLogIsCutAt1023Characters) {
    std::string source = "#version 110\nvoid main() {\n";
    for (int i = 0; i < 200; ++i) source += "  float a" + std::to_string(i) + " = missing" + std::to_string(i) + ";\n";
    source += "  gl_FragColor = vec4(1.0);\n}\n";
    GLuint program = 0;
    buildShaderProgram(&program, nullptr, source.c_str(), "Long");
    ASSERT_GE(recordedBoxes.size(), 1u);
    std::string fullLog = shaderLog(attachedShader(program, GL_FRAGMENT_SHADER));
    ASSERT_GT(fullLog.size(), 1023u) << "the driver's log is too short to show the cut";
    EXPECT_EQ(recordedBoxes[0].text, fullLog.substr(0, 1023));
}

using Uniforms = GlTest;

TEST_F(Uniforms, NamedUniformsAreSetAndAbsentOnesSkippedWithoutError) {
    GLuint program = 0;
    buildShaderProgram(&program, VERTEX, FRAGMENT, "Uniforms");
    gl.glUseProgram(program);
    setUniformFloat(program, "gain", 0.25f);
    setUniformInt(program, "sheet", 3);
    while (glGetError() != GL_NO_ERROR) {
    }
    setUniformFloat(program, "absent", 9.0f);
    setUniformInt(program, "absent", 9);
    setUniformFloat(program, "unused", 9.0f);  // removed by the compiler
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    GLfloat gain = 0;
    glGetUniformfv(program, glGetUniformLocation(program, "gain"), &gain);
    EXPECT_EQ(gain, 0.25f);
    GLint sheet = 0;
    glGetUniformiv(program, glGetUniformLocation(program, "sheet"), &sheet);
    EXPECT_EQ(sheet, 3);
}

TEST_F(Uniforms, EachCallLooksTheNameUpInTheGivenProgram) {
    const char* shifted =
        "#version 110\n"
        "uniform vec4 first;\nuniform vec4 second;\nuniform vec4 third;\nuniform float gain;\n"
        "void main() { gl_FragColor = first + second + third + vec4(gain); }\n";
    GLuint plain = 0, other = 0;
    buildShaderProgram(&plain, VERTEX, FRAGMENT, "Plain");
    buildShaderProgram(&other, VERTEX, shifted, "Other");
    ASSERT_NE(glGetUniformLocation(plain, "gain"), glGetUniformLocation(other, "gain"))
        << "the driver gave both the same location; the test cannot tell";
    gl.glUseProgram(plain);
    setUniformFloat(plain, "gain", 0.5f);
    gl.glUseProgram(other);
    setUniformFloat(other, "gain", 0.75f);
    GLfloat gain = 0;
    glGetUniformfv(other, glGetUniformLocation(other, "gain"), &gain);
    EXPECT_EQ(gain, 0.75f);
    GLfloat first[4] = {1, 1, 1, 1};
    glGetUniformfv(other, glGetUniformLocation(other, "first"), first);
    EXPECT_EQ(first[0], 0.0f);
}

// The file the manifest names for a resource.
std::string resourceFileContents(const std::string& type, int id) {
    const char* sourceDir = std::getenv("QUORVEL_SOURCE_DIR");
    if (!sourceDir) return "";
    std::ifstream manifest(std::string(sourceDir) + "/resources/manifest.txt");
    std::string line;
    while (std::getline(manifest, line)) {
        std::istringstream fields(line);
        std::string lineType, file;
        int lineId = 0;
        if (fields >> lineType >> lineId >> file && lineType == type && lineId == id) {
            std::ifstream contents(std::string(sourceDir) + "/resources/" + file, std::ios::binary);
            std::ostringstream bytes;
            bytes << contents.rdbuf();
            return bytes.str();
        }
    }
    return "";
}

TEST(ShaderSource, IsTheResourceBytesFollowedByOneNul) {
    struct Case {
        const char* type;
        int id;
        char* (*load)(int);
    } cases[] = {{"VSHADER", 301, loadVertexShaderSource},
                 {"FSHADER", 302, loadFragmentShaderSource},
                 {"FSHADER", 318, loadFragmentShaderSource}};
    for (const Case& c : cases) {
        std::string expected = resourceFileContents(c.type, c.id);
        ASSERT_FALSE(expected.empty()) << c.type << " " << c.id << " (is QUORVEL_SOURCE_DIR set?)";
        char* text = c.load(c.id);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(std::memcmp(text, expected.data(), expected.size()), 0) << c.id;
        EXPECT_EQ(text[expected.size()], '\0') << c.id;
    }
}

TEST(ShaderSource, MissingOrOtherTypeIsAnEmptyString) {
    char* missing = loadFragmentShaderSource(999);
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing[0], '\0');
    char* wrongType = loadFragmentShaderSource(301);  // 301 is a vertex shader
    ASSERT_NE(wrongType, nullptr);
    EXPECT_EQ(wrongType[0], '\0');
    char* vertexAsked = loadVertexShaderSource(302);
    ASSERT_NE(vertexAsked, nullptr);
    EXPECT_EQ(vertexAsked[0], '\0');
}

}  // namespace
