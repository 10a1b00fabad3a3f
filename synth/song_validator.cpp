#include "synth/song_validator.h"

#include "synth/unit_reader.h"

#include <cstdarg>
#include <cstdio>

namespace {

// Where the walk through the song stands, for messages.
struct Walk {
    const Song& song;
    SongFault* fault;
    SongWarnings* warnings;
    int32_t instrument = -1;
    int32_t unit = -1;
    uint8_t opcode = OP_END;
};

void describe(const Walk& walk, SongFault& fault, const char* format, va_list args) {
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

__attribute__((format(printf, 2, 3))) int reject(const Walk& walk, const char* format, ...) {
    if (!walk.fault) return 0;
    va_list args;
    va_start(args, format);
    describe(walk, *walk.fault, format, args);
    va_end(args);
    return 0;
}

// Notes a legal but unusual value; the walk goes on.
__attribute__((format(printf, 2, 3))) void warn(const Walk& walk, const char* format, ...) {
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

int checkOrderLists(const Walk& walk) {
    const Song& song = walk.song;
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        for (int32_t position = 0; position < ORDER_POSITIONS; ++position) {
            const uint8_t pattern = song.orderList[ORDER_POSITIONS * track + position];
            if (pattern >= song.patternCount) {
                return reject(walk, "track %d, order position %d: pattern %d does not exist (the song has %d)",
                              track, position, pattern, song.patternCount);
            }
        }
    }
    return 1;
}

void checkShapeDrive(const Walk& walk, uint8_t byte, const char* what) {
    // Only 1 to 127 give a smooth curve: 0 flattens it to nothing (and to
    // NaN at full scale), 128 divides by zero, and above 128 it has a pole.
    if (byte == 0 || byte >= 128) warn(walk, "%s byte %d lies outside 1 to 127, where the curve is smooth", what, byte);
}

int checkOscillator(const Walk& walk, const uint8_t* bytes) {
    const uint8_t flags = bytes[6];
    const uint8_t waveform = flags & OSC_WAVEFORMS;
    if (waveform != OSC_SINE && waveform != OSC_TRIANGLE && waveform != OSC_PULSE && waveform != OSC_NOISE) {
        return reject(walk, "flags 0x%02X must name exactly one waveform", flags);
    }
    if (flags & ~(OSC_WAVEFORMS | OSC_LFO)) warn(walk, "flags 0x%02X have bits the oscillator ignores", flags);
    if (waveform == OSC_TRIANGLE && (bytes[3] == 0 || bytes[3] >= 128)) {
        warn(walk, "triangle width byte %d makes the triangle a saw", bytes[3]);
    }
    checkShapeDrive(walk, bytes[4], "shape");
    return 1;
}

int checkDelay(const Walk& walk, const uint8_t* bytes, int32_t& poolLines) {
    const int32_t first = bytes[4];
    const int32_t lines = bytes[5];
    // A bank of no lines is no delay the format knows; indices beyond the
    // table, a line of 0 frames (its write position never wraps) and lines
    // beyond the pool all reach past the engine's memory.
    if (lines == 0) return reject(walk, "line count 0");
    if (first + lines > DELAY_LENGTH_COUNT) {
        return reject(walk, "length indices %d to %d go beyond the %d delay lengths", first, first + lines - 1,
                      DELAY_LENGTH_COUNT);
    }
    for (int32_t index = first; index < first + lines; ++index) {
        if (walk.song.delayLengths[index] == 0) return reject(walk, "delay length %d is 0 frames", index);
    }
    poolLines += lines;
    // Every line takes a record, and the last unit's DC blocker one more.
    if (poolLines + 1 > DELAY_POOL_LINES) {
        return reject(walk, "the delay units need %d pool records, the pool has %d", poolLines + 1, DELAY_POOL_LINES);
    }
    return 1;
}

int checkStoreRemote(const Walk& walk, const uint8_t* bytes) {
    const uint32_t offset = bytes[1] | bytes[2] << 8 | bytes[3] << 16 | static_cast<uint32_t>(bytes[4]) << 24;
    if (offset >= static_cast<uint32_t>(VOICE_AREA_BYTES)) {
        return reject(walk, "byte offset %u lies outside the voice area (%d bytes)", offset, VOICE_AREA_BYTES);
    }
    if (offset % 4 != 0) {
        warn(walk, "byte offset %u is not on a word boundary: the store writes the word at %u", offset, offset & ~3u);
    }
    return 1;
}

int checkUnitParameters(const Walk& walk, const uint8_t* bytes, int32_t& poolLines) {
    switch (walk.opcode) {
    case OP_OSCILLATOR: return checkOscillator(walk, bytes);
    case OP_SHAPER: checkShapeDrive(walk, bytes[0], "drive"); return 1;
    case OP_DELAY: return checkDelay(walk, bytes, poolLines);
    case OP_STACK:
        if (bytes[0] < STACK_POP || bytes[0] > STACK_ADD_PAIRS) {
            return reject(walk, "stack operation %d is not 1 to 8", bytes[0]);
        }
        return 1;
    case OP_MIX:
        if (bytes[0] != MIX_MAIN && bytes[0] != MIX_SEND) {
            return reject(walk, "selector %d is neither 0 (main) nor 8 (send)", bytes[0]);
        }
        return 1;
    case OP_STORE_REMOTE: return checkStoreRemote(walk, bytes);
    default: return 1;  // an OP_STORE target byte always lies in the 256 unit words
    }
}

int checkInstruments(Walk& walk) {
    const Song& song = walk.song;
    UnitReader reader = unitReader(song);
    int32_t poolLines = 0;
    for (walk.instrument = 0; walk.instrument < VOICE_COUNT; ++walk.instrument) {
        int32_t depth = 0;
        int32_t firstOpcode = OP_END;
        for (walk.unit = 0;; ++walk.unit) {
            const UnitRead read = readUnit(reader);
            walk.opcode = reader.opcode;
            if (read == READ_STREAM_END) {
                walk.unit = -1;
                return reject(walk, "the unit stream ends before the list's end byte");
            }
            if (read == READ_LIST_END) break;
            if (read == READ_NO_UNIT) return reject(walk, "opcode %d is not a unit", walk.opcode);
            if (walk.unit == MAX_UNITS) return reject(walk, "the list holds more than %d units", MAX_UNITS);
            if (read == READ_PARAMS_SHORT) {
                return reject(walk, "the parameter stream ends inside the unit's %d bytes",
                              unitParamBytes(walk.opcode));
            }
            if (walk.unit == 0) firstOpcode = walk.opcode;
            const uint8_t* bytes = reader.bytes;
            if (!checkUnitParameters(walk, bytes, poolLines)) return 0;
            // Taking more than the stack holds, or pushing past its room,
            // reaches outside it.
            const StackEffect effect = unitStackEffect(walk.opcode, bytes);
            if (depth < effect.needs) {
                return reject(walk, "needs %d values on the stack, it holds %d", effect.needs, depth);
            }
            depth += effect.change;
            if (depth > STACK_DEPTH) return reject(walk, "the stack grows to %d values, it holds %d", depth, STACK_DEPTH);
        }
        const int32_t units = walk.unit;
        walk.unit = -1;
        if (depth != 0) warn(walk, "leaves %d values on the stack at the end of its list (they are dropped)", depth);
        // A track voice falls silent when the envelope in its first slot is done.
        if (walk.instrument < TRACK_COUNT && units > 0 && firstOpcode != OP_ENVELOPE) {
            warn(walk, "does not begin with an envelope, so its notes never end by themselves");
        }
    }
    walk.instrument = -1;
    walk.unit = -1;
    if (reader.unitAt != song.unitStreamSize) {
        return reject(walk, "the unit stream has %d bytes after the master instrument's list",
                      song.unitStreamSize - reader.unitAt);
    }
    if (reader.paramAt != song.paramStreamSize) {
        return reject(walk, "the parameter stream has %d bytes the units do not use",
                      song.paramStreamSize - reader.paramAt);
    }
    return 1;
}

}  // namespace

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
    Walk walk{song, fault, warnings};
    if (!song.patterns || !song.orderList || !song.unitStream || !song.delayLengths ||
        (!song.paramStream && song.paramStreamSize > 0)) {
        return reject(walk, "the song lacks one of its five tables");
    }
    if (song.patternCount < 1 || song.unitStreamSize < 0 || song.paramStreamSize < 0) {
        return reject(walk, "the song's table sizes are out of range");
    }
    return checkOrderLists(walk) && checkInstruments(walk);
}
