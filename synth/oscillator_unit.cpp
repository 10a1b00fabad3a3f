#include "synth/oscillator_unit.h"

#include <limits>

OscillatorUnit compileOscillator(const uint8_t bytes[7]) {
    const uint8_t flags = bytes[6];
    OscillatorUnit unit;
    unit.transpose = bytes[0] - 64.0;
    unit.detune = 2.0 * (bytes[1] * PARAM_SCALE) - 1.0;
    unit.phaseOffset = bytes[2] * PARAM_SCALE;
    unit.width = bytes[3] * PARAM_SCALE;
    unit.shapeCurve = shapeCurve(bytes[4] * PARAM_SCALE);
    unit.gain = bytes[5] * PARAM_SCALE;
    unit.phaseStep = (flags & OSC_LFO) ? LFO_PHASE_STEP : AUDIO_PHASE_STEP;
    unit.waveform = flags & OSC_WAVEFORMS;
    unit.followsNote = (flags & OSC_LFO) == 0;
    unit.lastSemitones = std::numeric_limits<double>::quiet_NaN();
    unit.lastIncrement = 0.0;
    return unit;
}
