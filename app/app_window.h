// The demo's one window and its OpenGL context.
#pragma once

#include "app/shell_state.h"
#include "platform/platform.h"

// Builds the window, its pixel format and a current context from context.display.
// Returns 1 when all exist; 0 at the first step that fails, with what was made
// so far left in the record.
int createAppWindow(WindowContext* context);

// Releases whatever createAppWindow built, also when it stopped half-way.
void destroyAppWindow(WindowContext* context);

// Escape and the close request become the quit message; screen-saver and
// monitor power-off requests are refused.
intptr_t windowProc(PlatformWindow* window, const PlatformMessage& message);
