// OP_OSCILLATOR: sine, triangle, pulse or noise at the voice's note (or, as an
// LFO, at a fixed rate), shaped and scaled. Slot words: 0 phase, 1 transpose
// modulation (x 128 semitones), 2 detune modulation (semitones), 5 width
// modulation.
#pragma once

#include "synth/signal_units.h"
#include "synth/song.h"
#include "synth/synth_math.h"
#include "synth/synth_state.h"
#include "synth/unit_run.h"

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
};

// A constant expression where the bytes are: the song's routines have each
// oscillator's parameters as constants.
constexpr OscillatorUnit compileOscillator(const uint8_t* bytes) {
    const uint8_t flags = bytes[6];
    return {bytes[0] - 64.0,
            2.0 * (bytes[1] * PARAM_SCALE) - 1.0,
            bytes[2] * PARAM_SCALE,
            bytes[3] * PARAM_SCALE,
            shapeCurve(bytes[4] * PARAM_SCALE),
            bytes[5] * PARAM_SCALE,
            (flags & OSC_LFO) ? LFO_PHASE_STEP : AUDIO_PHASE_STEP,
            static_cast<uint8_t>(flags & OSC_WAVEFORMS),
            (flags & OSC_LFO) == 0};
}

// The increment is pow2 of the pitch, whose inputs (the note and the two
// pitch modulation words) mostly stand still for a whole note: their bits and
// the increment they gave are kept, and the pow2 is worked out again only
// when one of them changes. Note 0 (silence) never computes a pitch, so the
// zeroed record holds no pitch.
struct OscillatorPitch {
    int32_t note;
    uint32_t transposeWord;
    uint32_t detuneWord;
    double increment;
};

// Rises from -1 to +1 over [0, w] and falls back over [w, 1]. A width of 0 is
// a falling saw whose first point is +1 (not the 0/0 of the rising half).
inline double triangleWave(double q, double w) {
    if (q <= w && w > 0.0) return 2.0 * q / w - 1.0;
    return 2.0 * (1.0 - q) / (1.0 - w) - 1.0;
}

inline double pulseWave(double q, double w) { return q <= w ? 1.0 : -1.0; }

// Returns the value the unit pushes; note is the voice's note word.
UNIT_INLINE double runOscillator(const OscillatorUnit& unit, LiveWords live, OscillatorPitch& pitch, int32_t note,
                                 uint32_t* slot, int32_t& noiseSeed) {
    if (note == 0) return 0.0;
    // A word that is not live is 0 and is kept as 0: only live ones are compared.
    const uint32_t transposeWord = (live & 1 << 1) ? slot[1] : 0u;
    const uint32_t detuneWord = (live & 1 << 2) ? slot[2] : 0u;
    if (__builtin_expect(note != pitch.note || ((live & 1 << 1) && transposeWord != pitch.transposeWord) ||
                             ((live & 1 << 2) && detuneWord != pitch.detuneWord),
                         0)) {
        double semitones = unit.transpose + 128.0 * wordFloat(transposeWord) + unit.detune + wordFloat(detuneWord);
        if (unit.followsNote) semitones += note;
        pitch = {note, transposeWord, detuneWord, pow2(semitones * SEMITONE_OCTAVES) * unit.phaseStep};
    }
    // The phase word lies in [0, 1] (a float may round up to 1): plus an
    // increment below 1/2 (any pitch below half the sample rate) or an offset
    // below 1 (k/128, exact), plus 1, it lies in [1, 3).
    const double next = wordFloat(slot[0]) + pitch.increment + 1.0;
    const double phase = pitch.increment < 0.5 ? fractionalPartFromOneToThree(next) : fractionalPart(next);
    setWordFloat(slot[0], static_cast<float>(phase));
    const double offset = wordFloat(slot[0]) + unit.phaseOffset + 1.0;
    const double q = unit.phaseOffset < 1.0 ? fractionalPartFromOneToThree(offset) : fractionalPart(offset);
    const double w = unit.width + slotWord(slot, 5, live);
    double wave;
    switch (unit.waveform) {
    case OSC_SINE: wave = sineOfTurns(q); break;
    case OSC_TRIANGLE: wave = triangleWave(q, w); break;
    case OSC_PULSE: wave = pulseWave(q, w); break;
    default: wave = nextNoise(noiseSeed); break;
    }
    // Unshaped (curve 0), the shaper only clamps to [-1, 1], which a pulse
    // never leaves, nor a triangle whose width lies strictly between 0 and 1
    // (each half rises or falls between -1 and 1, every step rounded within).
    const bool withinUnit = unit.waveform == OSC_PULSE || (unit.waveform == OSC_TRIANGLE && w > 0.0 && w < 1.0);
    if (withinUnit && unit.shapeCurve == 0.0) return wave * unit.gain;
    return shapeWithCurve(wave, unit.shapeCurve) * unit.gain;
}

inline OscillatorUnit decodeOscillatorUnit(const uint8_t* bytes, UnitDecode&) { return compileOscillator(bytes); }
UNIT_INLINE void runOscillatorUnit(const OscillatorUnit& unit, SignalStack& stack, const UnitRun& run) {
    stack.push(runOscillator(unit, EVERY_WORD_LIVE, run.pitch, run.note, run.slot, run.state.noiseSeed));
}
