// OP_FILTER: a state-variable filter on the top value; any sum of its low,
// high, band and low-minus-high outputs. Slot words: 0 low, 1 high, 2 band,
// 3 coefficient (rewritten every frame).
#pragma once

#include "synth/signal_units.h"
#include "synth/song.h"
#include "synth/synth_math.h"
#include "synth/synth_state.h"
#include "synth/unit_run.h"

struct FilterUnit {
    double coefficient;  // the frequency parameter squared
    double damping;      // smaller resonates more
    uint8_t outputs;     // FILTER_* flags
};

// A constant expression where the bytes are, as for the oscillator.
constexpr FilterUnit compileFilter(const uint8_t* bytes) {
    const double frequency = bytes[0] * PARAM_SCALE;
    return {frequency * frequency, bytes[1] * PARAM_SCALE, bytes[2]};
}

// Returns what replaces the top value x; note is the voice's note word.
UNIT_INLINE double runFilter(const FilterUnit& unit, int32_t note, uint32_t* slot, double x) {
    if (note == 0) return x;
    const double f = unit.coefficient;
    setWordFloat(slot[3], static_cast<float>(f));
    setWordFloat(slot[0], static_cast<float>(wordFloat(slot[0]) + f * wordFloat(slot[2])));
    const double low = wordFloat(slot[0]);
    setWordFloat(slot[1], static_cast<float>(x - low - unit.damping * wordFloat(slot[2])));
    const double high = wordFloat(slot[1]);
    setWordFloat(slot[2], static_cast<float>(wordFloat(slot[2]) + f * high));
    const double band = wordFloat(slot[2]);
    // Summed from 0 in a fixed order, so no flags give 0 while the state runs.
    double result = 0.0;
    if (unit.outputs & FILTER_LOW) result += low;
    if (unit.outputs & FILTER_HIGH) result += high;
    if (unit.outputs & FILTER_BAND) result += band;
    if (unit.outputs & FILTER_LOW_MINUS_HIGH) result += low - high;
    return result;
}

inline FilterUnit decodeFilterUnit(const uint8_t* bytes, UnitDecode&) { return compileFilter(bytes); }
UNIT_INLINE void runFilterUnit(const FilterUnit& unit, SignalStack& stack, const UnitRun& run) {
    stack.top = runFilter(unit, run.note, run.slot, stack.top);
}
