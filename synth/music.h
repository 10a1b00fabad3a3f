// The music as the rest of the program sees it: started once, at the show's
// MUSIC_START, and polled every frame for each track's note at the playback
// position.
#pragma once

#include <cstdint>

enum { NOTE_TRACKS = 16 };  // tracks 12 to 15 do not exist and always read 0

extern bool musicStarted;
// For each track, the note at the last polled playback position; 0 = none.
extern int32_t trackNote[NOTE_TRACKS];
// 0 = the track's note changed at a poll since the flags were last set to 1.
extern uint8_t noteSeen[NOTE_TRACKS];

// Sets every trackNote and noteSeen entry to 0, before the first frame.
void clearMusicNotes();

// Starts rendering the song on its own thread and plays it as it is rendered.
void startMusic();

// Turns the playback position into note events; does nothing before startMusic.
void pollMusicNotes();
// The same for a position in sample frames of the song, whoever plays it.
void pollMusicNotesAt(uint32_t position);
