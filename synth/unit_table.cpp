#include "synth/unit_table.h"

#include <cstring>

namespace {

// By opcode; row 0 (OP_END) is the list's end mark, no unit.
constexpr UnitDescription UNITS[OP_COUNT] = {
    {OP_END, "", 0, {}, {}, {0, 0}, 0},
    {OP_ENVELOPE, "envelope", 5,
     {{"attack", PARAM_BYTE}, {"decay", PARAM_BYTE}, {"sustain", PARAM_BYTE}, {"release", PARAM_BYTE},
      {"gain", PARAM_BYTE}},
     {"stage", "level", "gain"}, {0, 1}, 2},
    {OP_OSCILLATOR, "oscillator", 7,
     {{"transpose", PARAM_BYTE}, {"detune", PARAM_BYTE}, {"phase", PARAM_BYTE}, {"width", PARAM_BYTE},
      {"shape", PARAM_BYTE}, {"gain", PARAM_BYTE}, {"flags", PARAM_OSC_FLAGS}},
     {"phase", "transpose", "detune", nullptr, nullptr, "width"}, {0, 1}, 3},
    {OP_FILTER, "filter", 3, {{"frequency", PARAM_BYTE}, {"damping", PARAM_BYTE}, {"flags", PARAM_FILTER_FLAGS}},
     {"low", "high", "band", "coefficient"}, {1, 0}, 3},
    {OP_SHAPER, "shaper", 1, {{"drive", PARAM_BYTE}}, {}, {1, 0}, 2},
    {OP_DELAY, "delay", 6,
     {{"pregain", PARAM_BYTE}, {"dry", PARAM_BYTE}, {"feedback", PARAM_BYTE}, {"damp", PARAM_BYTE},
      {"first", PARAM_BYTE}, {"lines", PARAM_BYTE}},
     {}, {1, 0}, 4},
    {OP_STACK, "stack", 1, {{"operation", PARAM_STACK_OP}}, {}, {0, 0}, 1},
    {OP_STORE, "store", 2, {{"amount", PARAM_BYTE}, {"target", PARAM_LOCAL_WORD}}, {}, {1, 0}, 1},
    {OP_PAN, "pan", 0, {}, {}, {1, 1}, 1},
    {OP_OUTPUT, "output", 2, {{"gain", PARAM_BYTE}, {"send", PARAM_BYTE}}, {nullptr, "gain"}, {2, -2}, 1},
    {OP_MIX, "mix", 1, {{"selector", PARAM_MIX_SELECTOR}}, {}, {0, 2}, 1},
    {OP_STORE_REMOTE, "store_remote", 2, {{"amount", PARAM_BYTE}, {"target", PARAM_REMOTE_WORD}}, {}, {1, 0}, 1},
};

// Each kind's row stands at its opcode.
#define SYNTH_ROW_AT_OPCODE(NAME, code, Kind, member) \
    static_assert(UNITS[OP_##NAME].opcode == OP_##NAME, "the row of OP_" #NAME " stands elsewhere");
SYNTH_UNIT_KINDS(SYNTH_ROW_AT_OPCODE, SYNTH_ROW_AT_OPCODE)
#undef SYNTH_ROW_AT_OPCODE

}  // namespace

const StackOperation STACK_OPERATIONS[STACK_ADD_PAIRS] = {
    {STACK_POP, "pop", {1, -1}},     {STACK_ADD_POP, "add_pop", {2, -1}}, {STACK_MUL_POP, "mul_pop", {2, -1}},
    {STACK_DUP, "dup", {1, 1}},      {STACK_SWAP, "swap", {2, 0}},        {STACK_ADD, "add", {2, 0}},
    {STACK_MUL, "mul", {2, 0}},      {STACK_ADD_PAIRS, "add_pairs", {4, -2}},
};

const UnitDescription& unitDescription(uint8_t opcode) { return UNITS[opcode]; }

int32_t unitParamBytes(uint8_t opcode) {
    const UnitDescription& unit = UNITS[opcode];
    int32_t bytes = 0;
    for (int32_t i = 0; i < unit.paramCount; ++i) bytes += paramKindBytes(unit.params[i].kind);
    return bytes;
}

const UnitDescription* findUnitNamed(const char* name) {
    for (const UnitDescription& unit : UNITS) {
        if (unit.opcode != OP_END && std::strcmp(unit.name, name) == 0) return &unit;
    }
    return nullptr;
}

StackEffect unitStackEffect(uint8_t opcode, const uint8_t* bytes) {
    return opcode == OP_STACK ? STACK_OPERATIONS[bytes[0] - STACK_POP].effect : UNITS[opcode].effect;
}
