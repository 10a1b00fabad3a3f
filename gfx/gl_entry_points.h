// OpenGL beyond 1.1: the 52 entry points fetched by name once the context is
// current. Every GL 2.0, ARB and EXT call goes through the table `gl`:
//
//     gl.glUseProgram(program);
//
// The order of the list is the order of the fetch.
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

struct PlatformWindow;

// gl.h declares the OpenGL 1.3 functions themselves, so glext.h leaves out the
// pointer type of this one.
typedef void(APIENTRYP PFNGLLOADTRANSPOSEMATRIXFPROC)(const GLfloat* matrix);

#define QUORVEL_GL_ENTRY_POINTS(X)                                    \
    X(PFNGLACTIVETEXTUREARBPROC, glActiveTextureARB)                  \
    X(PFNGLCLIENTACTIVETEXTUREARBPROC, glClientActiveTextureARB)      \
    X(PFNGLMULTITEXCOORD4FVARBPROC, glMultiTexCoord4fvARB)            \
    X(PFNGLDELETEPROGRAMSARBPROC, glDeleteProgramsARB)                \
    X(PFNGLBINDPROGRAMARBPROC, glBindProgramARB)                      \
    X(PFNGLPROGRAMSTRINGARBPROC, glProgramStringARB)                  \
    X(PFNGLPROGRAMLOCALPARAMETER4FVARBPROC, glProgramLocalParameter4fvARB) \
    X(PFNGLPROGRAMENVPARAMETER4FVARBPROC, glProgramEnvParameter4fvARB) \
    X(PFNGLTEXIMAGE3DPROC, glTexImage3D)                              \
    X(PFNGLBINDBUFFERARBPROC, glBindBufferARB)                        \
    X(PFNGLBUFFERDATAARBPROC, glBufferDataARB)                        \
    X(PFNGLBUFFERSUBDATAARBPROC, glBufferSubDataARB)                  \
    X(PFNGLDELETEBUFFERSARBPROC, glDeleteBuffersARB)                  \
    X(PFNGLCREATEPROGRAMPROC, glCreateProgram)                        \
    X(PFNGLCREATESHADERPROC, glCreateShader)                          \
    X(PFNGLSHADERSOURCEPROC, glShaderSource)                          \
    X(PFNGLCOMPILESHADERPROC, glCompileShader)                        \
    X(PFNGLATTACHSHADERPROC, glAttachShader)                          \
    X(PFNGLLINKPROGRAMPROC, glLinkProgram)                            \
    X(PFNGLUSEPROGRAMPROC, glUseProgram)                              \
    X(PFNGLUNIFORM4FVPROC, glUniform4fv)                              \
    X(PFNGLUNIFORM1IPROC, glUniform1i)                                \
    X(PFNGLGETUNIFORMLOCATIONARBPROC, glGetUniformLocationARB)        \
    X(PFNGLGETOBJECTPARAMETERIVARBPROC, glGetObjectParameterivARB)    \
    X(PFNGLGETINFOLOGARBPROC, glGetInfoLogARB)                        \
    X(PFNGLLOADTRANSPOSEMATRIXFPROC, glLoadTransposeMatrixf)          \
    X(PFNGLBINDRENDERBUFFEREXTPROC, glBindRenderbufferEXT)            \
    X(PFNGLDELETERENDERBUFFERSEXTPROC, glDeleteRenderbuffersEXT)      \
    X(PFNGLRENDERBUFFERSTORAGEEXTPROC, glRenderbufferStorageEXT)      \
    X(PFNGLBINDFRAMEBUFFEREXTPROC, glBindFramebufferEXT)              \
    X(PFNGLDELETEFRAMEBUFFERSEXTPROC, glDeleteFramebuffersEXT)        \
    X(PFNGLCHECKFRAMEBUFFERSTATUSEXTPROC, glCheckFramebufferStatusEXT) \
    X(PFNGLFRAMEBUFFERTEXTURE1DEXTPROC, glFramebufferTexture1DEXT)    \
    X(PFNGLFRAMEBUFFERTEXTURE2DEXTPROC, glFramebufferTexture2DEXT)    \
    X(PFNGLFRAMEBUFFERTEXTURE3DEXTPROC, glFramebufferTexture3DEXT)    \
    X(PFNGLFRAMEBUFFERRENDERBUFFEREXTPROC, glFramebufferRenderbufferEXT) \
    X(PFNGLGENERATEMIPMAPEXTPROC, glGenerateMipmapEXT)                \
    X(PFNGLMULTITEXCOORD2FARBPROC, glMultiTexCoord2fARB)              \
    X(PFNGLUNIFORM2FVPROC, glUniform2fv)                              \
    X(PFNGLUNIFORM1FPROC, glUniform1f)                                \
    X(PFNGLGENBUFFERSARBPROC, glGenBuffersARB)                        \
    X(PFNGLGENFRAMEBUFFERSEXTPROC, glGenFramebuffersEXT)              \
    X(PFNGLGENRENDERBUFFERSEXTPROC, glGenRenderbuffersEXT)            \
    X(PFNGLDRAWBUFFERSPROC, glDrawBuffers)                            \
    X(PFNGLUNIFORM2FPROC, glUniform2f)                                \
    X(PFNGLUNIFORM4FPROC, glUniform4f)                                \
    X(PFNGLUNIFORM3FPROC, glUniform3f)                                \
    X(PFNGLUNIFORM2IPROC, glUniform2i)                                \
    X(PFNGLGETUNIFORMBLOCKINDEXPROC, glGetUniformBlockIndex)          \
    X(PFNGLGETACTIVEUNIFORMBLOCKIVPROC, glGetActiveUniformBlockiv)    \
    X(PFNGLGETATTRIBLOCATIONPROC, glGetAttribLocation)                \
    X(PFNGLVERTEXATTRIBPOINTERPROC, glVertexAttribPointer)

struct GlEntryPoints {
#define QUORVEL_DECLARE_SLOT(type, name) type name;
    QUORVEL_GL_ENTRY_POINTS(QUORVEL_DECLARE_SLOT)
#undef QUORVEL_DECLARE_SLOT
};

enum { GL_ENTRY_POINT_COUNT = 52 };

// The table; all slots null until loadGlEntryPoints runs.
extern GlEntryPoints gl;

// The names, NUL-terminated and back to back, in table order.
extern const char* const glEntryPointNames;

// Fetches the entry points in order and stops at the first one missing, leaving
// it and the later slots null. Returns 1 when all 52 were found.
int loadGlEntryPoints();

// Fills the table and creates the empty render-target list. Returns 1 on
// success, 0 when an entry point is missing. Neither argument is used.
int initGraphics(PlatformWindow* window, int unused);
