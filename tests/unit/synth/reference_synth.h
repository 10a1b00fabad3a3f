// The synthesizer as a plain interpreter: every frame it walks the unit and
// parameter streams from their first byte, converts each unit's bytes into the
// parameter scratch and calls the unit through the opcode table. Slow and
// obvious on purpose; the engine must match it bit for bit.
#pragma once

#include "synth/song.h"
#include "synth/synth_engine.h"
#include "synth/synth_state.h"

#include <cstdint>

struct ReferenceSynth {
    SynthState* state;
    Song song;
    int32_t sampleCounter;
    // Run cursors, back at their start at every frame.
    int32_t unitCursor;
    int32_t paramCursor;
    int32_t voiceCursor;
    int32_t slotCursor;  // word of the current unit slot in the current voice
    int32_t poolCursor;
    float params[16];
    double stack[STACK_DEPTH];
    int32_t depth;
};

// Resets state (all of the delay pool) and points the synth at a valid song.
void startReference(ReferenceSynth& synth, const Song& song, SynthState& state);

// Renders the next frame; trace gets track t's note word in entry 2t.
StereoFrame referenceFrame(ReferenceSynth& synth, int32_t trace[NOTE_TRACE_ENTRIES]);
