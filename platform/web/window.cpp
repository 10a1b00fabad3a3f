// The window is a canvas on the page, its surface the canvas itself and its
// context a WebGL 2 context, which the GL 1.1 layer (gl11/) makes into what
// the demo draws with. Full screen is the page's stage element in the
// browser's full screen, at the screen's size; the window system is the
// page's listeners for keys and full screen.
#include "platform/platform.h"
#include "platform/web/gl11/gl11_entry_points.h"
#include "platform/web/gl11/gl11_state.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5_webgl.h>

// clang-format off
EM_JS(void, quorvelScreenSize, (int* width, int* height), {
    var ratio = window.devicePixelRatio || 1;
    HEAP32[width >> 2] = Math.round(screen.width * ratio);
    HEAP32[height >> 2] = Math.round(screen.height * ratio);
});
EM_JS(void, quorvelStartWindowSystem, (), { QuorvelWeb.startWindowSystem(); });
EM_JS(void, quorvelStopWindowSystem, (), { QuorvelWeb.stopWindowSystem(); });
EM_JS(int, quorvelRequestFullscreen, (), { return QuorvelWeb.requestFullscreen(); });
EM_JS(void, quorvelRestoreDisplay, (), { QuorvelWeb.restoreDisplay(); });
EM_JS(void, quorvelShowCursor, (int visible), { QuorvelWeb.page.stage.style.cursor = visible ? "" : "none"; });
EM_JS(void, quorvelCreateCanvas, (int width, int height, int hidden), {
    QuorvelWeb.createCanvas(width, height, hidden);
});
EM_JS(void, quorvelRemoveCanvas, (), { QuorvelWeb.removeCanvas(); });
EM_JS(void, quorvelNoWebGl2, (), { QuorvelWeb.page.failureCause = 'this browser has no WebGL 2'; });
EM_ASYNC_JS(void, quorvelNextFrame, (), { await QuorvelWeb.nextFrame(); });
// clang-format on

// The handles the program holds are these tokens: there is one of each.
struct PlatformInstance {
    char unused;
};
struct PlatformWindow {
    int width, height;
};
struct PlatformSurface {
    char unused;
};

namespace {

PlatformInstance instance;
PlatformWindow canvasWindow;
PlatformSurface canvasSurface;

}  // namespace

void platformPrimaryScreenSize(int* width, int* height) { quorvelScreenSize(width, height); }

PlatformInstance* platformStartWindowSystem(const char*) {
    quorvelStartWindowSystem();
    return &instance;
}

void platformStopWindowSystem(PlatformInstance*) { quorvelStopWindowSystem(); }

// The browser decides on its own whether to grant full screen; the request is
// all a page can make. Without it the canvas still has the screen's size.
int platformChangeDisplayMode(int, int, int) { return quorvelRequestFullscreen(); }

void platformRestoreDisplayMode() { quorvelRestoreDisplay(); }

void platformShowCursor(int visible) { quorvelShowCursor(visible); }

// A canvas has no frame, and the page places it: the request's size is all it takes.
PlatformWindow* platformCreateWindow(const PlatformWindowRequest& request) {
    quorvelCreateCanvas(request.width, request.height, request.hidden);
    canvasWindow = PlatformWindow{request.width, request.height};
    return &canvasWindow;
}

void platformDestroyWindow(PlatformWindow*) { quorvelRemoveCanvas(); }

PlatformSurface* platformGetSurface(PlatformWindow*) { return &canvasSurface; }

void platformReleaseSurface(PlatformWindow*, PlatformSurface*) {}

// What the context is asked for below: RGB with depth, double-buffered (a
// canvas shows a frame once the program hands control back).
int platformCheckPixelFormat(PlatformSurface*, const PixelFormatRequest&, PixelFormatInfo* info) {
    *info = PixelFormatInfo{32, 24, 1};
    return 1;
}

PlatformGlContext* platformCreateGlContext(PlatformSurface*) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = emscripten_webgl_create_context("#canvas", &attributes);
    // Without WebGL 2 there is no context, and start-up fails.
    if (context <= 0) {
        quorvelNoWebGl2();
        return nullptr;
    }
    resetGl11State();
    resetGl11Programs();
    return reinterpret_cast<PlatformGlContext*>(context);
}

int platformMakeCurrent(PlatformSurface* surface, PlatformGlContext* context) {
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE handle = surface ? reinterpret_cast<EMSCRIPTEN_WEBGL_CONTEXT_HANDLE>(context) : 0;
    return emscripten_webgl_make_context_current(handle) == EMSCRIPTEN_RESULT_SUCCESS ? 1 : 0;
}

void platformDeleteGlContext(PlatformGlContext* context) {
    emscripten_webgl_destroy_context(reinterpret_cast<EMSCRIPTEN_WEBGL_CONTEXT_HANDLE>(context));
}

// The browser shows what was drawn once the program hands control back; the
// program goes on at the next animation frame.
void platformSwapBuffers(PlatformSurface*) { quorvelNextFrame(); }

void platformBringToFront(PlatformWindow*) {}

void platformClientSize(PlatformWindow* window, int* width, int* height) {
    *width = window->width;
    *height = window->height;
}
