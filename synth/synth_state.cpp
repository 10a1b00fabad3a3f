#include "synth/synth_state.h"

void resetSynthState(SynthState& state, int32_t poolRecords) {
    std::memset(state.voiceArea, 0, sizeof state.voiceArea);
    state.noiseSeed = 1;
    state.delayClock = 0;
    std::memset(state.delayPool, 0, sizeof(DelayLine) * static_cast<size_t>(poolRecords));
    std::memset(state.stereoPool, 0, sizeof state.stereoPool);
}
