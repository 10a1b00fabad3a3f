#include "synth/filter_unit.h"

#include "synth/synth_math.h"

FilterUnit compileFilter(const uint8_t bytes[3]) {
    const double frequency = bytes[0] * PARAM_SCALE;
    FilterUnit unit;
    unit.coefficient = frequency * frequency;
    unit.damping = bytes[1] * PARAM_SCALE;
    unit.outputs = bytes[2];
    return unit;
}
