// The old-screen pass's values frame by frame: the flash around the scene
// switch and the lens settling.
#include "demo/post/post.h"
#include "demo/show_timeline.h"

#include <gtest/gtest.h>

namespace {

struct PassFrame {
    double t;
    double quitTime;  // -1: no quit
    float flash;      // "value1" this frame
    float deform;     // "deform_value" this frame
};

// The flash's window: rising up to the peak, falling after it.
const double RISE = FLASH_PEAK - FLASH_RISE_SECONDS, PEAK = FLASH_PEAK, FALLEN = FLASH_PEAK + FLASH_FALL_SECONDS;

void runFrames(std::initializer_list<PassFrame> frames) {
    PostProcessState state = POST_PROCESS_AT_START;
    for (const PassFrame& f : frames) {
        updateFadeAndFlash(&state, static_cast<float>(f.t), f.quitTime >= 0, f.t - f.quitTime);
        EXPECT_NEAR(state.fade.flash, f.flash, f.t == PEAK + 0.0001 ? 1e-2f : 1e-4f) << f.t;
        EXPECT_NEAR(state.deformValue, f.deform, 1e-5f) << f.t;
        settleLens(&state, f.t);
    }
}

TEST(PostProcess, LensSettlesFromTheLastFrameClockAndTheFlashRisesAndDropsAroundTheSwitch) {
    runFrames({
        // The lens follows the previous frame's clock: close to 0 at 0.75 s, then it rests at a half.
        {0.0, -1, 0, 5.0f}, {0.016, -1, 0, 4.5f}, {0.5, -1, 0, 4.5f - 6.1f * 0.016f},
        {0.737, -1, 0, 4.5f - 6.1f * 0.5f}, {0.75, -1, 0, 4.5f - 6.1f * 0.737f}, {1.0, -1, 0, 0.5f},
        // The flash: the rise's start is outside it, the peak still in it; then it jumps to 6 and drops,
        // and settles at 0 whatever the last frame of the drop left.
        {RISE, -1, 0, 0.5f}, {(RISE + PEAK) / 2, -1, 1, 0.5f}, {PEAK, -1, 2, 0.5f}, {PEAK + 0.0001, -1, 6, 0.5f},
        {(PEAK + FALLEN) / 2, -1, 3, 0.5f}, {FALLEN - 0.0001, -1, 0.002f, 0.5f}, {FALLEN, -1, 0, 0.5f}, {60.0, -1, 0, 0.5f},
    });
}

TEST(PostProcess, TheFadesBrightnessGivesWayToTheSwitchWindowsOnly) {
    const double quit = RISE - 0.1;
    runFrames({{quit + 0.05, quit, 0.1f, 5.0f}, {(RISE + PEAK) / 2, quit, 1, 0.5f}, {FALLEN - 0.1, quit, 2, 0.5f},
               {FALLEN, quit, 1, 0.5f}});
}

}  // namespace
