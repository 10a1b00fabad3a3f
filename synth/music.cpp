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

void startMusic() {
    // Playback arrives with the synthesizer; until then the music is silent.
    musicStarted = true;
}

void pollMusicNotes() {
    if (!musicStarted) return;
}
