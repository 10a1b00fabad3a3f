// Screen, display mode, window and OpenGL context through SDL.
#include "platform/common/window_placement.h"
#include "platform/sdl/sdl_window_state.h"

#include <GL/gl.h>

namespace {

PlatformInstance instance;
PlatformWindow mainWindow;

// SDL switches the display mode together with a full-screen window (and puts
// it back when that window goes away), so a mode change is remembered here and
// applied when the window is created.
SDL_DisplayMode fullscreenMode;
bool fullscreenModeSet = false;

}  // namespace

// ---------------------------------------------------------------------------
// Window system and screen
// ---------------------------------------------------------------------------

PlatformInstance* platformStartWindowSystem(const char*) { return sdlConnectDisplay() ? &instance : nullptr; }

void platformStopWindowSystem(PlatformInstance*) {
    // The display connection stays, for the boxes that may still follow.
}

void platformPrimaryScreenSize(int* width, int* height) {
    *width = 0;
    *height = 0;
    if (!sdlConnectDisplay()) return;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        *width = mode.w;
        *height = mode.h;
    }
}

int platformChangeDisplayMode(int width, int height, int bitsPerPixel) {
    SDL_DisplayMode wanted = {};
    wanted.format = SDL_PIXELFORMAT_RGB888;
    wanted.w = width;
    wanted.h = height;
    SDL_DisplayMode found;
    if (!SDL_GetClosestDisplayMode(0, &wanted, &found)) return 0;
    // A pixel of 32 bits: SDL counts the unused byte of RGB888 out of its bits.
    if (found.w != width || found.h != height || static_cast<int>(SDL_BYTESPERPIXEL(found.format)) * 8 != bitsPerPixel) return 0;
    fullscreenMode = found;
    fullscreenModeSet = true;
    return 1;
}

void platformRestoreDisplayMode() {
    // The full-screen window has taken its mode with it when it was destroyed.
    fullscreenModeSet = false;
}

void platformShowCursor(int visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

// ---------------------------------------------------------------------------
// Window and pixel format
// ---------------------------------------------------------------------------

PlatformWindow* platformCreateWindow(const PlatformWindowRequest& request) {
    // SDL places and sizes a window by its client area; the window manager puts
    // its frame around that, outside the reckoning.
    int x = request.x, y = request.y;
    if (request.centred) {
        int screenWidth = 0, screenHeight = 0;
        platformPrimaryScreenSize(&screenWidth, &screenHeight);
        x = centredCorner(screenWidth, request.width);
        y = centredCorner(screenHeight, request.height);
    }
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (request.topmost) flags |= SDL_WINDOW_ALWAYS_ON_TOP;
    if (request.fullscreen) flags |= SDL_WINDOW_BORDERLESS;

    // The pixel format is fixed when the window is made: ask for the depth the
    // request names and step down to what the driver has, nearest first.
    const int depthChoices[] = {request.pixelFormat.depthBits, 24, 16};
    SDL_Window* window = nullptr;
    int depthBits = 0;
    sdlStartCountingXErrors();
    for (int depth : depthChoices) {
        if (depth > request.pixelFormat.depthBits) continue;
        SDL_GL_ResetAttributes();
        SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
        SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth);
        SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, request.pixelFormat.doubleBuffer);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
        window = SDL_CreateWindow(request.title, x, y, request.width, request.height, flags);
        if (window) {
            depthBits = depth;
            break;
        }
    }
    if (sdlXErrorsSinceStart(window) || !window) {
        if (window) SDL_DestroyWindow(window);
        return nullptr;
    }

    if (request.fullscreen) {
        if (fullscreenModeSet) SDL_SetWindowDisplayMode(window, &fullscreenMode);
        if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
            SDL_DestroyWindow(window);
            return nullptr;
        }
    }
    if (!request.hidden) SDL_ShowWindow(window);
    SDL_DisableScreenSaver();

    mainWindow = PlatformWindow{window, depthBits, request.pixelFormat.doubleBuffer};
    return &mainWindow;
}

void platformDestroyWindow(PlatformWindow* window) {
    if (!window || !window->sdlWindow) return;
    SDL_DestroyWindow(window->sdlWindow);
    window->sdlWindow = nullptr;
}

PlatformSurface* platformGetSurface(PlatformWindow* window) {
    // GL draws straight on the SDL window: the window is its own surface.
    return window && window->sdlWindow ? reinterpret_cast<PlatformSurface*>(window) : nullptr;
}

void platformReleaseSurface(PlatformWindow*, PlatformSurface*) {}

int platformCheckPixelFormat(PlatformSurface* surface, const PixelFormatRequest& request, PixelFormatInfo* info) {
    const PlatformWindow* window = reinterpret_cast<const PlatformWindow*>(surface);
    if (!window || !window->sdlWindow) return 0;
    info->colorBits = 32;
    info->depthBits = window->depthBits;
    info->doubleBuffer = window->doubleBuffer;
    return window->depthBits > 0 && window->doubleBuffer == request.doubleBuffer;
}

void platformClientSize(PlatformWindow* window, int* width, int* height) {
    SDL_GL_GetDrawableSize(window->sdlWindow, width, height);
}

void platformBringToFront(PlatformWindow* window) {
    SDL_RaiseWindow(window->sdlWindow);
    SDL_SetWindowInputFocus(window->sdlWindow);
}

// ---------------------------------------------------------------------------
// OpenGL context
// ---------------------------------------------------------------------------

PlatformGlContext* platformCreateGlContext(PlatformSurface* surface) {
    PlatformWindow* window = reinterpret_cast<PlatformWindow*>(surface);
    if (!window || !window->sdlWindow) return nullptr;
    sdlStartCountingXErrors();
    SDL_GLContext context = SDL_GL_CreateContext(window->sdlWindow);
    if (sdlXErrorsSinceStart(window->sdlWindow) && context) {
        SDL_GL_DeleteContext(context);
        context = nullptr;
    }
    return static_cast<PlatformGlContext*>(context);
}

int platformMakeCurrent(PlatformSurface* surface, PlatformGlContext* context) {
    PlatformWindow* window = reinterpret_cast<PlatformWindow*>(surface);
    return SDL_GL_MakeCurrent(window ? window->sdlWindow : nullptr, context) == 0;
}

void platformDeleteGlContext(PlatformGlContext* context) { SDL_GL_DeleteContext(context); }

void platformSwapBuffers(PlatformSurface* surface) {
    SDL_GL_SwapWindow(reinterpret_cast<PlatformWindow*>(surface)->sdlWindow);
}
