// X errors while the window and its GL context are made.
//
// Xlib's own handler for an X error ends the process. A GL driver that fails
// to load makes the server refuse the GL context that SDL makes when the
// first GL window is created, and the error would end the demo before the
// "Something went bang..." box. Counted instead, it is a window or context
// that could not be made.
#include "platform/sdl/sdl_window_state.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace {

int errors = 0;
XErrorHandler previous = nullptr;

int countError(Display*, XErrorEvent*) {
    ++errors;
    return 0;
}

}  // namespace

void sdlStartCountingXErrors() {
    errors = 0;
    previous = XSetErrorHandler(countError);
}

int sdlXErrorsSinceStart(SDL_Window* window) {
    // An error comes when Xlib next hears from the server: a round trip
    // brings those of every request made so far.
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (window && SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11) {
        XSync(info.info.x11.display, False);
    }
    XSetErrorHandler(previous);
    return errors;
}
