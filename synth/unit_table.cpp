#include "synth/unit_table.h"

#include <cstring>

namespace {

// The checks of the units' bytes, each named in its row below.

void checkShapeDrive(SongCheck& check, uint8_t byte, const char* what) {
    // Only 1 to 127 give a smooth curve: 0 flattens it to nothing (and to
    // NaN at full scale), 128 divides by zero, and above 128 it has a pole.
    if (byte == 0 || byte >= 128) {
        warnSong(check, "%s byte %d lies outside 1 to 127, where the curve is smooth", what, byte);
    }
}

int checkOscillator(SongCheck& check, const uint8_t* bytes) {
    const uint8_t flags = bytes[6];
    const uint8_t waveform = flags & OSC_WAVEFORMS;
    if (waveform != OSC_SINE && waveform != OSC_TRIANGLE && waveform != OSC_PULSE && waveform != OSC_NOISE) {
        return rejectSong(check, "flags 0x%02X must name exactly one waveform", flags);
    }
    if (flags & ~(OSC_WAVEFORMS | OSC_LFO)) warnSong(check, "flags 0x%02X have bits the oscillator ignores", flags);
    if (waveform == OSC_TRIANGLE && (bytes[3] == 0 || bytes[3] >= 128)) {
        warnSong(check, "triangle width byte %d makes the triangle a saw", bytes[3]);
    }
    checkShapeDrive(check, bytes[4], "shape");
    return 1;
}

int checkShaper(SongCheck& check, const uint8_t* bytes) {
    checkShapeDrive(check, bytes[0], "drive");
    return 1;
}

int checkDelay(SongCheck& check, const uint8_t* bytes) {
    const int32_t first = bytes[4];
    const int32_t lines = bytes[5];
    // A bank of no lines is no delay the format knows; indices beyond the
    // table, a line of 0 frames (its write position never wraps) and lines
    // beyond the pool all reach past the engine's memory.
    if (lines == 0) return rejectSong(check, "line count 0");
    if (first + lines > DELAY_LENGTH_COUNT) {
        return rejectSong(check, "length indices %d to %d go beyond the %d delay lengths", first, first + lines - 1,
                          DELAY_LENGTH_COUNT);
    }
    for (int32_t index = first; index < first + lines; ++index) {
        if (check.song.delayLengths[index] == 0) return rejectSong(check, "delay length %d is 0 frames", index);
    }
    check.poolLines += lines;
    // Every line takes a record, and the last unit's DC blocker one more.
    if (check.poolLines + 1 > DELAY_POOL_LINES) {
        return rejectSong(check, "the delay units need %d pool records, the pool has %d", check.poolLines + 1,
                          DELAY_POOL_LINES);
    }
    return 1;
}

int checkStack(SongCheck& check, const uint8_t* bytes) {
    if (bytes[0] < STACK_POP || bytes[0] > STACK_ADD_PAIRS) {
        return rejectSong(check, "stack operation %d is not 1 to 8", bytes[0]);
    }
    return 1;
}

int checkMix(SongCheck& check, const uint8_t* bytes) {
    if (bytes[0] != MIX_MAIN && bytes[0] != MIX_SEND) {
        return rejectSong(check, "selector %d is neither 0 (main) nor 8 (send)", bytes[0]);
    }
    return 1;
}

int checkStoreRemote(SongCheck& check, const uint8_t* bytes) {
    const uint32_t offset = bytes[1] | bytes[2] << 8 | bytes[3] << 16 | static_cast<uint32_t>(bytes[4]) << 24;
    if (offset >= static_cast<uint32_t>(VOICE_AREA_BYTES)) {
        return rejectSong(check, "byte offset %u lies outside the voice area (%d bytes)", offset, VOICE_AREA_BYTES);
    }
    if (offset % 4 != 0) {
        warnSong(check, "byte offset %u is not on a word boundary: the store writes the word at %u", offset,
                 offset & ~3u);
    }
    return 1;
}

// By opcode; row 0 (OP_END) is the list's end mark, no unit.
constexpr UnitDescription UNITS[OP_COUNT] = {
    {OP_END, "", 0, {}, {}, {0, 0}, 0, nullptr},
    {OP_ENVELOPE, "envelope", 5,
     {{"attack", PARAM_BYTE}, {"decay", PARAM_BYTE}, {"sustain", PARAM_BYTE}, {"release", PARAM_BYTE},
      {"gain", PARAM_BYTE}},
     {"stage", "level", "gain"}, {0, 1}, 2, nullptr},
    {OP_OSCILLATOR, "oscillator", 7,
     {{"transpose", PARAM_BYTE}, {"detune", PARAM_BYTE}, {"phase", PARAM_BYTE}, {"width", PARAM_BYTE},
      {"shape", PARAM_BYTE}, {"gain", PARAM_BYTE}, {"flags", PARAM_OSC_FLAGS}},
     {"phase", "transpose", "detune", nullptr, nullptr, "width"}, {0, 1}, 3, checkOscillator},
    {OP_FILTER, "filter", 3, {{"frequency", PARAM_BYTE}, {"damping", PARAM_BYTE}, {"flags", PARAM_FILTER_FLAGS}},
     {"low", "high", "band", "coefficient"}, {1, 0}, 3, nullptr},
    {OP_SHAPER, "shaper", 1, {{"drive", PARAM_BYTE}}, {}, {1, 0}, 2, checkShaper},
    {OP_DELAY, "delay", 6,
     {{"pregain", PARAM_BYTE}, {"dry", PARAM_BYTE}, {"feedback", PARAM_BYTE}, {"damp", PARAM_BYTE},
      {"first", PARAM_BYTE}, {"lines", PARAM_BYTE}},
     {}, {1, 0}, 4, checkDelay},
    {OP_STACK, "stack", 1, {{"operation", PARAM_STACK_OP}}, {}, {0, 0}, 1, checkStack},
    // A store's target byte always lies in the 256 unit words.
    {OP_STORE, "store", 2, {{"amount", PARAM_BYTE}, {"target", PARAM_LOCAL_WORD}}, {}, {1, 0}, 1, nullptr},
    {OP_PAN, "pan", 0, {}, {}, {1, 1}, 1, nullptr},
    {OP_OUTPUT, "output", 2, {{"gain", PARAM_BYTE}, {"send", PARAM_BYTE}}, {nullptr, "gain"}, {2, -2}, 1, nullptr},
    {OP_MIX, "mix", 1, {{"selector", PARAM_MIX_SELECTOR}}, {}, {0, 2}, 1, checkMix},
    {OP_STORE_REMOTE, "store_remote", 2, {{"amount", PARAM_BYTE}, {"target", PARAM_REMOTE_WORD}}, {}, {1, 0}, 1,
     checkStoreRemote},
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
