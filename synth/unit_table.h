// What each unit of the unit stream is, said once: its opcode, its name in
// the song source, its parameter bytes and what each means, the names of its
// slot words, what it does to the signal stack, a rough cost and what the
// validator checks of its bytes. The byte walk (unit_reader.h), the
// validator, the song compiler's source names and the track split's balance
// all read it; a new unit is a row here, its row in unit_kinds.h and its
// kernel.
#pragma once

#include "synth/song.h"
#include "synth/song_check.h"

#include <cstdint>

// How a parameter's value is written in the source, and so how many bytes
// it takes: a remote word takes four, every other kind one.
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

inline int32_t paramKindBytes(ParamKind kind) { return kind == PARAM_REMOTE_WORD ? 4 : 1; }

// Values a unit needs on the stack, and how many it leaves more (or fewer).
struct StackEffect {
    int32_t needs;
    int32_t change;
};

enum { MAX_UNIT_PARAMS = 7 };

struct UnitDescription {
    uint8_t opcode;
    const char* name;  // in the song source
    int32_t paramCount;
    ParamSpec params[MAX_UNIT_PARAMS];  // in stream order
    const char* words[SLOT_WORDS];      // slot word names, null where the unit has none
    StackEffect effect;                 // an OP_STACK's is its operation's (unitStackEffect)
    int32_t cost;                       // the work of one frame, roughly: a stack step is 1
    // What the validator checks of the unit's bytes beyond their count: 1 to
    // go on, 0 with the song refused (rejectSong); null where any bytes do.
    int (*check)(SongCheck& check, const uint8_t* bytes);
};

// The unit of that opcode, 1 to OP_COUNT - 1.
const UnitDescription& unitDescription(uint8_t opcode);

// The bytes the unit takes of the parameter stream.
int32_t unitParamBytes(uint8_t opcode);

// The unit of that source name, or null.
const UnitDescription* findUnitNamed(const char* name);

// A stack operation's name in the source and its effect.
struct StackOperation {
    uint8_t operation;
    const char* name;
    StackEffect effect;
};
// Operations STACK_POP to STACK_ADD_PAIRS, in that order.
extern const StackOperation STACK_OPERATIONS[STACK_ADD_PAIRS];

// What the unit with these parameter bytes does to the stack.
StackEffect unitStackEffect(uint8_t opcode, const uint8_t* bytes);
