// A song's unit lists with their parameters decoded once, ready to run frame
// after frame. Running it gives bit for bit what interpreting the streams
// every frame gives: the decoded values are the same doubles the units would
// compute from their bytes.
#pragma once

#include "synth/delay_unit.h"
#include "synth/envelope_unit.h"
#include "synth/filter_unit.h"
#include "synth/oscillator_unit.h"
#include "synth/signal_units.h"
#include "synth/song.h"
#include "synth/synth_state.h"

// What a compiled unit runs: a kernel per unit kind (synth/unit_kinds.h),
// with each stack operation a kernel of its own (one dispatch instead of
// two), and an end mark after each list.
#define SYNTH_KERNEL(NAME, code, Kind, member) KERNEL_##NAME,
#define SYNTH_STACK_KERNELS(NAME, code, Kind, member) \
    KERNEL_POP, KERNEL_ADD_POP, KERNEL_MUL_POP, KERNEL_DUP, KERNEL_SWAP, KERNEL_ADD, KERNEL_MUL, KERNEL_ADD_PAIRS,
enum UnitKernel : uint8_t {
    KERNEL_END,
    SYNTH_UNIT_KINDS(SYNTH_KERNEL, SYNTH_STACK_KERNELS)
};
#undef SYNTH_KERNEL
#undef SYNTH_STACK_KERNELS

// Each kind's decoded state; a stack operation has none.
#define SYNTH_UNIT_STATE(NAME, code, Kind, member) Kind##Unit member;
#define SYNTH_NO_STATE(NAME, code, Kind, member)
struct CompiledUnit {
    UnitKernel kernel;
    int32_t slotWord;  // first word of the unit's slot in its voice record
    OscillatorPitch pitch;  // an oscillator's last pitch
    union {
        SYNTH_UNIT_KINDS(SYNTH_UNIT_STATE, SYNTH_NO_STATE)
    };
};
#undef SYNTH_UNIT_STATE
#undef SYNTH_NO_STATE

struct CompiledInstrument {
    int32_t firstUnit;
    int32_t unitCount;  // not counting the end mark
    // A track voice falls silent when the envelope in its slot 0 is done; an
    // instrument that does not begin with an envelope has no such end.
    bool endsWithFirstEnvelope;
};

struct UnitProgram {
    CompiledUnit units[VOICE_COUNT * (MAX_UNITS + 1)];
    CompiledInstrument instruments[VOICE_COUNT];
    int32_t lineLengths[DELAY_POOL_LINES];  // frames, for each pool record used as a line
    int32_t poolRecords;                    // records the delay units use, DC blockers included
};

// Decodes a song that validateSong accepted.
void compileSong(const Song& song, UnitProgram& program);

// Runs the unit list of instrument `voice` on its voice record for one frame.
void runUnitList(UnitProgram& program, int32_t voice, SynthState& state);
