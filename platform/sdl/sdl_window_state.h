// What the SDL backend's window, display and box code share.
#pragma once

#include "platform/platform.h"

#include <SDL.h>

struct PlatformWindow {
    SDL_Window* sdlWindow;
    int depthBits;     // the depth the pixel format was chosen with
    int doubleBuffer;  // 1 when the pixel format is double-buffered
};

// The window system is the display connection; the handle is a token.
struct PlatformInstance {
    char unused;
};

// Opens the connection to the window system once (1 on success); refuses a
// driver that shows no window to a person. Held until the process ends
// (platformExitProcess closes it with the rest of SDL).
int sdlConnectDisplay();

// Around the making of the window and of its GL context: X errors are
// counted instead of ending the process (the count comes after a round trip
// to the window's display, and Xlib's handler is back).
void sdlStartCountingXErrors();
int sdlXErrorsSinceStart(SDL_Window* window);

// Around every box: a termination signal while it is shown ends the program
// at once (exit code 0), and takes the box's own process with it.
void sdlBeginBox();
void sdlEndBox();
