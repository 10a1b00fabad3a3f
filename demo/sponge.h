// The ray-marched sponge behind the letterbox, from 10 s on.
#pragma once

// One sponge frame into the bound target: updates the music-cued values once
// and draws the full-viewport rectangle with the "Fract" program. Leaves the
// depth test on and no program current.
void drawSponge(float t);
