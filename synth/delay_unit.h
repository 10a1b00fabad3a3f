// OP_DELAY: a bank of damped feedback combs in parallel, then a DC blocker.
// Its state lives in the delay pool, not in the voice, so it rings on through
// silence and note-ons. Each frame the units take the pool's records in the
// order they run, one per line; the DC blocker sits in the record after the
// unit's last line (whose own line, if any, uses only its other words).
#pragma once

#include "synth/song.h"
#include "synth/synth_math.h"
#include "synth/synth_state.h"

struct DelayUnit {
    double pregain;   // acts squared on the comb input
    double dry;
    double feedback;
    double damp;
    double keep;      // 1 - damp
    int32_t firstRecord;
    int32_t lineCount;
};

// firstRecord is where the pool cursor stands each frame when the unit runs.
DelayUnit compileDelay(const uint8_t bytes[6], int32_t firstRecord);

// lineLengths gives each pool record's length in frames.
inline void runDelay(const DelayUnit& unit, DelayLine* pool, const int32_t* lineLengths, double* top) {
    const double x = top[-1];
    const double in = x * unit.pregain * unit.pregain;
    double acc = x * unit.dry;
    DelayLine* line = pool + unit.firstRecord;
    const int32_t* length = lineLengths + unit.firstRecord;
    for (int32_t i = 0; i < unit.lineCount; ++i, ++line, ++length) {
        const double delayed = line->samples[line->writePosition];
        acc += delayed;
        line->dampingState = static_cast<float>(delayed * unit.keep + unit.damp * line->dampingState);
        line->samples[line->writePosition] = static_cast<float>(in + unit.feedback * line->dampingState);
        if (++line->writePosition == *length) line->writePosition = 0;
    }
    const double y = acc - line->dcPreviousInput + DC_BLOCKER_COEFFICIENT * line->dcPreviousOutput;
    line->dcPreviousInput = static_cast<float>(acc);
    line->dcPreviousOutput = static_cast<float>(y);
    top[-1] = y;
}
