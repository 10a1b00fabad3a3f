// The show: built once at start-up, then drawn one frame per pass of the loop.
#pragma once

#include "demo/shell_state.h"
#include "demo/show_state.h"
#include "synth/frame_notes.h"

// Builds every drawing object, sets the fixed GL state and the projection.
// Returns 1 when everything was built.
int startDemo(const LoadProgress& progress, DisplayConfig* display);

// What drawFrame does with the picture. A skipped frame steps the same state
// in the same order as a drawn one (sponge cues and their generator, fade,
// flash, lens, distortion) and draws only what outlives it in sceneTarget:
// the overlay, the banner and the text. The logo, the sponge's rays (the next
// drawn frame covers their whole band again) and the old-screen pass into the
// window are left out. For skipping ahead to a later frame cheaply.
enum FramePicture {
    PICTURE_DRAWN,
    PICTURE_SKIPPED,
};

// Draws one frame into the window for `time` on the demo clock (seconds since
// the first frame) and the music's notes as this frame's poll found them, and
// steps the show's state to the next frame. Always returns 0: only the closing
// fade ends the demo (through show->fadeFinished).
int drawFrame(ShowState* show, double time, const FrameNotes& notes, FramePicture picture);
