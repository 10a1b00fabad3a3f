// The demo's one window and its OpenGL context.
#pragma once

#include "demo/shell_state.h"
#include "platform/platform.h"

// The window, its surface and context, and the display they were made for.
struct WindowContext {
    PlatformInstance* instance;
    PlatformWindow* window;
    PlatformSurface* deviceContext;
    PlatformGlContext* glContext;
    DisplayConfig* display;
};

// Builds the window, its pixel format and a current context from context.display.
// Returns 1 when all exist; 0 at the first step that fails, with what was made
// so far left in the record.
int createAppWindow(WindowContext* context);

// Releases whatever createAppWindow built, also when it stopped half-way.
void destroyAppWindow(WindowContext* context);

// In the started window system: the window `request` asks for, with the
// demo's title and pixel format whatever the request holds, its surface, the
// pixel format check and a current context. The demo's window and the
// capture's hidden one both come from here. Returns 1 when all exist; 0 at the
// first step that fails, with what was made so far left in the record.
int openGlWindow(PlatformWindowRequest request, WindowContext* context);

// Releases what openGlWindow made, also when it stopped half-way, and clears
// those fields; the window system keeps running.
void closeGlWindow(WindowContext* context);

// Escape and the window's close ask for the quit that starts the closing fade;
// nothing else the window system tells has a meaning for the show.
void answerWindowEvent(const PlatformEvent& event);
