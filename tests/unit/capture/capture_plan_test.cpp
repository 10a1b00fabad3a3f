// Which frames a capture draws and which sound it keeps, from the times asked for.
#include "platform/capture/capture_backend.h"
#include "tools/capture/capture_plan.h"

#include <gtest/gtest.h>

namespace {

CaptureOptions stillsAt(std::initializer_list<double> times) {
    CaptureOptions options;
    options.stills = times;
    options.outDir = "o";
    return options;
}

}  // namespace

TEST(CapturePlan, AStillIsTheFirstFrameWhoseClockReachesItsTime) {
    setCaptureFrameRate(60);
    EXPECT_EQ(firstFrameReaching(0.0, 60), 0);
    EXPECT_EQ(firstFrameReaching(12.0, 60), 720) << "exactly 12 s is frame 720 itself";
    EXPECT_EQ(firstFrameReaching(12.000001, 60), 721);
    EXPECT_EQ(firstFrameReaching(11.999999, 60), 720);
    EXPECT_EQ(lastFrameUpTo(12.0, 60), 720);
    EXPECT_EQ(lastFrameUpTo(12.016, 60), 720);
    EXPECT_EQ(lastFrameUpTo(12.017, 60), 721);

    setCaptureFrameRate(7);
    EXPECT_EQ(firstFrameReaching(1.0 / 7.0, 7), 1) << "a time on a frame is that frame";
    EXPECT_EQ(firstFrameReaching(2.0 / 7.0 + 1e-9, 7), 3);
    EXPECT_EQ(lastFrameUpTo(2.0 / 7.0 - 1e-9, 7), 1);
    setCaptureFrameRate(60);
}

TEST(CapturePlan, DrawsTheStillsAndARangeOnlyWhenItsPicturesAreKept) {
    setCaptureFrameRate(60);
    CaptureOptions options = stillsAt({3.0, 11.0, 20.0});
    CapturePlan plan = planCapture(options);
    EXPECT_EQ(plan.stillFrames, (std::vector<int64_t>{180, 660, 1200}));
    EXPECT_EQ(plan.lastFrame, 1200);
    EXPECT_EQ(plan.quitFrame, NO_FRAME);
    EXPECT_TRUE(isDrawnFrame(plan, 660));
    EXPECT_FALSE(isDrawnFrame(plan, 659)) << "frames between stills are skipped";
    EXPECT_FALSE(isDrawnFrame(plan, 0));

    CaptureOptions soundOnly;
    soundOnly.hasRange = true;
    soundOnly.from = 11.5;
    soundOnly.hasTo = true;
    soundOnly.to = 13.0;
    soundOnly.wavPath = "s.wav";
    plan = planCapture(soundOnly);
    EXPECT_EQ(plan.firstRangeFrame, 690);
    EXPECT_EQ(plan.lastRangeFrame, 780);
    EXPECT_TRUE(inRange(plan, 700));
    EXPECT_FALSE(isDrawnFrame(plan, 700)) << "a range kept only for its sound needs no pictures";

    soundOnly.outDir = "o";
    EXPECT_TRUE(isDrawnFrame(planCapture(soundOnly), 700));
}

TEST(CapturePlan, AQuitRunsToTheEndOfTheFadeUnlessTheFramesEndEarlier) {
    setCaptureFrameRate(60);
    CaptureOptions options;
    options.hasRange = true;
    options.from = 4.5;
    options.hasQuit = true;
    options.quitAt = 5.0;
    options.outDir = "o";
    CapturePlan plan = planCapture(options);
    EXPECT_EQ(plan.quitFrame, 300);
    EXPECT_EQ(plan.lastRangeFrame, NO_FRAME);
    EXPECT_EQ(plan.lastFrame, NO_FRAME) << "an open range ends with the fade";
    EXPECT_TRUE(isDrawnFrame(plan, 100000));

    options.hasTo = true;
    options.to = 5.5;
    plan = planCapture(options);
    EXPECT_EQ(plan.lastFrame, 330);
}

TEST(CapturePlan, SoundSpansTheRangeOrTheStillsUpToTheLastFramePlayed) {
    setCaptureFrameRate(60);
    int64_t first = 0, last = 0;
    soundSpan(planCapture(stillsAt({3.0, 20.0})), 1200, &first, &last);
    EXPECT_EQ(first, 180);
    EXPECT_EQ(last, 1200);

    CaptureOptions options = stillsAt({30.0});
    options.hasRange = true;
    options.from = 0.0;
    options.hasQuit = true;
    options.quitAt = 5.0;
    soundSpan(planCapture(options), 360, &first, &last);
    EXPECT_EQ(first, 0) << "with a range the sound is the range's, whatever the stills";
    EXPECT_EQ(last, 360) << "an open range ends with the last frame played";
}
