// What the song compiler knows about each unit: its name in the source, its
// parameters in stream order and the names of its slot words.
#pragma once

#include <cstdint>

// How a parameter's value is written in the source.
enum ParamKind : uint8_t {
    PARAM_BYTE,         // a number 0..255
    PARAM_OSC_FLAGS,    // sine|triangle|pulse|noise, optionally +lfo
    PARAM_FILTER_FLAGS, // low, high, band, low_minus_high, joined by +
    PARAM_STACK_OP,     // pop, add_pop, mul_pop, dup, swap, add, mul, add_pairs
    PARAM_MIX_SELECTOR, // main or send
    PARAM_LOCAL_WORD,   // label.word of a unit of the same instrument
    PARAM_REMOTE_WORD,  // instrument.label.word anywhere in the voice area (4 bytes)
};

struct ParamSpec {
    const char* name;
    ParamKind kind;
};

enum { MAX_UNIT_PARAMS = 7, WORD_NAMES = 8 };

struct UnitKind {
    const char* name;
    uint8_t opcode;
    int paramCount;
    ParamSpec params[MAX_UNIT_PARAMS];
    const char* words[WORD_NAMES];  // slot word names, null where the unit has none
};

// The unit of that source name, or null.
const UnitKind* findUnit(const char* name);

// The unit of that opcode (1..11), or null.
const UnitKind* unitForOpcode(uint8_t opcode);

// The slot word of that name for the unit, or -1.
int findWordName(const UnitKind& unit, const char* name);

// Looks up one name of an enumerated parameter kind; false when unknown.
bool enumValue(ParamKind kind, const char* name, uint8_t* value);
