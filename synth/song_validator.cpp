#include "synth/song_validator.h"

#include "synth/song_check.h"
#include "synth/unit_reader.h"

#include <cstdarg>
#include <cstdio>

namespace {

void describe(const SongCheck& walk, SongFault& fault, const char* format, va_list args) {
    fault.instrument = walk.instrument;
    fault.unit = walk.unit;
    // "instrument 3, unit 5 (OP_STACK): " or "master instrument: ", then the fault.
    char* message = fault.message;
    const int size = sizeof fault.message;
    int used = 0;
    if (walk.instrument == MASTER_VOICE) {
        used = std::snprintf(message, size, "master instrument");
    } else if (walk.instrument >= 0) {
        used = std::snprintf(message, size, "instrument %d", walk.instrument);
    }
    if (walk.instrument >= 0 && walk.unit >= 0) {
        used += std::snprintf(message + used, size - used, ", unit %d (%s)", walk.unit, unitName(walk.opcode));
    }
    if (walk.instrument >= 0) used += std::snprintf(message + used, size - used, ": ");
    std::vsnprintf(message + used, size - used, format, args);
}

int checkOrderLists(const SongCheck& walk) {
    const Song& song = walk.song;
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        for (int32_t position = 0; position < ORDER_POSITIONS; ++position) {
            const uint8_t pattern = song.orderList[ORDER_POSITIONS * track + position];
            if (pattern >= song.patternCount) {
                return rejectSong(walk, "track %d, order position %d: pattern %d does not exist (the song has %d)",
                                  track, position, pattern, song.patternCount);
            }
        }
    }
    return 1;
}

int checkInstruments(SongCheck& walk) {
    const Song& song = walk.song;
    UnitReader reader = unitReader(song);
    for (walk.instrument = 0; walk.instrument < VOICE_COUNT; ++walk.instrument) {
        int32_t depth = 0;
        int32_t firstOpcode = OP_END;
        for (walk.unit = 0;; ++walk.unit) {
            const UnitRead read = readUnit(reader);
            walk.opcode = reader.opcode;
            if (read == READ_STREAM_END) {
                walk.unit = -1;
                return rejectSong(walk, "the unit stream ends before the list's end byte");
            }
            if (read == READ_LIST_END) break;
            if (read == READ_NO_UNIT) return rejectSong(walk, "opcode %d is not a unit", walk.opcode);
            if (walk.unit == MAX_UNITS) return rejectSong(walk, "the list holds more than %d units", MAX_UNITS);
            if (read == READ_PARAMS_SHORT) {
                return rejectSong(walk, "the parameter stream ends inside the unit's %d bytes",
                                  unitParamBytes(walk.opcode));
            }
            if (walk.unit == 0) firstOpcode = walk.opcode;
            const uint8_t* bytes = reader.bytes;
            const UnitDescription& unit = unitDescription(walk.opcode);
            if (unit.check && !unit.check(walk, bytes)) return 0;
            // Taking more than the stack holds, or pushing past its room,
            // reaches outside it.
            const StackEffect effect = unitStackEffect(walk.opcode, bytes);
            if (depth < effect.needs) {
                return rejectSong(walk, "needs %d values on the stack, it holds %d", effect.needs, depth);
            }
            depth += effect.change;
            if (depth > STACK_DEPTH) {
                return rejectSong(walk, "the stack grows to %d values, it holds %d", depth, STACK_DEPTH);
            }
        }
        const int32_t units = walk.unit;
        walk.unit = -1;
        if (depth != 0) {
            warnSong(walk, "leaves %d values on the stack at the end of its list (they are dropped)", depth);
        }
        // A track voice falls silent when the envelope in its first slot is done.
        if (walk.instrument < TRACK_COUNT && units > 0 && firstOpcode != OP_ENVELOPE) {
            warnSong(walk, "does not begin with an envelope, so its notes never end by themselves");
        }
    }
    walk.instrument = -1;
    walk.unit = -1;
    if (reader.unitAt != song.unitStreamSize) {
        return rejectSong(walk, "the unit stream has %d bytes after the master instrument's list",
                          song.unitStreamSize - reader.unitAt);
    }
    if (reader.paramAt != song.paramStreamSize) {
        return rejectSong(walk, "the parameter stream has %d bytes the units do not use",
                          song.paramStreamSize - reader.paramAt);
    }
    return 1;
}

}  // namespace

int rejectSong(const SongCheck& walk, const char* format, ...) {
    if (!walk.fault) return 0;
    va_list args;
    va_start(args, format);
    describe(walk, *walk.fault, format, args);
    va_end(args);
    return 0;
}

void warnSong(const SongCheck& walk, const char* format, ...) {
    if (!walk.warnings) return;
    SongWarnings& warnings = *walk.warnings;
    if (warnings.count < MAX_SONG_WARNINGS) {
        va_list args;
        va_start(args, format);
        describe(walk, warnings.first[warnings.count], format, args);
        va_end(args);
    }
    ++warnings.count;
}

const char* unitName(uint8_t opcode) {
    switch (opcode) {
    case OP_END: return "OP_END";
#define SYNTH_OPCODE_NAME(NAME, code, Kind, member) \
    case OP_##NAME: return "OP_" #NAME;
        SYNTH_UNIT_KINDS(SYNTH_OPCODE_NAME, SYNTH_OPCODE_NAME)
#undef SYNTH_OPCODE_NAME
    }
    return "opcode?";
}

int validateSong(const Song& song, SongFault* fault, SongWarnings* warnings) {
    if (warnings) warnings->count = 0;
    SongCheck walk{song, fault, warnings};
    if (!song.patterns || !song.orderList || !song.unitStream || !song.delayLengths ||
        (!song.paramStream && song.paramStreamSize > 0)) {
        return rejectSong(walk, "the song lacks one of its five tables");
    }
    if (song.patternCount < 1 || song.unitStreamSize < 0 || song.paramStreamSize < 0) {
        return rejectSong(walk, "the song's table sizes are out of range");
    }
    return checkOrderLists(walk) && checkInstruments(walk);
}
