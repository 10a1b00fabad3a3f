// The music-cued screen distortion: which notes kick it, how a kick decays,
// and how quick kicks pile up.
#include "demo/distortion.h"
#include "synth/music.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The three strengths as the old-screen pass receives them.
void expectUniformsAtRest(const DistortionState& state) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(state.master * state.values[i], 0.525f) << "distort" << i + 1;
}

float totalOf(const DistortionState& state) {
    return state.master + state.values[0] + state.values[1] + state.values[2];
}

TEST(DistortionCue, IsAnUnacknowledgedFiftyEightSixtyOrSixtyTwo) {
    for (int32_t note : {58, 60, 62}) {
        EXPECT_TRUE(isDistortionCue(0, note)) << note;
        EXPECT_FALSE(isDistortionCue(1, note)) << "already acknowledged " << note;
    }
    for (int32_t note : {0, 57, 59, 61, 63, 48}) EXPECT_FALSE(isDistortionCue(0, note)) << note;
}

TEST(DistortionCue, ComesFromTrackElevenOnly) {
    distortion = DISTORTION_AT_REST;
    for (int track = 0; track < NOTE_TRACKS; ++track) {
        trackNote[track] = 0;
        noteSeen[track] = 1;
    }
    trackNote[10] = 60;
    noteSeen[10] = 0;
    trackNote[12] = 62;
    noteSeen[12] = 0;
    trackNote[11] = 60;  // seen: no cue
    advanceDistortion();
    expectUniformsAtRest(distortion);

    noteSeen[11] = 0;
    advanceDistortion();
    EXPECT_GT(distortion.values[0], 0.525f);
    EXPECT_GT(distortion.master, 1.0f);
    distortion = DISTORTION_AT_REST;
}

TEST(Distortion, WithoutCuesStaysAtRestForever) {
    DistortionState state = DISTORTION_AT_REST;
    for (int frame = 0; frame < 100000; ++frame) stepDistortion(&state, false);
    EXPECT_EQ(state.master, 1.0f);
    expectUniformsAtRest(state);
}

TEST(Distortion, OneCueKicksAndDecaysBackRemovingAtMostATenth) {
    DistortionState state = DISTORTION_AT_REST;
    stepDistortion(&state, true);
    EXPECT_NEAR(state.master, 1.0399f, 1e-6f);
    EXPECT_GT(state.values[2], state.values[1]);
    EXPECT_GT(state.values[1], state.values[0]);
    EXPECT_GT(state.values[0], 0.525f);

    const float afterKick = totalOf(state);
    int framesToRest = -1;
    for (int frame = 1; frame <= 100000; ++frame) {
        float before = state.master;
        stepDistortion(&state, false);
        ASSERT_LE(state.master, before) << "the master never rises without a cue";
        if (framesToRest < 0 && state.master == 1.0f) framesToRest = frame;
    }
    ASSERT_GT(framesToRest, 0) << "the master never came back to 1";
    EXPECT_LT(framesToRest, 1000) << "a few hundred frames";
    EXPECT_EQ(state.master, 1.0f) << "clamped at 1";
    EXPECT_LE(afterKick - totalOf(state), 0.1f);
    for (float value : state.values) {
        EXPECT_LE(value, 0.525f);
        EXPECT_GE(value, 0.525f - 0.0001f) << "at most one step below its rest";
    }
}

TEST(Distortion, EverySubtractionShrinksTheSharedStep) {
    DistortionState state = DISTORTION_AT_REST;
    stepDistortion(&state, true);
    for (int frame = 1; frame < 4; ++frame) {
        const float before = state.rate;
        const float master = state.master;
        stepDistortion(&state, false);
        ASSERT_GT(state.values[0], 0.525f) << "all four still decaying";
        EXPECT_NEAR(master - state.master, before, 1e-6f) << "the master falls by the step";
        // Four subtractions a frame (the master and three strengths), each shrinking the step.
        EXPECT_NEAR(state.rate / before, std::pow(0.999, 4), 1e-6) << frame;
    }
}

TEST(Distortion, CuesInQuickSuccessionRaiseTheStrengthsStepByStep) {
    DistortionState state = DISTORTION_AT_REST;
    DistortionState previous = state;
    for (int cue = 0; cue < 20; ++cue) {
        stepDistortion(&state, true);
        for (int i = 0; i < 3; ++i) EXPECT_GT(state.values[i], previous.values[i]) << "cue " << cue << " value " << i;
        EXPECT_NEAR(state.master, 1.0399f, 1e-6f) << "each kick resets the master";
        previous = state;
    }
    EXPECT_GT(state.values[2], state.values[1]);
    EXPECT_GT(state.values[1], state.values[0]);
}

TEST(Distortion, CuesEveryFewFramesKeepPartOfEachKick) {
    DistortionState state = DISTORTION_AT_REST;
    float afterFirstCue = 0.0f;
    for (int frame = 0; frame < 200; ++frame) {
        stepDistortion(&state, frame % 10 == 0);
        if (frame == 0) afterFirstCue = state.values[0];
    }
    EXPECT_GT(state.values[0], afterFirstCue);
}

}  // namespace
