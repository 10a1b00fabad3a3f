// What a unit's step in the interpreter works on besides the signal stack,
// and what decoding a unit needs: each kind's decode and run functions
// (synth/unit_kinds.h) take one of these, so that the interpreter calls every
// kind alike.
#pragma once

#include "synth/synth_state.h"

#include <cstdint>

struct OscillatorPitch;

struct UnitRun {
    SynthState& state;
    uint32_t* voice;  // the voice record the list runs on
    uint32_t* slot;   // the unit's slot in it
    int32_t note;     // the voice's note word as the unit finds it
    const int32_t* lineLengths;  // the delay lines' lengths in frames, by pool record
    OscillatorPitch& pitch;      // the unit's last oscillator pitch
};

struct UnitDecode {
    const uint16_t* delayLengths;  // the song's
    int32_t* lineLengths;          // the program's, by pool record
    int32_t poolCursor;            // the first pool record the next delay unit takes
};
