#include "demo/post/distortion.h"

namespace {

// Each subtraction shrinks the step by this, so all the steps after one kick
// remove at most a tenth.
const float DECAY_SHRINK = 0.999f;
const float KICK_STEP = 0.0001f;
const float KICK_MASTER = 1.04f;
const float KICK_GROWTH[3] = {1.01f, 1.02f, 1.03f};

}  // namespace

void stepDistortion(DistortionState* state, bool cued) {
    if (cued) {
        for (int i = 0; i < 3; ++i) state->values[i] *= KICK_GROWTH[i];
        state->master = KICK_MASTER - KICK_STEP;
        state->rate = KICK_STEP * DECAY_SHRINK;
        if (state->master < DISTORTION_MASTER_REST) state->master = DISTORTION_MASTER_REST;
    } else if (state->master > DISTORTION_MASTER_REST) {
        state->master -= state->rate;
        state->rate *= DECAY_SHRINK;
        if (state->master < DISTORTION_MASTER_REST) state->master = DISTORTION_MASTER_REST;
    }
    // Not clamped: each strength may end up to one step below its rest.
    for (float& value : state->values) {
        if (value > DISTORTION_VALUE_REST) {
            value -= state->rate;
            state->rate *= DECAY_SHRINK;
        }
    }
}
