// The ray-marched sponge behind the letterbox, after the logo.
#pragma once

#include "demo/sponge/sponge_cues.h"

// The cue values of the whole run, changed only by advanceSponge.
extern SpongeCues spongeCues;

// Puts the cues back as at the start of a run.
void resetSponge();

// One sponge frame into the bound target: advanceSponge, then drawSpongeRays.
void drawSponge(float t, const FrameNotes& notes);

// Updates the music-cued values once; a frame that is skipped (drawn into no
// picture) does only this.
void advanceSponge(float t, const FrameNotes& notes);

// Draws the full-viewport rectangle with the "Fract" program and the values
// advanceSponge left. Leaves the depth test on and no program current.
void drawSpongeRays(float t);
