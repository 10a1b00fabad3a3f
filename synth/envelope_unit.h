// OP_ENVELOPE: a linear attack-decay-sustain-release level times a gain.
// Slot words: 0 stage, 1 level, 2 gain modulation.
#pragma once

#include "synth/signal_units.h"
#include "synth/song.h"
#include "synth/synth_math.h"
#include "synth/synth_state.h"
#include "synth/unit_run.h"

struct EnvelopeUnit {
    // Per-frame level steps, pow2(-24 p) of the attack, decay and release bytes.
    double attackRate;
    double decayRate;
    double sustain;
    double releaseRate;
    double gain;
};

EnvelopeUnit compileEnvelope(const uint8_t bytes[5]);

// Returns the value the unit pushes; note is the voice's note word.
UNIT_INLINE double runEnvelope(const EnvelopeUnit& unit, LiveWords live, int32_t note, const uint32_t* voice,
                               uint32_t* slot) {
    if (note == 0) return 0.0;
    int32_t stage = wordInt(slot[0]);
    // Checked every frame: a finished envelope of a released voice goes back
    // to release, stays at 0 and finishes again.
    if (wordInt(voice[WORD_RELEASE_COUNT]) != 0) stage = STAGE_RELEASE;
    const double gain = unit.gain + slotWord(slot, 2, live);
    double level = wordFloat(slot[1]);
    switch (stage) {
    case STAGE_ATTACK:
        level += unit.attackRate;
        if (level >= 1.0) {
            level = 1.0;
            stage = STAGE_DECAY;
        }
        break;
    case STAGE_DECAY:
        level -= unit.decayRate;
        if (level <= unit.sustain) {
            level = unit.sustain;
            stage = STAGE_SUSTAIN;
        }
        break;
    case STAGE_RELEASE:
        level -= unit.releaseRate;
        if (level <= 0.0) {
            level = 0.0;
            stage = STAGE_DONE;
        }
        break;
    default:
        // Sustain holds; done (or a stage word a store overwrote) stays: both
        // words would be written back as they are.
        return level * gain;
    }
    setWordInt(slot[0], stage);
    setWordFloat(slot[1], static_cast<float>(level));
    return static_cast<double>(wordFloat(slot[1])) * gain;
}

inline EnvelopeUnit decodeEnvelopeUnit(const uint8_t* bytes, UnitDecode&) { return compileEnvelope(bytes); }
UNIT_INLINE void runEnvelopeUnit(const EnvelopeUnit& unit, SignalStack& stack, const UnitRun& run) {
    stack.push(runEnvelope(unit, EVERY_WORD_LIVE, run.note, run.voice, run.slot));
}
