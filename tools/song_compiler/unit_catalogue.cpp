#include "tools/song_compiler/unit_catalogue.h"

#include "synth/song.h"

#include <cstring>

namespace {

const UnitKind units[] = {
    {"envelope", OP_ENVELOPE, 5,
     {{"attack", PARAM_BYTE}, {"decay", PARAM_BYTE}, {"sustain", PARAM_BYTE}, {"release", PARAM_BYTE},
      {"gain", PARAM_BYTE}},
     {"stage", "level", "gain"}},
    {"oscillator", OP_OSCILLATOR, 7,
     {{"transpose", PARAM_BYTE}, {"detune", PARAM_BYTE}, {"phase", PARAM_BYTE}, {"width", PARAM_BYTE},
      {"shape", PARAM_BYTE}, {"gain", PARAM_BYTE}, {"flags", PARAM_OSC_FLAGS}},
     {"phase", "transpose", "detune", nullptr, nullptr, "width"}},
    {"filter", OP_FILTER, 3,
     {{"frequency", PARAM_BYTE}, {"damping", PARAM_BYTE}, {"flags", PARAM_FILTER_FLAGS}},
     {"low", "high", "band", "coefficient"}},
    {"shaper", OP_SHAPER, 1, {{"drive", PARAM_BYTE}}, {}},
    {"delay", OP_DELAY, 6,
     {{"pregain", PARAM_BYTE}, {"dry", PARAM_BYTE}, {"feedback", PARAM_BYTE}, {"damp", PARAM_BYTE},
      {"first", PARAM_BYTE}, {"lines", PARAM_BYTE}},
     {}},
    {"stack", OP_STACK, 1, {{"operation", PARAM_STACK_OP}}, {}},
    {"store", OP_STORE, 2, {{"amount", PARAM_BYTE}, {"target", PARAM_LOCAL_WORD}}, {}},
    {"pan", OP_PAN, 0, {}, {}},
    {"output", OP_OUTPUT, 2, {{"gain", PARAM_BYTE}, {"send", PARAM_BYTE}}, {nullptr, "gain"}},
    {"mix", OP_MIX, 1, {{"selector", PARAM_MIX_SELECTOR}}, {}},
    {"store_remote", OP_STORE_REMOTE, 2, {{"amount", PARAM_BYTE}, {"target", PARAM_REMOTE_WORD}}, {}},
};

struct EnumEntry {
    ParamKind kind;
    const char* name;
    uint8_t value;
};

const EnumEntry enumEntries[] = {
    {PARAM_OSC_FLAGS, "sine", OSC_SINE},
    {PARAM_OSC_FLAGS, "triangle", OSC_TRIANGLE},
    {PARAM_OSC_FLAGS, "pulse", OSC_PULSE},
    {PARAM_OSC_FLAGS, "noise", OSC_NOISE},
    {PARAM_OSC_FLAGS, "lfo", OSC_LFO},
    {PARAM_FILTER_FLAGS, "low", FILTER_LOW},
    {PARAM_FILTER_FLAGS, "high", FILTER_HIGH},
    {PARAM_FILTER_FLAGS, "band", FILTER_BAND},
    {PARAM_FILTER_FLAGS, "low_minus_high", FILTER_LOW_MINUS_HIGH},
    {PARAM_STACK_OP, "pop", STACK_POP},
    {PARAM_STACK_OP, "add_pop", STACK_ADD_POP},
    {PARAM_STACK_OP, "mul_pop", STACK_MUL_POP},
    {PARAM_STACK_OP, "dup", STACK_DUP},
    {PARAM_STACK_OP, "swap", STACK_SWAP},
    {PARAM_STACK_OP, "add", STACK_ADD},
    {PARAM_STACK_OP, "mul", STACK_MUL},
    {PARAM_STACK_OP, "add_pairs", STACK_ADD_PAIRS},
    {PARAM_MIX_SELECTOR, "main", MIX_MAIN},
    {PARAM_MIX_SELECTOR, "send", MIX_SEND},
};

}  // namespace

const UnitKind* findUnit(const char* name) {
    for (const UnitKind& unit : units) {
        if (std::strcmp(unit.name, name) == 0) return &unit;
    }
    return nullptr;
}

const UnitKind* unitForOpcode(uint8_t opcode) {
    for (const UnitKind& unit : units) {
        if (unit.opcode == opcode) return &unit;
    }
    return nullptr;
}

int findWordName(const UnitKind& unit, const char* name) {
    for (int word = 0; word < WORD_NAMES; ++word) {
        if (unit.words[word] && std::strcmp(unit.words[word], name) == 0) return word;
    }
    return -1;
}

bool enumValue(ParamKind kind, const char* name, uint8_t* value) {
    for (const EnumEntry& entry : enumEntries) {
        if (entry.kind == kind && std::strcmp(entry.name, name) == 0) {
            *value = entry.value;
            return true;
        }
    }
    return false;
}
