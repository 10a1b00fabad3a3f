#include "platform/common/gl_availability.h"

#include <cstdlib>
#include <cstring>

namespace {

// Where each entry point comes from: a core version (0.0 for none), and the
// extensions that provide it under exactly this name. ARB- and EXT-suffixed
// names exist only through their extensions.
struct EntryPointSource {
    const char* name;
    int major, minor;
    const char* extensions[2];
};

const char* const MULTITEXTURE = "GL_ARB_multitexture";
const char* const VERTEX_PROGRAM = "GL_ARB_vertex_program";
const char* const FRAGMENT_PROGRAM = "GL_ARB_fragment_program";
const char* const BUFFER_OBJECT = "GL_ARB_vertex_buffer_object";
const char* const SHADER_OBJECTS = "GL_ARB_shader_objects";
const char* const FRAMEBUFFER_OBJECT = "GL_EXT_framebuffer_object";
const char* const UNIFORM_BUFFER = "GL_ARB_uniform_buffer_object";

const EntryPointSource sources[] = {
    {"glActiveTextureARB", 0, 0, {MULTITEXTURE}},
    {"glClientActiveTextureARB", 0, 0, {MULTITEXTURE}},
    {"glMultiTexCoord4fvARB", 0, 0, {MULTITEXTURE}},
    {"glDeleteProgramsARB", 0, 0, {VERTEX_PROGRAM, FRAGMENT_PROGRAM}},
    {"glBindProgramARB", 0, 0, {VERTEX_PROGRAM, FRAGMENT_PROGRAM}},
    {"glProgramStringARB", 0, 0, {VERTEX_PROGRAM, FRAGMENT_PROGRAM}},
    {"glProgramLocalParameter4fvARB", 0, 0, {VERTEX_PROGRAM, FRAGMENT_PROGRAM}},
    {"glProgramEnvParameter4fvARB", 0, 0, {VERTEX_PROGRAM, FRAGMENT_PROGRAM}},
    {"glTexImage3D", 1, 2, {}},
    {"glBindBufferARB", 0, 0, {BUFFER_OBJECT}},
    {"glBufferDataARB", 0, 0, {BUFFER_OBJECT}},
    {"glBufferSubDataARB", 0, 0, {BUFFER_OBJECT}},
    {"glDeleteBuffersARB", 0, 0, {BUFFER_OBJECT}},
    {"glCreateProgram", 2, 0, {}},
    {"glCreateShader", 2, 0, {}},
    {"glShaderSource", 2, 0, {}},
    {"glCompileShader", 2, 0, {}},
    {"glAttachShader", 2, 0, {}},
    {"glLinkProgram", 2, 0, {}},
    {"glUseProgram", 2, 0, {}},
    {"glUniform4fv", 2, 0, {}},
    {"glUniform1i", 2, 0, {}},
    {"glGetUniformLocationARB", 0, 0, {SHADER_OBJECTS}},
    {"glGetObjectParameterivARB", 0, 0, {SHADER_OBJECTS}},
    {"glGetInfoLogARB", 0, 0, {SHADER_OBJECTS}},
    {"glLoadTransposeMatrixf", 1, 3, {}},
    {"glBindRenderbufferEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glDeleteRenderbuffersEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glRenderbufferStorageEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glBindFramebufferEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glDeleteFramebuffersEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glCheckFramebufferStatusEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glFramebufferTexture1DEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glFramebufferTexture2DEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glFramebufferTexture3DEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glFramebufferRenderbufferEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glGenerateMipmapEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glMultiTexCoord2fARB", 0, 0, {MULTITEXTURE}},
    {"glUniform2fv", 2, 0, {}},
    {"glUniform1f", 2, 0, {}},
    {"glGenBuffersARB", 0, 0, {BUFFER_OBJECT}},
    {"glGenFramebuffersEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glGenRenderbuffersEXT", 0, 0, {FRAMEBUFFER_OBJECT}},
    {"glDrawBuffers", 2, 0, {}},
    {"glUniform2f", 2, 0, {}},
    {"glUniform4f", 2, 0, {}},
    {"glUniform3f", 2, 0, {}},
    {"glUniform2i", 2, 0, {}},
    {"glGetUniformBlockIndex", 3, 1, {UNIFORM_BUFFER}},
    {"glGetActiveUniformBlockiv", 3, 1, {UNIFORM_BUFFER}},
    {"glGetAttribLocation", 2, 0, {}},
    {"glVertexAttribPointer", 2, 0, {}},
};

bool hasExtension(const char* extensions, const char* wanted) {
    if (!extensions || !wanted) return false;
    size_t length = std::strlen(wanted);
    for (const char* at = std::strstr(extensions, wanted); at; at = std::strstr(at + 1, wanted)) {
        bool startsWord = at == extensions || at[-1] == ' ';
        bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord) return true;
    }
    return false;
}

}  // namespace

int glEntryPointProvided(const char* name, int majorVersion, int minorVersion, const char* extensions) {
    for (const EntryPointSource& source : sources) {
        if (std::strcmp(source.name, name) != 0) continue;
        bool core = source.major > 0 &&
                    (majorVersion > source.major || (majorVersion == source.major && minorVersion >= source.minor));
        return core || hasExtension(extensions, source.extensions[0]) || hasExtension(extensions, source.extensions[1]);
    }
    return 0;
}

void parseGlVersion(const char* versionString, int* majorVersion, int* minorVersion) {
    *majorVersion = 0;
    *minorVersion = 0;
    if (!versionString) return;
    char* end = nullptr;
    long major = std::strtol(versionString, &end, 10);
    if (end == versionString || *end != '.') return;
    const char* minorStart = end + 1;
    long minor = std::strtol(minorStart, &end, 10);
    if (end == minorStart) return;
    *majorVersion = static_cast<int>(major);
    *minorVersion = static_cast<int>(minor);
}
