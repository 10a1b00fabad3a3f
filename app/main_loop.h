// One pass of the main loop, and the loop itself.
#pragma once

#include "app/shell_state.h"

// Steps the demo clock, starts the music once past 12 s, polls the music's
// notes, drains the message queue and draws a frame. Returns 1 when this is the
// last frame (the closing fade has finished). Does not swap buffers.
int runLoopPass();

// Runs passes, swapping buffers after each (the last one too), until the
// closing fade has finished.
void runMainLoop(WindowContext* context);
