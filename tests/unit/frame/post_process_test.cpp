// The old-screen pass's values frame by frame: the flash around the scene
// switch and the lens settling.
#include "demo/post/post.h"

#include <gtest/gtest.h>

namespace {

struct PassFrame {
    double t;
    double quitTime;  // -1: no quit
    float flash;      // "value1" this frame
    float deform;     // "deform_value" this frame
};

void runFrames(std::initializer_list<PassFrame> frames) {
    PostProcessState state = POST_PROCESS_AT_START;
    for (const PassFrame& f : frames) {
        updateFadeAndFlash(&state, static_cast<float>(f.t), f.quitTime >= 0, f.t - f.quitTime);
        EXPECT_NEAR(state.fade.flash, f.flash, f.t == 10.0001 ? 1e-2f : 1e-4f) << f.t;
        EXPECT_NEAR(state.deformValue, f.deform, 1e-5f) << f.t;
        settleLens(&state, f.t);
    }
}

TEST(PostProcess, LensSettlesFromTheLastFrameClockAndTheFlashRisesAndDropsAroundTheSwitch) {
    runFrames({
        // The lens follows the previous frame's clock: close to 0 at 0.75 s, then it rests at a half.
        {0.0, -1, 0, 5.0f}, {0.016, -1, 0, 4.5f}, {0.5, -1, 0, 4.5f - 6.1f * 0.016f},
        {0.737, -1, 0, 4.5f - 6.1f * 0.5f}, {0.75, -1, 0, 4.5f - 6.1f * 0.737f}, {1.0, -1, 0, 0.5f},
        // The flash: 9.9 itself is outside the rise, 10 still in it; then it jumps to 6 and drops, and
        // settles at 0 whatever the last frame of the drop left.
        {9.9, -1, 0, 0.5f}, {9.95, -1, 1, 0.5f}, {10.0, -1, 2, 0.5f}, {10.0001, -1, 6, 0.5f},
        {10.15, -1, 3, 0.5f}, {10.2999, -1, 0.002f, 0.5f}, {10.3, -1, 0, 0.5f}, {60.0, -1, 0, 0.5f},
    });
}

TEST(PostProcess, TheFadesBrightnessGivesWayToTheSwitchWindowsOnly) {
    runFrames({{9.85, 9.8, 0.1f, 5.0f}, {9.95, 9.8, 1, 0.5f}, {10.2, 9.8, 2, 0.5f}, {10.3, 9.8, 1, 0.5f}});
}

}  // namespace
