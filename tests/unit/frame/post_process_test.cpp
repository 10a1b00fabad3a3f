// The old-screen pass's values frame by frame: the flash around the scene
// switch, the lens settling, the fade's quad, and the uniforms it is fed.
#include "demo/post_process.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One frame of the pass's state as drawPostProcess runs it: the values the
// frame draws with, then the lens settle for the next frame.
struct Frame {
    float flash;
    float deform;
    int finished;
};

Frame runFrame(PostProcessState* state, double demoTime, bool quitting = false, double quitTime = 0.0) {
    Frame frame;
    frame.finished = updateFadeAndFlash(state, static_cast<float>(demoTime), quitting, demoTime - quitTime);
    frame.flash = state->fade.flash;
    frame.deform = state->deformValue;
    settleLens(state, demoTime);
    return frame;
}

TEST(Flash, RisesOverTheLastTenthBeforeTheSwitchAndDropsToNothingByTenPointThree) {
    PostProcessState state = POST_PROCESS_AT_START;
    EXPECT_EQ(runFrame(&state, 9.0).flash, 0.0f);
    EXPECT_EQ(runFrame(&state, 9.9).flash, 0.0f) << "9.9 itself is outside the rise";
    EXPECT_NEAR(runFrame(&state, 9.95).flash, 1.0f, 1e-4f);
    EXPECT_NEAR(runFrame(&state, 10.0).flash, 2.0f, 1e-4f) << "10 itself still rises";
    EXPECT_NEAR(runFrame(&state, 10.0001).flash, 6.0f, 1e-2f) << "then it jumps to 6";
    EXPECT_NEAR(runFrame(&state, 10.15).flash, 3.0f, 1e-4f);
    EXPECT_NEAR(runFrame(&state, 10.29).flash, 0.2f, 1e-4f);
}

TEST(Flash, SettlesAtZeroAfterTenPointThreeWhateverTheLastFrameOfTheDropLeft) {
    for (double lastOfDrop : {10.25, 10.28, 10.2999}) {
        SCOPED_TRACE(lastOfDrop);
        PostProcessState state = POST_PROCESS_AT_START;
        ASSERT_GT(runFrame(&state, lastOfDrop).flash, 0.0f);
        EXPECT_EQ(runFrame(&state, 10.3).flash, 0.0f);
        EXPECT_EQ(runFrame(&state, 10.31).flash, 0.0f);
        EXPECT_EQ(runFrame(&state, 60.0).flash, 0.0f);
    }
}

TEST(Flash, TheFadeBrightensThePictureExceptWhereTheSwitchWindowsOverrideIt) {
    PostProcessState state = POST_PROCESS_AT_START;
    const double quitTime = 9.8;
    EXPECT_NEAR(runFrame(&state, 9.85, true, quitTime).flash, 0.1f, 1e-4f) << "the fade's own 2q";
    EXPECT_NEAR(runFrame(&state, 9.95, true, quitTime).flash, 1.0f, 1e-4f) << "the rise wins";
    EXPECT_NEAR(runFrame(&state, 10.2, true, quitTime).flash, 2.0f, 1e-4f) << "the drop wins";
    EXPECT_NEAR(runFrame(&state, 10.3, true, quitTime).flash, 1.0f, 1e-4f) << "the fade's again, not 0";
}

TEST(Lens, StartsAtFiveThenFollowsTheLastFrameClockAndRestsAtAHalfFromAbout074Seconds) {
    PostProcessState state = POST_PROCESS_AT_START;
    EXPECT_EQ(runFrame(&state, 0.0).deform, 5.0f) << "first frame";
    EXPECT_EQ(runFrame(&state, 0.016).deform, 4.5f) << "second frame, after the first frame's clock of 0";
    EXPECT_NEAR(runFrame(&state, 0.5).deform, 4.5f - 6.1f * 0.016f, 1e-5f);
    EXPECT_NEAR(runFrame(&state, 0.737).deform, 4.5f - 6.1f * 0.5f, 1e-5f);
    Frame nearlySettled = runFrame(&state, 0.738);
    EXPECT_GT(nearlySettled.deform, 0.0f);
    EXPECT_LT(nearlySettled.deform, 0.01f) << "it drops towards 0 before it jumps";
    for (double t : {0.75, 1.0, 10.0, 200.0}) EXPECT_EQ(runFrame(&state, t).deform, 0.5f) << t;
}

TEST(FadeThroughThePass, SqueezesTheQuadToALineThenADotAndFinishesJustAfterOneSecond) {
    PostProcessState state = POST_PROCESS_AT_START;
    const double quitTime = 30.0;
    FxQuadCorner corners[4];

    EXPECT_EQ(runFrame(&state, 30.25, true, quitTime).finished, 0);
    fxQuadCorners(state.fade, corners);
    EXPECT_NEAR(corners[1].y, 0.33f * 0.5f, 1e-6f);
    EXPECT_NEAR(corners[2].x, 0.5f, 1e-6f) << "width untouched while the height is above 0.21";
    EXPECT_NEAR(state.fade.flash, 0.5f, 1e-5f);

    EXPECT_EQ(runFrame(&state, 30.75, true, quitTime).finished, 0);
    fxQuadCorners(state.fade, corners);
    EXPECT_NEAR(corners[1].y, 0.33f * 0.005f, 1e-7f) << "a line";
    EXPECT_NEAR(corners[2].x, 0.5f * 0.5f, 1e-5f);

    EXPECT_EQ(runFrame(&state, 30.999, true, quitTime).finished, 0);
    EXPECT_EQ(runFrame(&state, 31.0, true, quitTime).finished, 1);
    fxQuadCorners(state.fade, corners);
    EXPECT_NEAR(corners[2].x, 0.5f * 0.001f, 1e-8f) << "a dot";
}

TEST(FadeThroughThePass, ASecondQuitRestartsTheHeightAndPostponesTheEnd) {
    PostProcessState state = POST_PROCESS_AT_START;
    runFrame(&state, 20.7, true, 20.0);  // narrowed to 0.6
    const double secondQuit = 20.75;
    runFrame(&state, 20.85, true, secondQuit);
    EXPECT_NEAR(state.fade.scaleY, 0.8f, 1e-5f);
    EXPECT_NEAR(state.fade.scaleX, 0.6f, 1e-5f) << "the width keeps its last value";
    EXPECT_NEAR(state.fade.flash, 0.2f, 1e-5f);
    EXPECT_EQ(runFrame(&state, 21.2, true, secondQuit).finished, 0) << "one second after the first quit";
    EXPECT_EQ(runFrame(&state, secondQuit + 1.0, true, secondQuit).finished, 1);
}

TEST(FxQuad, CornersRunCounterClockwiseFromTheBottomLeftWithTheSceneUpright) {
    FxQuadCorner corners[4];
    fxQuadCorners(POST_PROCESS_AT_START.fade, corners);
    const FxQuadCorner expected[4] = {
        {0.0f, 0.0f, -0.5f, -0.33f}, {0.0f, 1.0f, -0.5f, 0.33f}, {1.0f, 1.0f, 0.5f, 0.33f}, {1.0f, 0.0f, 0.5f, -0.33f}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(corners[i].s, expected[i].s) << i;
        EXPECT_EQ(corners[i].t, expected[i].t) << i;
        EXPECT_EQ(corners[i].x, expected[i].x) << i;
        EXPECT_EQ(corners[i].y, expected[i].y) << i;
    }
}

TEST(FxUniforms, AreSetInTheirOrderWithTheDistortionScaledByItsMaster) {
    PostProcessState state = POST_PROCESS_AT_START;
    state.fade.flash = 0.75f;
    state.deformValue = 0.5f;
    const DistortionState kicked = {1.25f, {0.5f, 0.6f, 0.7f}, 0.0f};
    FxUniform uniforms[FX_UNIFORM_COUNT];
    fxUniforms(state, kicked, 42.5f, 1109, 693, uniforms);

    struct Expected {
        const char* name;
        bool isInt;
        double value;
    };
    const Expected expected[FX_UNIFORM_COUNT] = {
        {"screen_w", true, 1109},  {"screen_h", true, 693},           {"time", false, 42.5},
        {"value1", false, 0.75},   {"value2", false, 100.0},          {"deform_value", false, 0.5},
        {"texture", true, 0},      {"distort1", false, 1.25 * 0.5},   {"distort2", false, 1.25 * 0.6},
        {"distort3", false, 1.25 * 0.7},
    };
    for (int i = 0; i < FX_UNIFORM_COUNT; ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(std::string(uniforms[i].name), expected[i].name);
        EXPECT_EQ(uniforms[i].isInt, expected[i].isInt);
        if (expected[i].isInt) {
            EXPECT_EQ(uniforms[i].intValue, static_cast<int>(expected[i].value));
        } else {
            EXPECT_NEAR(uniforms[i].floatValue, expected[i].value, 1e-6);
        }
    }
}

}  // namespace
