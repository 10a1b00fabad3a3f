// Which frames a capture draws and whose sound it keeps, and the capture
// backend's clock that the plan counts on.
#include "platform/capture/capture_backend.h"
#include "tools/capture/capture_plan.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(CapturePlan, TimesBecomeTheFirstFrameReachingThemOrTheLastUpToThem) {
    // Frames per second, a time, the first frame reaching it, the last up to it.
    const std::tuple<int, double, int64_t, int64_t> cases[] = {{60, 12.0, 720, 720},          {60, 12.000001, 721, 720},     {60, 11.999999, 720, 719},
                 {7, 2.0 / 7.0 + 1e-9, 3, 2}, {7, 2.0 / 7.0 - 1e-9, 2, 1}, {7, 1.0 / 7.0, 1, 1}};
    for (const auto& [fps, seconds, firstReaching, lastUpTo] : cases) {
        setCaptureFrameRate(fps);
        EXPECT_EQ(firstFrameReaching(seconds, fps), firstReaching) << seconds << " s at " << fps;
        EXPECT_EQ(lastFrameUpTo(seconds, fps), lastUpTo) << seconds << " s at " << fps;
    }
}

TEST(CapturePlan, TheSoundSpansTheRangeOrElseTheStillsAndOnlyKeptFramesAreDrawn) {
    // (Stills, ranges and the quit as frames the end-to-end runs check.)
    setCaptureFrameRate(60);
    CaptureOptions o;
    o.stills = {3.0, 11.0, 20.0};
    o.outDir = "o";
    int64_t first = 0, last = 0;
    soundSpan(planCapture(o), 1200, &first, &last);
    EXPECT_TRUE(first == 180 && last == 1200) << "from the first still to the last: " << first << " to " << last;
    o.hasRange = o.hasQuit = true;  // frames from 4.5 s to the fade's end, a quit at 5 s
    o.from = 4.5;
    o.quitAt = 5.0;
    soundSpan(planCapture(o), 360, &first, &last);
    EXPECT_TRUE(first == 270 && last == 360) << "the range's, whatever the stills: " << first << " to " << last;
    o.outDir.clear();
    const CapturePlan plan = planCapture(o);
    EXPECT_TRUE(isDrawnFrame(plan, 660) && !isDrawnFrame(plan, 659) && !isDrawnFrame(plan, 300)) << "sound only";
}

TEST(CaptureClock, WholeSecondsAreExactAndTheSoundIsEachFramesShare) {
    // The music starts in the first frame past 12 s: a clock a hair off at a
    // whole second would start it a frame early or late.
    for (int fps : {1, 7, 24, 30, 60, 144, 1000}) {
        setCaptureFrameRate(fps);
        for (int64_t second : {1, 12, 171, 7999}) EXPECT_EQ(captureDemoTime(second * fps), second) << fps << " fps";
        EXPECT_GT(captureDemoTime(12 * fps + 1), 12.0) << fps << " fps";
        for (int64_t frames : {1, 2, 3, 61, 443000}) {
            EXPECT_EQ(soundFramesBetween(captureCounterAt(721), captureCounterAt(721 + frames)), frames * 44100 / fps)
                << fps << " fps, " << frames << " frames";
        }
    }
}
