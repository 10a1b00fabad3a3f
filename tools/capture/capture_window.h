// Where the capture draws: a window that is never shown, at the capture's
// size, with the demo's pixel format, a current context and the entry points.
// Frames are read back from its back buffer before the swap.
#pragma once

#include "app/app_window.h"

#include <string>

// Opens the window system, checks the size against the GL limits (on a small
// probe window first, so that an impossible size is refused before a window
// that size is asked for), then opens the window. Returns 1, or 0 with the
// reason in *error; what was opened is left in the record for closing.
int openCaptureWindow(int width, int height, WindowContext* context, std::string* error);

void closeCaptureWindow(WindowContext* context);
