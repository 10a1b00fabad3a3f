#include "synth/envelope_unit.h"

#include "synth/synth_math.h"

namespace {
double stageRate(uint8_t byte) { return pow2(-ENVELOPE_RATE_SCALE * (byte * PARAM_SCALE)); }
}  // namespace

EnvelopeUnit compileEnvelope(const uint8_t bytes[5]) {
    EnvelopeUnit unit;
    unit.attackRate = stageRate(bytes[0]);
    unit.decayRate = stageRate(bytes[1]);
    unit.sustain = bytes[2] * PARAM_SCALE;
    unit.releaseRate = stageRate(bytes[3]);
    unit.gain = bytes[4] * PARAM_SCALE;
    return unit;
}
