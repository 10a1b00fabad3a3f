#include "tools/capture/capture_window.h"

#include "app/app_window.h"
#include "gfx/gl_entry_points.h"
#include "platform/platform.h"

#include <GL/gl.h>
#include <algorithm>

namespace {

const int PROBE_SIZE = 16;

// The demo's window, hidden and at exactly the capture's size.
int openHiddenWindow(int width, int height, WindowContext* context) {
    PlatformWindowRequest request = {};
    request.width = width;
    request.height = height;
    request.hidden = 1;
    return openGlWindow(request, context);
}

// The largest picture the context can draw: the window's viewport, and the
// scene target, a texture of the window's size.
bool largestPicture(WindowContext* context, int* width, int* height) {
    WindowContext probe = *context;
    if (!openHiddenWindow(PROBE_SIZE, PROBE_SIZE, &probe)) {
        closeGlWindow(&probe);
        return false;
    }
    GLint viewport[2] = {0, 0};
    GLint texture = 0;
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &texture);
    *width = std::min(viewport[0], texture);
    *height = std::min(viewport[1], texture);
    closeGlWindow(&probe);
    return true;
}

}  // namespace

int openCaptureWindow(int width, int height, WindowContext* context, std::string* error) {
    context->instance = platformStartWindowSystem("Quorvel");
    if (!context->instance) {
        *error = "no window system: quorvel-capture needs an X display (is DISPLAY set?)";
        return 0;
    }
    int largestWidth = 0, largestHeight = 0;
    if (!largestPicture(context, &largestWidth, &largestHeight)) {
        *error = "no OpenGL context with the demo's pixel format (RGBA, depth, double-buffered)";
        return 0;
    }
    if (width > largestWidth || height > largestHeight) {
        *error = "--size " + std::to_string(width) + "x" + std::to_string(height) +
                 " is beyond what this OpenGL draws: at most " + std::to_string(largestWidth) + "x" +
                 std::to_string(largestHeight) + " (GL_MAX_VIEWPORT_DIMS, GL_MAX_TEXTURE_SIZE)";
        return 0;
    }
    if (!openHiddenWindow(width, height, context)) {
        *error = "cannot open a hidden " + std::to_string(width) + "x" + std::to_string(height) +
                 " window with an OpenGL context";
        return 0;
    }
    int drawnWidth = 0, drawnHeight = 0;
    platformClientSize(context->window, &drawnWidth, &drawnHeight);
    if (drawnWidth != width || drawnHeight != height) {
        *error = "the window system gave a " + std::to_string(drawnWidth) + "x" + std::to_string(drawnHeight) +
                 " window for --size " + std::to_string(width) + "x" + std::to_string(height);
        return 0;
    }
    if (!initGraphics(context->window, 0)) {
        *error = "the OpenGL context lacks an entry point the demo needs";
        return 0;
    }
    return 1;
}

void closeCaptureWindow(WindowContext* context) {
    closeGlWindow(context);
    platformStopWindowSystem(context->instance);
    context->instance = nullptr;
}
