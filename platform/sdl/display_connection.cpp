// The one connection to the window system, held from the start-up question
// until the process ends, past the last box.
//
// It is opened once and never closed and reopened: an X server that resets
// when its last client leaves (Xvfb, or a display manager's server at the end
// of a login) would still be resetting when we came back, and SDL would then
// fall back quietly to a driver that shows nothing, or a box that opens a
// connection of its own after the window has gone ("Something went bang...")
// would find no server and never show.
#include "platform/sdl/sdl_window_state.h"

#include <cstring>

namespace {

bool connected = false;
bool absent = false;  // tried for a second and given up: not tried again

// Drivers that run without a screen: a demo on one of them plays to nobody
// and never ends, so they count as no window system at all.
bool showsWindowsToAPerson(const char* driver) {
    const char* const headless[] = {"offscreen", "dummy", "evdev"};
    if (!driver) return false;
    for (const char* name : headless) {
        if (std::strcmp(driver, name) == 0) return false;
    }
    return true;
}

// An X server that has just lost its last client resets, and turns away
// whoever comes in at that moment; one that is starting does not answer yet.
// A display that is named is tried for a second before it counts as absent.
const int CONNECT_ATTEMPTS = 20;
const Uint32 CONNECT_RETRY_MS = 50;

bool variableSet(const char* name) {
    const char* value = SDL_getenv(name);
    return value && *value;
}

bool displayNamed() { return variableSet("DISPLAY") || variableSet("WAYLAND_DISPLAY"); }

// A display named for one window system only is that system's: SDL is told
// to try its driver alone, so that while the server does not answer it does
// not go on to the other one, whose library complains on standard error
// each time. (SDL_VIDEODRIVER, where the user sets it, still decides.)
void preferTheNamedSystem() {
    const bool x = variableSet("DISPLAY"), wayland = variableSet("WAYLAND_DISPLAY");
    if (x != wayland) SDL_SetHint(SDL_HINT_VIDEODRIVER, x ? "x11" : "wayland");
}

bool connectOnce() {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    if (showsWindowsToAPerson(SDL_GetCurrentVideoDriver())) return true;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return false;
}

}  // namespace

int sdlConnectDisplay() {
    if (connected) return 1;
    if (absent) return 0;
    // Closing the window must reach the program as a close event and
    // not end anything by itself; the screen saver stays off while we run.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
    preferTheNamedSystem();
    for (int attempt = 1; !connectOnce(); ++attempt) {
        if (!displayNamed() || attempt == CONNECT_ATTEMPTS) {
            absent = true;
            return 0;
        }
        SDL_Delay(CONNECT_RETRY_MS);
    }
    connected = true;
    return 1;
}
