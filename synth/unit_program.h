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

// What a compiled unit runs: the opcodes, with each stack operation a kernel
// of its own (one dispatch instead of two), and an end mark after each list.
enum UnitKernel : uint8_t {
    KERNEL_END,
    KERNEL_ENVELOPE,
    KERNEL_OSCILLATOR,
    KERNEL_FILTER,
    KERNEL_SHAPER,
    KERNEL_DELAY,
    KERNEL_POP,
    KERNEL_ADD_POP,
    KERNEL_MUL_POP,
    KERNEL_DUP,
    KERNEL_SWAP,
    KERNEL_ADD,
    KERNEL_MUL,
    KERNEL_ADD_PAIRS,
    KERNEL_STORE,
    KERNEL_PAN,
    KERNEL_OUTPUT,
    KERNEL_MIX,
    KERNEL_STORE_REMOTE,
};

struct CompiledUnit {
    UnitKernel kernel;
    int32_t slotWord;  // first word of the unit's slot in its voice record
    OscillatorPitch pitch;  // an oscillator's last pitch
    union {
        EnvelopeUnit envelope;
        OscillatorUnit oscillator;
        FilterUnit filter;
        double shaperCurve;
        DelayUnit delay;
        StoreUnit store;
        OutputUnit output;
        MixUnit mix;
    };
};

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
