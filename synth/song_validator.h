// Checks a song against everything the engine relies on, once, before it is
// rendered: the engine itself checks nothing while it runs.
#pragma once

#include "synth/song.h"

#include <cstdint>

struct SongFault {
    int32_t instrument;  // 0-11 tracks, 12 the master; -1 when not an instrument's fault
    int32_t unit;        // unit of that instrument, from 0; -1 when not a unit's fault
    char message[200];   // names the instrument, the unit and the fault
};

// 1 if the engine can render the song; 0 with the first fault found.
int validateSong(const Song& song, SongFault* fault);

// "OP_ENVELOPE" and so on; "opcode?" for values that are no unit.
const char* unitName(uint8_t opcode);
