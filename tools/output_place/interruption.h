// Ctrl+C, a kill or a closed terminal while a tool writes: instead of ending
// the process where it stands (and leaving its staged files), the signal is
// noted, and the tool stops at its next check and removes what it staged.
#pragma once

#include <csignal>

// Set by the handlers.
extern volatile sig_atomic_t interruptedBySignal;

// Catches SIGINT, SIGTERM and SIGHUP from now on, those not ignored.
void catchInterruptions();
