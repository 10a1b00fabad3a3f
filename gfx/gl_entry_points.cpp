#include "gfx/gl_entry_points.h"

#include "gfx/render_target.h"
#include "platform/platform.h"

#include <cstring>

GlEntryPoints gl;

#define QUORVEL_NAME_OF_SLOT(type, name) #name "\0"
const char* const glEntryPointNames = QUORVEL_GL_ENTRY_POINTS(QUORVEL_NAME_OF_SLOT);
#undef QUORVEL_NAME_OF_SLOT

static_assert(sizeof(GlEntryPoints) == GL_ENTRY_POINT_COUNT * sizeof(void*),
              "the table is 52 pointer slots, no more, no less");

int loadGlEntryPoints() {
    const char* name = glEntryPointNames;
    unsigned char* slots = reinterpret_cast<unsigned char*>(&gl);
    for (int slot = 0; slot < GL_ENTRY_POINT_COUNT; ++slot) {
        void* entryPoint = platformGetGlProcAddress(name);
        std::memcpy(slots + slot * sizeof(void*), &entryPoint, sizeof(void*));
        if (!entryPoint) return 0;
        name += std::strlen(name) + 1;
    }
    return 1;
}

int initGraphics(PlatformWindow*, int) {
    if (!loadGlEntryPoints()) return 0;
    // Without its record the list stays null; start-up goes on all the same.
    renderTargets = createPointerList(10);
    return 1;
}
