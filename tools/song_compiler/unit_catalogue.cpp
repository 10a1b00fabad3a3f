#include "tools/song_compiler/unit_catalogue.h"

#include "synth/song.h"

#include <cstring>

namespace {

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
    {PARAM_MIX_SELECTOR, "main", MIX_MAIN},
    {PARAM_MIX_SELECTOR, "send", MIX_SEND},
};

}  // namespace

int findWordName(const UnitDescription& unit, const char* name) {
    for (int word = 0; word < SLOT_WORDS; ++word) {
        if (unit.words[word] && std::strcmp(unit.words[word], name) == 0) return word;
    }
    return -1;
}

bool enumValue(ParamKind kind, const char* name, uint8_t* value) {
    // The stack operations' names are the unit table's.
    if (kind == PARAM_STACK_OP) {
        for (const StackOperation& operation : STACK_OPERATIONS) {
            if (std::strcmp(operation.name, name) == 0) {
                *value = operation.operation;
                return true;
            }
        }
        return false;
    }
    for (const EnumEntry& entry : enumEntries) {
        if (entry.kind == kind && std::strcmp(entry.name, name) == 0) {
            *value = entry.value;
            return true;
        }
    }
    return false;
}
