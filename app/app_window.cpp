#include "app/app_window.h"

namespace {

const char* const WINDOW_NAME = "Quorvel";

const PixelFormatRequest PIXEL_FORMAT = {32, 32, 1};  // RGBA, 32-bit depth asked, double-buffered

}  // namespace

int createAppWindow(WindowContext* context) {
    const DisplayConfig& display = *context->display;

    context->instance = platformStartWindowSystem(WINDOW_NAME);
    if (!context->instance) return 0;

    if (display.fullscreen == 1) {
        if (!platformChangeDisplayMode(display.width, display.height, 32)) return 0;
        platformShowCursor(0);
    }

    PlatformWindowRequest request = {};
    request.centred = 1;
    request.width = display.width;
    request.height = display.height;
    request.fullscreen = display.fullscreen;
    request.topmost = display.fullscreen ? 0 : 1;
    if (!openGlWindow(request, context)) return 0;

    platformBringToFront(context->window);
    return 1;
}

void destroyAppWindow(WindowContext* context) {
    closeGlWindow(context);
    platformStopWindowSystem(context->instance);
    // Also after a refused mode change: whatever was asked for is undone.
    if (context->display && context->display->fullscreen == 1) {
        platformRestoreDisplayMode();
        platformShowCursor(1);
    }
}

int openGlWindow(PlatformWindowRequest request, WindowContext* context) {
    request.title = WINDOW_NAME;
    request.pixelFormat = PIXEL_FORMAT;
    context->window = platformCreateWindow(request);
    if (!context->window) return 0;

    context->deviceContext = platformGetSurface(context->window);
    if (!context->deviceContext) return 0;

    PixelFormatInfo format;
    if (!platformCheckPixelFormat(context->deviceContext, PIXEL_FORMAT, &format)) return 0;

    context->glContext = platformCreateGlContext(context->deviceContext);
    return context->glContext && platformMakeCurrent(context->deviceContext, context->glContext);
}

void closeGlWindow(WindowContext* context) {
    if (context->glContext) {
        platformMakeCurrent(nullptr, nullptr);
        platformDeleteGlContext(context->glContext);
    }
    if (context->deviceContext) platformReleaseSurface(context->window, context->deviceContext);
    if (context->window) platformDestroyWindow(context->window);
    context->glContext = nullptr;
    context->deviceContext = nullptr;
    context->window = nullptr;
}

void answerWindowEvent(const PlatformEvent& event) {
    // The window stays on a close: the closing fade still has to play in it.
    const bool escape = event.kind == EVENT_KEY_DOWN && event.key == KEY_ESCAPE;
    if (escape || event.kind == EVENT_CLOSE) platformRequestQuit();
}
