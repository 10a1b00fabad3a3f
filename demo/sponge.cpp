#include "demo/sponge.h"

// Filled in with the sponge scene; until then nothing is drawn.
void drawSponge(float) {}
