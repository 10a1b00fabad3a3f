#include "demo/shell_state.h"

DisplayConfig displayConfig;

double clockStart = 0.0;
double demoTime = 0.0;
bool quitRequested = false;
double quitTime = 0.0;
bool fadeFinished = false;
