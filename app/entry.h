// The program's life from the start-up question to the end of the closing fade.
#pragma once

#include "app/main_loop.h"

// Asks the question, builds the window, the entry points and the demo, runs the
// main loop and tears the window down. Returns the exit code (always 0); any
// start-up failure has been reported with one warning box by then. `demo` is the
// show to run.
int runQuorvel(const DemoHooks& demo);
