// OP_DELAY: a bank of damped feedback combs in parallel, then a DC blocker.
// Its state lives in the delay pool, not in the voice, so it rings on through
// silence and note-ons. Each frame the units take the pool's records in the
// order they run, one per line; the DC blocker sits in the record after the
// unit's last line (whose own line, if any, uses only its other words).
//
// A line of N frames is a ring of all its 65,536 samples: in the frame that
// the delay clock counts, every line writes at the clock and reads N samples
// behind it, which is what it wrote N frames before (or a zero it started
// with), the value a write position wrapping at N would give.
#pragma once

#include "synth/signal_units.h"
#include "synth/song.h"
#include "synth/synth_math.h"
#include "synth/synth_state.h"
#include "synth/unit_run.h"

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
// A constant expression where the bytes are, as for the oscillator.
constexpr DelayUnit compileDelay(const uint8_t* bytes, int32_t firstRecord) {
    const double damp = bytes[3] * PARAM_SCALE;
    return {bytes[0] * PARAM_SCALE, bytes[1] * PARAM_SCALE, bytes[2] * PARAM_SCALE, damp, 1.0 - damp, firstRecord,
            bytes[5]};
}

// The unit's DC blocker in the pool: in the record after its last line.
inline DcBlocker& poolBlocker(const DelayUnit& unit, DelayLine* pool) {
    return pool[unit.firstRecord + unit.lineCount].dcBlocker;
}

// lengths gives the unit's lines' lengths in frames, clock is the delay
// clock; blocker is the unit's DC blocker (poolBlocker, or where a routine
// keeps it). Returns what replaces the top value x.
UNIT_INLINE double runDelay(const DelayUnit& unit, DelayLine* pool, const int32_t* lengths, uint32_t clock, double x,
                            DcBlocker& blocker) {
    const int32_t lineCount = unit.lineCount;
    const double in = x * unit.pregain * unit.pregain;
    double acc = x * unit.dry;
    // Locals, so that the stores into the lines do not make them reloaded.
    const double keep = unit.keep, damp = unit.damp, feedback = unit.feedback;
    DelayLine* line = pool + unit.firstRecord;
    const uint32_t written = clock % DELAY_LINE_SAMPLES;
    // Unrolled where the count is a constant: the lines' records become fixed addresses.
#pragma GCC unroll 16
    for (int32_t i = 0; i < lineCount; ++i, ++line) {
        const double delayed = line->samples[(clock - lengths[i]) % DELAY_LINE_SAMPLES];
        acc += delayed;
        const float damping = static_cast<float>(delayed * keep + damp * line->dampingState);
        line->dampingState = damping;
        line->samples[written] = static_cast<float>(in + feedback * damping);
    }
    const double y = acc - blocker.previousInput + DC_BLOCKER_COEFFICIENT * blocker.previousOutput;
    blocker.previousInput = static_cast<float>(acc);
    blocker.previousOutput = static_cast<float>(y);
    return y;
}

// Two delay units with as many lines each, side by side: a's in the left
// lanes, b's in the right. Each lane computes what runDelay computes for its
// unit (with its DC blocker, blockerA or blockerB, as runDelay's), but
// line i of both lives in stereoLines[i], so that each step is one vector
// operation for the two. The song's routine runs a delay unit, a swap and a
// second delay unit of the same line count this way: the second's input is
// not the first's output, and the two touch none of the same state. Line
// lengths must stay below 32,768, the ring of a stereo line. x is (a's
// input, b's input); returns (a's output, b's output). Without SSE2 the two
// units run one after the other in the pool's records, as runDelay.
UNIT_INLINE DoublePair runDelayPair(const DelayUnit& a, const int32_t* lengthsA, const DelayUnit& b,
                                    const int32_t* lengthsB, DelayLine* pool, StereoDelayLine* stereoLines,
                                    uint32_t clock, DoublePair x, DcBlocker& blockerA, DcBlocker& blockerB) {
#ifndef __SSE2__
    // One unit after the other, each in the pool's records.
    (void)stereoLines;
    return DoublePair{runDelay(a, pool, lengthsA, clock, x[0], blockerA),
                      runDelay(b, pool, lengthsB, clock, x[1], blockerB)};
#else
    (void)pool;  // the lines are the stereo ones, the DC blockers given
    enum : uint32_t { RING = DELAY_LINE_SAMPLES / 2 };
    const DoublePair pregain = {a.pregain, b.pregain};
    const DoublePair in = x * pregain * pregain;
    DoublePair acc = x * DoublePair{a.dry, b.dry};
    const DoublePair keep = {a.keep, b.keep}, damp = {a.damp, b.damp}, feedback = {a.feedback, b.feedback};
#pragma GCC unroll 16
    for (int32_t i = 0; i < a.lineCount; ++i) {
        StereoDelayLine& line = stereoLines[i];
        const DoublePair delayed = floatsAsPair(line.samples[2 * ((clock - lengthsA[i]) % RING)],
                                                line.samples[2 * ((clock - lengthsB[i]) % RING) + 1]);
        acc += delayed;
        const DoublePair damping = roundedToFloats(delayed * keep + damp * floatPairAt(line.dampingStates));
        setFloatPairAt(line.dampingStates, damping);
        setFloatPairAt(&line.samples[2 * (clock % RING)], in + feedback * damping);
    }
    const DoublePair y = acc - floatsAsPair(blockerA.previousInput, blockerB.previousInput) +
                         DC_BLOCKER_COEFFICIENT * floatsAsPair(blockerA.previousOutput, blockerB.previousOutput);
    blockerA.previousInput = static_cast<float>(acc[0]);
    blockerB.previousInput = static_cast<float>(acc[1]);
    blockerA.previousOutput = static_cast<float>(y[0]);
    blockerB.previousOutput = static_cast<float>(y[1]);
    return y;
#endif
}

// The unit takes the pool's records from the decode's cursor on, and its
// lines' lengths are kept by record.
inline DelayUnit decodeDelayUnit(const uint8_t* bytes, UnitDecode& decode) {
    const DelayUnit unit = compileDelay(bytes, decode.poolCursor);
    for (int32_t i = 0; i < unit.lineCount; ++i) {
        decode.lineLengths[decode.poolCursor++] = decode.delayLengths[bytes[4] + i];
    }
    return unit;
}
UNIT_INLINE void runDelayUnit(const DelayUnit& unit, SignalStack& stack, const UnitRun& run) {
    DelayLine* const pool = run.state.delayPool;
    stack.top = runDelay(unit, pool, run.lineLengths + unit.firstRecord, run.state.delayClock, stack.top,
                             poolBlocker(unit, pool));
}
