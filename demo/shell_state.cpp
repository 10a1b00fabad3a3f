#include "demo/shell_state.h"

DisplayConfig displayConfig;

bool quitRequested = false;
double quitTime = 0.0;
bool fadeFinished = false;
