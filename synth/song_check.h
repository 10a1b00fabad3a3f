// Where the validator's walk through a song stands, and how a check made on
// the way reports: by the unit table's checks of a unit's parameter bytes
// (unit_table.cpp) as by the validator's own.
#pragma once

#include "synth/song.h"

#include <cstdint>

struct SongFault;
struct SongWarnings;

struct SongCheck {
    const Song& song;
    SongFault* fault;
    SongWarnings* warnings;
    int32_t instrument = -1;  // -1 outside the instruments
    int32_t unit = -1;        // -1 outside a unit
    uint8_t opcode = OP_END;
    int32_t poolLines = 0;    // delay pool records that the delay units so far take, DC blockers not counted
};

// The song is refused for the fault, named with where the walk stands;
// returns 0.
__attribute__((format(printf, 2, 3))) int rejectSong(const SongCheck& check, const char* format, ...);

// Notes a legal but unusual value; the walk goes on.
__attribute__((format(printf, 2, 3))) void warnSong(const SongCheck& check, const char* format, ...);
