// The note arrays that the music's poll fills, without the music itself: the
// tests write the cues they need.
#include "synth/music.h"

bool musicStarted = false;
int32_t trackNote[NOTE_TRACKS];
uint8_t noteSeen[NOTE_TRACKS];
