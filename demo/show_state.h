// The show's whole state: everything one frame carries to the next. One
// record with one reset, so that whoever plays the show can put it back to
// its start and replay it to any frame.
#pragma once

#include "demo/post/post.h"
#include "demo/sponge/sponge_cues.h"
#include "gfx/random.h"

struct ShowState {
    PostState post;       // the old-screen pass: fade, flash, lens, distortion
    SpongeCues sponge;    // the sponge's music-cued values
    Random spongeRandom;  // the generator behind the sponge's draws
    bool quitRequested;   // a quit has come: the closing fade runs
    double quitTime;      // the demo clock at the (latest) quit
    bool fadeFinished;    // the closing fade is complete: the run ends after this frame
};

// As at the start of a run: no quit, every generator at its seed.
void resetShowState(ShowState* show);
