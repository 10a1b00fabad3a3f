// OP_OSCILLATOR: sine, triangle, pulse or noise at the voice's note (or, as an
// LFO, at a fixed rate), shaped and scaled. Slot words: 0 phase, 1 transpose
// modulation (x 128 semitones), 2 detune modulation (semitones), 5 width
// modulation.
#pragma once

#include "synth/song.h"
#include "synth/synth_math.h"
#include "synth/synth_state.h"

struct OscillatorUnit {
    double transpose;    // whole semitones around byte 64
    double detune;       // -1 to +1 semitone
    double phaseOffset;
    double width;
    double shapeCurve;   // shapeCurve() of the shape byte
    double gain;
    double phaseStep;    // per frame at 0 semitones: audio or LFO
    uint8_t waveform;    // one of OSC_SINE, OSC_TRIANGLE, OSC_PULSE, OSC_NOISE
    bool followsNote;    // false in LFO mode
    // The increment is pow2 of the pitch, which changes only when the note or a
    // modulation word does: the last pitch and its increment are kept here.
    double lastSemitones;
    double lastIncrement;
};

OscillatorUnit compileOscillator(const uint8_t bytes[7]);

// Rises from -1 to +1 over [0, w] and falls back over [w, 1]. A width of 0 is
// a falling saw whose first point is +1 (not the 0/0 of the rising half).
inline double triangleWave(double q, double w) {
    if (q <= w && w > 0.0) return 2.0 * q / w - 1.0;
    return 2.0 * (1.0 - q) / (1.0 - w) - 1.0;
}

inline double pulseWave(double q, double w) { return q <= w ? 1.0 : -1.0; }

// Returns the value the unit pushes. The waveform and followsNote are the
// unit's own, given apart so that a routine which knows them has them as
// constants.
UNIT_INLINE double runOscillator(OscillatorUnit& unit, uint8_t waveform, bool followsNote, const uint32_t* voice,
                            uint32_t* slot, int32_t& noiseSeed) {
    const int32_t note = wordInt(voice[WORD_NOTE]);
    if (note == 0) return 0.0;
    double semitones = unit.transpose + 128.0 * wordFloat(slot[1]) + unit.detune + wordFloat(slot[2]);
    if (followsNote) semitones += note;
    if (!(semitones == unit.lastSemitones)) {
        unit.lastSemitones = semitones;
        unit.lastIncrement = pow2(semitones * SEMITONE_OCTAVES) * unit.phaseStep;
    }
    const double phase = fractionalPart(wordFloat(slot[0]) + unit.lastIncrement + 1.0);
    setWordFloat(slot[0], static_cast<float>(phase));
    const double q = fractionalPart(wordFloat(slot[0]) + unit.phaseOffset + 1.0);
    const double w = unit.width + wordFloat(slot[5]);
    double wave;
    switch (waveform) {
    case OSC_SINE: wave = sineOfTurns(q); break;
    case OSC_TRIANGLE: wave = triangleWave(q, w); break;
    case OSC_PULSE: wave = pulseWave(q, w); break;
    default: wave = nextNoise(noiseSeed); break;
    }
    return shapeWithCurve(wave, unit.shapeCurve) * unit.gain;
}
