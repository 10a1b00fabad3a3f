// The little of the platform layer that the sponge pass needs, over EGL: entry
// points by name, and boxes as lines on standard error.
#include "platform/platform.h"

#include <EGL/egl.h>

#include <cstdio>

void* platformGetGlProcAddress(const char* name) { return reinterpret_cast<void*>(eglGetProcAddress(name)); }

void platformShowWarningBox(const char* text) { std::fprintf(stderr, "warning: %s\n", text); }

void platformShowErrorBox(const char* text) { std::fprintf(stderr, "error: %s\n", text); }
