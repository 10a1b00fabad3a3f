// The music as the demo plays it: started once, at the show's MUSIC_START,
// and polled every frame for each track's note at the playback position.
#pragma once

#include "synth/frame_notes.h"

extern bool musicStarted;

// Starts rendering the song on its own thread and plays it as it is rendered.
void startMusic();

// The frame's notes at the playback position; none change before startMusic.
void pollMusicNotes(FrameNotes* notes);
