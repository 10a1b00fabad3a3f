// The ray-marched sponge behind the letterbox, from 10 s on.
#pragma once

#include "demo/sponge_cues.h"

// The cue values of the whole run, changed only by drawSponge.
extern SpongeCues spongeCues;

// One sponge frame into the bound target: updates the music-cued values once
// and draws the full-viewport rectangle with the "Fract" program. Leaves the
// depth test on and no program current.
void drawSponge(float t);
