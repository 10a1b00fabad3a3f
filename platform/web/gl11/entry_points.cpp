// platformGetGlProcAddress in the browser: every entry point the demo fetches
// (gfx/gl_entry_points.h), from the layer where WebGL 2 lacks the call or
// takes it otherwise, and straight from emscripten's WebGL library where it
// takes it as it is.
#include "platform/platform.h"
#include "platform/web/gl11/gl11_entry_points.h"
#include "platform/web/gl11/webgl_calls.h"

#include <cstring>

namespace {

struct EntryPoint {
    const char* name;
    void* address;
};

template <typename Function>
void* address(Function* function) {
    return reinterpret_cast<void*>(function);
}

const EntryPoint ENTRY_POINTS[] = {
    {"glActiveTextureARB", address(glActiveTextureARB)},
    {"glClientActiveTextureARB", address(glClientActiveTextureARB)},
    {"glMultiTexCoord4fvARB", address(glMultiTexCoord4fvARB)},
    {"glDeleteProgramsARB", address(layerIgnoreDeletePrograms)},
    {"glBindProgramARB", address(layerIgnoreProgramsCall)},
    {"glProgramStringARB", address(layerIgnoreProgramString)},
    {"glProgramLocalParameter4fvARB", address(layerIgnoreProgramParameter)},
    {"glProgramEnvParameter4fvARB", address(layerIgnoreProgramParameter)},
    {"glTexImage3D", address(emscripten_glTexImage3D)},
    {"glBindBufferARB", address(layerBindBuffer)},
    {"glBufferDataARB", address(emscripten_glBufferData)},
    {"glBufferSubDataARB", address(emscripten_glBufferSubData)},
    {"glDeleteBuffersARB", address(emscripten_glDeleteBuffers)},
    {"glCreateProgram", address(emscripten_glCreateProgram)},
    {"glCreateShader", address(emscripten_glCreateShader)},
    {"glShaderSource", address(emscripten_glShaderSource)},
    {"glCompileShader", address(emscripten_glCompileShader)},
    {"glAttachShader", address(emscripten_glAttachShader)},
    {"glLinkProgram", address(layerLinkProgram)},
    {"glUseProgram", address(layerUseProgram)},
    {"glUniform4fv", address(emscripten_glUniform4fv)},
    {"glUniform1i", address(emscripten_glUniform1i)},
    {"glGetUniformLocationARB", address(layerGetUniformLocation)},
    {"glGetObjectParameterivARB", address(layerGetObjectParameteriv)},
    {"glGetInfoLogARB", address(layerGetInfoLog)},
    {"glLoadTransposeMatrixf", address(glLoadTransposeMatrixf)},
    {"glBindRenderbufferEXT", address(emscripten_glBindRenderbuffer)},
    {"glDeleteRenderbuffersEXT", address(emscripten_glDeleteRenderbuffers)},
    {"glRenderbufferStorageEXT", address(emscripten_glRenderbufferStorage)},
    {"glBindFramebufferEXT", address(emscripten_glBindFramebuffer)},
    {"glDeleteFramebuffersEXT", address(emscripten_glDeleteFramebuffers)},
    {"glCheckFramebufferStatusEXT", address(emscripten_glCheckFramebufferStatus)},
    {"glFramebufferTexture1DEXT", address(layerIgnoreFramebufferTexture1D)},
    {"glFramebufferTexture2DEXT", address(emscripten_glFramebufferTexture2D)},
    {"glFramebufferTexture3DEXT", address(layerFramebufferTexture3D)},
    {"glFramebufferRenderbufferEXT", address(emscripten_glFramebufferRenderbuffer)},
    {"glGenerateMipmapEXT", address(emscripten_glGenerateMipmap)},
    {"glMultiTexCoord2fARB", address(glMultiTexCoord2fARB)},
    {"glUniform2fv", address(emscripten_glUniform2fv)},
    {"glUniform1f", address(emscripten_glUniform1f)},
    {"glGenBuffersARB", address(emscripten_glGenBuffers)},
    {"glGenFramebuffersEXT", address(emscripten_glGenFramebuffers)},
    {"glGenRenderbuffersEXT", address(emscripten_glGenRenderbuffers)},
    {"glDrawBuffers", address(emscripten_glDrawBuffers)},
    {"glUniform2f", address(emscripten_glUniform2f)},
    {"glUniform4f", address(emscripten_glUniform4f)},
    {"glUniform3f", address(emscripten_glUniform3f)},
    {"glUniform2i", address(emscripten_glUniform2i)},
    {"glGetUniformBlockIndex", address(emscripten_glGetUniformBlockIndex)},
    {"glGetActiveUniformBlockiv", address(emscripten_glGetActiveUniformBlockiv)},
    {"glGetAttribLocation", address(emscripten_glGetAttribLocation)},
    {"glVertexAttribPointer", address(emscripten_glVertexAttribPointer)},
};

}  // namespace

void* platformGetGlProcAddress(const char* name) {
    for (const EntryPoint& entry : ENTRY_POINTS) {
        if (std::strcmp(entry.name, name) == 0) return entry.address;
    }
    return nullptr;
}
