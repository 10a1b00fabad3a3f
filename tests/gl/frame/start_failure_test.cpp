// startDemo with a piece missing: it reports failure, so that the entry shows
// "Something went bang...", instead of leaving a frame to draw with nothing.
// Built once per missing piece, each with its own resource table; the test is
// named after the piece.
#include "app/shell_state.h"
#include "demo/demo.h"
#include "tests/gl/frame/frame_fixture.h"

namespace {

using StartDemoFails = GlTest;

TEST_F(StartDemoFails, START_FAILURE_CASE) {
    resetFrameState();
    displayConfig = DisplayConfig{glWindow.width, glWindow.height, 0,
                                  static_cast<float>(static_cast<double>(glWindow.width) / glWindow.height)};
    EXPECT_EQ(startDemo(LoadProgress{nullptr, nullptr}, &displayConfig), 0);
}

}  // namespace
