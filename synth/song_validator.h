// Checks a song against everything the engine relies on, once, before it is
// rendered: the engine itself checks nothing while it runs. A song is
// rejected only for what would make the engine read or write outside its
// memory, or for bytes the format has no meaning for; a value that is legal
// but unusual (a drive that bends the curve through a pole, values left on
// the stack) is accepted with a warning, and the song renders as written.
#pragma once

#include "synth/song.h"

#include <cstdint>

struct SongFault {
    int32_t instrument;  // 0-11 tracks, 12 the master; -1 when not an instrument's fault
    int32_t unit;        // unit of that instrument, from 0; -1 when not a unit's fault
    char message[200];   // names the instrument, the unit and the fault
};

enum { MAX_SONG_WARNINGS = 16 };

struct SongWarnings {
    int32_t count;  // every warning found; the first MAX_SONG_WARNINGS are kept
    SongFault first[MAX_SONG_WARNINGS];
};

// 1 if the engine can render the song; 0 with the first fault found. The
// warnings found up to there go to `warnings` when it is given.
int validateSong(const Song& song, SongFault* fault, SongWarnings* warnings = nullptr);

// "OP_ENVELOPE" and so on; "opcode?" for values that are no unit.
const char* unitName(uint8_t opcode);
