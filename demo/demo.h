// The show: built once at start-up, then drawn one frame per pass of the loop.
#pragma once

#include "app/shell_state.h"

// Builds every drawing object, sets the fixed GL state and the projection.
// Returns 1 when everything was built.
int startDemo(const LoadProgress& progress, DisplayConfig* display);

// Draws one frame for demoTime into the window. Always returns 0: only the
// closing fade ends the demo (through fadeFinished).
int drawFrame();
