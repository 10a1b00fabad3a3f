// Which frames a capture draws and whose sound it keeps, and the capture
// backend's clock that the plan counts on.
#include "platform/capture/capture_backend.h"
#include "tools/capture/capture_plan.h"

#include <gtest/gtest.h>

TEST(CapturePlan, TimesBecomeTheFirstFrameReachingThemOrTheLastUpToThem) {
    const struct {
        int fps;
        double seconds;
        int64_t firstReaching, lastUpTo;
    } cases[] = {
        {60, 0.0, 0, 0},         {60, 12.0, 720, 720},          {60, 12.000001, 721, 720},
        {60, 11.999999, 720, 719}, {60, 12.017, 722, 721},     {7, 1.0 / 7.0, 1, 1},
        {7, 2.0 / 7.0 + 1e-9, 3, 2}, {7, 2.0 / 7.0 - 1e-9, 2, 1},
    };
    for (const auto& c : cases) {
        setCaptureFrameRate(c.fps);
        EXPECT_EQ(firstFrameReaching(c.seconds, c.fps), c.firstReaching) << c.seconds << " s at " << c.fps;
        EXPECT_EQ(lastFrameUpTo(c.seconds, c.fps), c.lastUpTo) << c.seconds << " s at " << c.fps;
    }
}

TEST(CapturePlan, DrawsOnlyWhatIsKeptAndTheSoundSpansTheRangeOrTheStills) {
    setCaptureFrameRate(60);
    CaptureOptions o;
    o.stills = {3.0, 11.0, 20.0};
    o.outDir = "o";
    CapturePlan plan = planCapture(o);
    EXPECT_EQ(plan.stillFrames, (std::vector<int64_t>{180, 660, 1200}));
    EXPECT_EQ(plan.lastFrame, 1200);
    EXPECT_TRUE(isDrawnFrame(plan, 660) && !isDrawnFrame(plan, 659) && !isDrawnFrame(plan, 0));
    int64_t first = 0, last = 0;
    soundSpan(plan, 1200, &first, &last);
    EXPECT_EQ(first * 10000 + last, 180 * 10000 + 1200);

    o.hasRange = o.hasQuit = true;  // frames from 4.5 s to the fade's end, a quit at 5 s
    o.from = 4.5;
    o.quitAt = 5.0;
    plan = planCapture(o);
    EXPECT_EQ(plan.quitFrame, 300);
    EXPECT_EQ(plan.lastFrame, NO_FRAME) << "an open range ends with the fade";
    soundSpan(plan, 360, &first, &last);
    EXPECT_EQ(first * 10000 + last, 270 * 10000 + 360) << "the range's sound, whatever the stills";

    o.stills.clear();
    o.outDir.clear();
    o.hasTo = true;
    o.to = 5.5;
    plan = planCapture(o);
    EXPECT_EQ(plan.lastFrame, 330);
    EXPECT_TRUE(inRange(plan, 300) && !isDrawnFrame(plan, 300)) << "a range kept for its sound draws nothing";
}

TEST(CaptureClock, WholeSecondsAreExactAndTheSoundIsEachFramesShare) {
    // The music starts in the first frame past 12 s: a clock a hair off at a
    // whole second would start it a frame early or late.
    for (int fps : {1, 7, 24, 30, 60, 144, 1000}) {
        setCaptureFrameRate(fps);
        for (int64_t second : {1, 12, 171, 7999}) {
            EXPECT_EQ(captureDemoTime(second * fps), static_cast<double>(second)) << fps << " fps, " << second << " s";
        }
        EXPECT_GT(captureDemoTime(12 * fps + 1), 12.0) << fps << " fps";
        for (int64_t frames : {1, 2, 3, 61, 443000}) {
            EXPECT_EQ(soundFramesBetween(captureCounterAt(721), captureCounterAt(721 + frames)), frames * 44100 / fps)
                << fps << " fps, " << frames << " frames";
        }
    }
}
