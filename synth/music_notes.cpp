// The note events as the rest of the program reads them: a file of their own,
// so that a program which only reads them (a benchmark of a room) links no
// sound output.
#include "synth/music.h"

bool musicStarted = false;
int32_t trackNote[NOTE_TRACKS];
uint8_t noteSeen[NOTE_TRACKS];

void clearMusicNotes() {
    for (int t = 0; t < NOTE_TRACKS; ++t) {
        trackNote[t] = 0;
        noteSeen[t] = 0;
    }
}
