// OpenGL entry points of the current context.
#include "platform/common/gl_availability.h"
#include "platform/platform.h"

#include <windows.h>
#include <GL/gl.h>

namespace {

// Some drivers answer a name they do not have with a small number instead of null.
bool isEntryPoint(PROC address) {
    intptr_t value = reinterpret_cast<intptr_t>(address);
    return value != 0 && value != 1 && value != 2 && value != 3 && value != -1;
}

}  // namespace

void* platformGetGlProcAddress(const char* name) {
    PROC address = wglGetProcAddress(name);
    if (!isEntryPoint(address)) {
        // wglGetProcAddress knows nothing of OpenGL 1.1: opengl32 exports those.
        HMODULE opengl32 = GetModuleHandleA("opengl32.dll");
        return opengl32 ? reinterpret_cast<void*>(GetProcAddress(opengl32, name)) : nullptr;
    }
    // A driver may hand out an address for a name its context does not offer;
    // the context's version and extensions decide.
    int major = 0, minor = 0;
    parseGlVersion(reinterpret_cast<const char*>(glGetString(GL_VERSION)), &major, &minor);
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (!glEntryPointProvided(name, major, minor, extensions)) return nullptr;
    return reinterpret_cast<void*>(address);
}
