#include "synth/delay_unit.h"

DelayUnit compileDelay(const uint8_t bytes[6], int32_t firstRecord) {
    DelayUnit unit;
    unit.pregain = bytes[0] * PARAM_SCALE;
    unit.dry = bytes[1] * PARAM_SCALE;
    unit.feedback = bytes[2] * PARAM_SCALE;
    unit.damp = bytes[3] * PARAM_SCALE;
    unit.keep = 1.0 - unit.damp;
    unit.firstRecord = firstRecord;
    unit.lineCount = bytes[5];
    return unit;
}
