// The music-cued screen distortion: how a kick decays, and how quick kicks
// pile up.
#include "demo/post/distortion.h"

#include <gtest/gtest.h>

namespace {

float total(const DistortionState& s) { return s.master + s.values[0] + s.values[1] + s.values[2]; }

TEST(Distortion, RestsWithoutCuesAndAKickDecaysBackInAFewHundredFramesRemovingAtMostATenth) {
    DistortionState state = DISTORTION_AT_REST;
    for (int frame = 0; frame < 1000; ++frame) stepDistortion(&state, false);
    for (float value : state.values) EXPECT_EQ(state.master * value, 0.525f);

    stepDistortion(&state, true);
    EXPECT_NEAR(state.master, 1.0399f, 1e-6f);
    EXPECT_TRUE(state.values[2] > state.values[1] && state.values[1] > state.values[0] && state.values[0] > 0.525f);
    const float kicked = total(state);
    int frames = 0;
    for (; state.master > 1.0f && frames < 100000; ++frames) stepDistortion(&state, false);
    EXPECT_TRUE(frames > 100 && frames < 1000) << frames;
    for (int frame = 0; frame < 100000; ++frame) stepDistortion(&state, false);
    EXPECT_EQ(state.master, 1.0f);
    EXPECT_LE(kicked - total(state), 0.1f);
    for (float value : state.values) EXPECT_NEAR(value, 0.525f - 0.00005f, 0.00005f) << "at most one step below";
}

TEST(Distortion, CuesEveryTenFramesRaiseTheStrengthsStepByStep) {
    DistortionState state = DISTORTION_AT_REST, previous = state;
    for (int cue = 0; cue < 20; ++cue) {
        for (int frame = 0; frame < 10; ++frame) stepDistortion(&state, frame == 0);
        for (int i = 0; i < 3; ++i) EXPECT_GT(state.values[i], previous.values[i]) << "cue " << cue << ", " << i;
        previous = state;
    }
}

}  // namespace
