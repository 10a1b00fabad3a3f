#include "synth/signal_units.h"

#include "synth/synth_math.h"

namespace {
double signedParameter(uint8_t byte) { return 2.0 * (byte * PARAM_SCALE) - 1.0; }
}  // namespace

StoreUnit compileStore(const uint8_t bytes[2]) {
    StoreUnit unit;
    unit.factor = signedParameter(bytes[0]);
    unit.word = WORD_FIRST_SLOT + bytes[1];
    return unit;
}

StoreUnit compileStoreRemote(const uint8_t bytes[5]) {
    const uint32_t offset = bytes[1] | bytes[2] << 8 | bytes[3] << 16 | static_cast<uint32_t>(bytes[4]) << 24;
    StoreUnit unit;
    unit.factor = signedParameter(bytes[0]);
    unit.word = static_cast<int32_t>(offset / 4);
    return unit;
}

OutputUnit compileOutput(const uint8_t bytes[2]) {
    OutputUnit unit;
    unit.gain = bytes[0] * PARAM_SCALE;
    unit.send = bytes[1] * PARAM_SCALE;
    return unit;
}

MixUnit compileMix(const uint8_t bytes[1]) {
    MixUnit unit;
    unit.leftWord = bytes[0] == MIX_SEND ? WORD_SEND_LEFT : WORD_MAIN_LEFT;
    return unit;
}
