// The one walk through a song's two unit streams: each opcode with its
// parameter bytes, list by list. Nobody else counts parameter bytes; a copy
// of a reader walks the same units again from where it stands.
#pragma once

#include "synth/song.h"
#include "synth/unit_table.h"

#include <cstdint>

struct UnitReader {
    const uint8_t* units;
    int32_t unitsSize;
    const uint8_t* params;
    int32_t paramsSize;
    int32_t unitAt;   // the next opcode
    int32_t paramAt;  // the next unit's first parameter byte
    int32_t voice;    // the list the next opcode belongs to
    // The unit read last: its opcode, its place in its list and its bytes
    // (at bytesAt in the parameter stream).
    uint8_t opcode;
    int32_t unit;
    const uint8_t* bytes;
    int32_t bytesAt;
};

inline UnitReader unitReader(const uint8_t* units, int32_t unitsSize, const uint8_t* params, int32_t paramsSize) {
    return {units, unitsSize, params, paramsSize, 0, 0, 0, OP_END, -1, params, 0};
}
inline UnitReader unitReader(const Song& song) {
    return unitReader(song.unitStream, song.unitStreamSize, song.paramStream, song.paramStreamSize);
}

enum UnitRead {
    READ_UNIT,         // a unit and its bytes
    READ_LIST_END,     // the list's end mark: the reader moves on to the next voice's list
    READ_STREAM_END,   // the unit stream ends before the list's end mark
    READ_NO_UNIT,      // an opcode that is no unit
    READ_PARAMS_SHORT, // the parameter stream ends inside the unit's bytes
};

// Reads the next opcode, and a unit's parameter bytes.
inline UnitRead readUnit(UnitReader& reader) {
    if (reader.unitAt >= reader.unitsSize) return READ_STREAM_END;
    reader.opcode = reader.units[reader.unitAt++];
    if (reader.opcode == OP_END) {
        ++reader.voice;
        reader.unit = -1;
        return READ_LIST_END;
    }
    ++reader.unit;
    if (reader.opcode >= OP_COUNT) return READ_NO_UNIT;
    const int32_t count = unitParamBytes(reader.opcode);
    if (reader.paramAt + count > reader.paramsSize) return READ_PARAMS_SHORT;
    reader.bytesAt = reader.paramAt;
    reader.bytes = reader.params + reader.paramAt;
    reader.paramAt += count;
    return READ_UNIT;
}

// For a song the validator accepted: the next unit of the list, or false at
// its end (the reader then stands at the next list).
inline bool nextUnitOfList(UnitReader& reader) { return readUnit(reader) == READ_UNIT; }

// Moves past the rest of the list.
inline void skipList(UnitReader& reader) {
    while (nextUnitOfList(reader)) {
    }
}
