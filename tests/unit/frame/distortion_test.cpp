// The music-cued screen distortion: which notes kick it, how a kick decays,
// and how quick kicks pile up.
#include "demo/distortion.h"
#include "synth/music.h"

#include <gtest/gtest.h>

namespace {

TEST(Distortion, KickedByAnUnacknowledgedFiftyEightSixtyOrSixtyTwoOfTrackElevenOnly) {
    const struct {
        uint8_t seen;
        int32_t note;
        bool cue;
    } rows[] = {{0, 58, true}, {0, 60, true}, {0, 62, true}, {1, 60, false}, {0, 59, false}, {0, 61, false},
                {0, 0, false}, {0, 48, false}};
    for (const auto& row : rows) EXPECT_EQ(isDistortionCue(row.seen, row.note), row.cue) << row.note << +row.seen;

    distortion = DISTORTION_AT_REST;
    for (int track = 0; track < NOTE_TRACKS; ++track) trackNote[track] = 60, noteSeen[track] = track == 11;
    advanceDistortion();  // 60 on every track but 11, whose 60 is acknowledged
    EXPECT_EQ(distortion.master, 1.0f);
    noteSeen[11] = 0;
    advanceDistortion();
    EXPECT_GT(distortion.master, 1.0f);
}

TEST(Distortion, RestsWithoutCuesAndAKickDecaysBackInAFewHundredFramesRemovingAtMostATenth) {
    DistortionState state = DISTORTION_AT_REST;
    for (int frame = 0; frame < 1000; ++frame) stepDistortion(&state, false);
    for (float value : state.values) EXPECT_EQ(state.master * value, 0.525f);

    stepDistortion(&state, true);
    EXPECT_NEAR(state.master, 1.0399f, 1e-6f);
    EXPECT_GT(state.values[2], state.values[1]);
    EXPECT_GT(state.values[1], state.values[0]);
    EXPECT_GT(state.values[0], 0.525f);
    const float kicked = state.master + state.values[0] + state.values[1] + state.values[2];
    int frames = 0;
    for (; state.master > 1.0f && frames < 100000; ++frames) stepDistortion(&state, false);
    EXPECT_GT(frames, 100);
    EXPECT_LT(frames, 1000);
    for (int frame = 0; frame < 100000; ++frame) stepDistortion(&state, false);
    EXPECT_EQ(state.master, 1.0f);
    EXPECT_LE(kicked - (state.master + state.values[0] + state.values[1] + state.values[2]), 0.1f);
    for (float value : state.values) EXPECT_NEAR(value, 0.525f - 0.00005f, 0.00005f) << "at most one step below";
}

TEST(Distortion, CuesInQuickSuccessionRaiseTheStrengthsStepByStep) {
    DistortionState state = DISTORTION_AT_REST, previous = state;
    for (int frame = 0; frame < 200; ++frame) {
        stepDistortion(&state, frame % 10 == 0);
        if (frame % 10 != 0) continue;
        for (int i = 0; i < 3; ++i) EXPECT_GT(state.values[i], previous.values[i]) << "frame " << frame << ", " << i;
        previous = state;
    }
}

}  // namespace
