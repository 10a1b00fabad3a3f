// The tracker step: one row of the song applied to one track's voice, in a
// voice area (SynthState::voiceArea, or a copy of it).
#pragma once

#include "synth/song.h"
#include "synth/synth_state.h"

// Note byte 1 holds; 0 or negative releases (the release counter grows, which
// sends every envelope of the voice to its release); 2 to 127 is a hard
// restart: words 0-257 cleared, the note set. The output words stay.
void sequencerRowStep(const Song& song, uint32_t* voiceArea, int32_t track, int32_t row);
