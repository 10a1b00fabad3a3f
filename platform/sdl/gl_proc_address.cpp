// OpenGL entry points of the current context.
#include "platform/common/gl_availability.h"
#include "platform/platform.h"

#include <GL/gl.h>
#include <SDL.h>

void* platformGetGlProcAddress(const char* name) {
    // SDL_GL_GetProcAddress (glXGetProcAddress underneath) returns a dispatch
    // stub for any name at all, so ask the context what it really offers.
    int major = 0, minor = 0;
    parseGlVersion(reinterpret_cast<const char*>(glGetString(GL_VERSION)), &major, &minor);
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!glEntryPointProvided(name, major, minor, extensions)) return nullptr;
    return SDL_GL_GetProcAddress(name);
}
