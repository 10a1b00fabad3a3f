// The ray-marched sponge behind the letterbox, after the logo.
#pragma once

#include "demo/sponge/sponge_cues.h"

// Updates the music-cued values once, drawing from `random`; a frame that is
// skipped (drawn into no picture) does only this.
void advanceSponge(SpongeCues* cues, Random* random, float t, const FrameNotes& notes);

// Draws the full-viewport rectangle with the "Fract" program and the values
// advanceSponge left. Leaves the depth test on and no program current.
void drawSpongeRays(const SpongeCues& cues, float t);
