#include "gfx/shader_program.h"

#include "gfx/gl_entry_points.h"
#include "gfx/heap.h"
#include "platform/platform.h"

void* keptShaderSources = nullptr;

namespace {

// What a source becomes when even one byte cannot be allocated: an empty text,
// whose compile error box is then the sign of the trouble.
char emptySource[1] = {0};

char* loadShaderSource(const char* type, int id) {
    const unsigned char* bytes = nullptr;
    size_t byteCount = 0;
    // A missing resource is not reported here: its empty text fails to compile.
    if (!platformFindResource(type, id, &bytes, &byteCount)) byteCount = 0;
    void** block = static_cast<void**>(allocZeroed(sizeof(void*) + byteCount + 1));
    if (!block) return emptySource;
    block[0] = keptShaderSources;
    keptShaderSources = block;
    char* text = reinterpret_cast<char*>(block + 1);
    copyBytes(text, bytes, byteCount);
    text[byteCount] = '\0';
    return text;
}

GLuint compileAndAttach(GLuint program, GLenum stage, const char* source) {
    GLuint shader = gl.glCreateShader(stage);
    gl.glShaderSource(shader, 1, &source, nullptr);
    gl.glCompileShader(shader);
    gl.glAttachShader(program, shader);
    return shader;
}

// Shows the object's info log when its status is 0.
void reportFailure(GLuint object, GLenum statusName) {
    enum { LOG_BUFFER_SIZE = 1024 };  // at most 1023 characters and the NUL
    char log[LOG_BUFFER_SIZE] = {};
    if (!shaderObjectStatus(object, statusName, log, LOG_BUFFER_SIZE)) platformShowErrorBox(log);
}

}  // namespace

char* loadVertexShaderSource(int id) { return loadShaderSource("VSHADER", id); }

char* loadFragmentShaderSource(int id) { return loadShaderSource("FSHADER", id); }

ShaderProgramObjects compileAndLinkShaderProgram(const char* vertexSource, const char* fragmentSource) {
    ShaderProgramObjects objects = {gl.glCreateProgram(), 0, 0};
    if (vertexSource) objects.vertexShader = compileAndAttach(objects.program, GL_VERTEX_SHADER, vertexSource);
    if (fragmentSource) objects.fragmentShader = compileAndAttach(objects.program, GL_FRAGMENT_SHADER, fragmentSource);
    gl.glLinkProgram(objects.program);
    return objects;
}

int shaderObjectStatus(GLuint object, GLenum statusName, char* log, int logSize) {
    GLint status = 0;
    gl.glGetObjectParameterivARB(object, statusName, &status);
    GLsizei length = 0;
    gl.glGetInfoLogARB(object, logSize, &length, log);
    return status != 0;
}

void buildShaderProgram(GLuint* program, const char* vertexSource, const char* fragmentSource, const char*) {
    const ShaderProgramObjects objects = compileAndLinkShaderProgram(vertexSource, fragmentSource);
    *program = objects.program;

    // Only after the link: a failed compile shows its log, then the link's.
    if (vertexSource) reportFailure(objects.vertexShader, GL_OBJECT_COMPILE_STATUS_ARB);
    if (fragmentSource) reportFailure(objects.fragmentShader, GL_OBJECT_COMPILE_STATUS_ARB);
    reportFailure(objects.program, GL_OBJECT_LINK_STATUS_ARB);
}

void setUniformInt(GLuint program, const char* name, int value) {
    GLint location = gl.glGetUniformLocationARB(program, name);
    if (location != -1) gl.glUniform1i(location, value);
}

void setUniformFloat(GLuint program, const char* name, float value) {
    GLint location = gl.glGetUniformLocationARB(program, name);
    if (location != -1) gl.glUniform1f(location, value);
}
