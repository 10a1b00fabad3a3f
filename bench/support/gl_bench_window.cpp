#include "bench/support/gl_bench_window.h"

#include "gfx/gl_entry_points.h"
#include "platform/platform.h"

namespace {

bool opened = false;

}  // namespace

bool openGlBenchWindow(int width, int height) {
    if (opened) return true;
    if (!platformStartWindowSystem("Quorvel")) return false;
    PlatformWindowRequest request = {};
    request.title = "Quorvel bench";
    request.width = width;
    request.height = height;
    request.pixelFormat = PixelFormatRequest{32, 32, 1};
    PlatformWindow* window = platformCreateWindow(request);
    PlatformSurface* surface = window ? platformGetSurface(window) : nullptr;
    PlatformGlContext* context = surface ? platformCreateGlContext(surface) : nullptr;
    if (!context || !platformMakeCurrent(surface, context) || !initGraphics(window, 0)) return false;
    opened = true;
    return true;
}

void finishGlWork() { glFinish(); }
