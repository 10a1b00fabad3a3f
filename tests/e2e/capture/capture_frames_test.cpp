// The capture's pictures: the same after skipping as when every frame is drawn
// (which also holds them repeatable to the byte from run to run, the song's
// render and note poll running), and a quit played to the end of the closing fade.
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string pngName(long frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06ld.png", frame);
    return name;
}

}  // namespace

TEST(CaptureFrames, StillsAfterSkippingEqualTheFramesOfARunThatDrawsEveryFrame) {
    // The skipped frames must step the cues, the generator, the fade, flash,
    // lens and distortion as drawn ones do, and leave in the scene target what
    // later frames build on; and two runs, the music started, must not differ.
    // One run skips straight to 30 s, one stops at the logo, the transition and
    // the opening first.
    ScratchFolder scratch;
    const ShellRun every = runCapture({"--size", "128x80", "--to", "30", "--out", scratch / "every"});
    ASSERT_EQ(every.exitCode, 0) << every.out;
    ASSERT_EQ(folderEntries(scratch / "every").size(), 1801u);
    for (const char* stills : {"30", "5,10,10.5,11,13,14,20,30"}) {
        const ShellRun run = runCapture({"--size", "128x80", "--at", stills, "--out", scratch / stills});
        ASSERT_EQ(run.exitCode, 0) << run.out;
        const std::vector<std::string> names = folderEntries(scratch / stills);
        ASSERT_TRUE(!names.empty() && names.back() == pngName(1800)) << stills;
        for (const std::string& name : names) {
            EXPECT_TRUE(fileBytes(scratch / stills + "/" + name) == fileBytes(scratch / "every/" + name))
                << stills << ": " << name << " differs from the frame of the run that draws every frame";
        }
    }
}

TEST(CaptureFrames, QuitAtRunsToTheFrameInWhichTheClosingFadeEnds) {
    // The quit in frame 300; the fade ends about a second later, in frame 360.
    ScratchFolder scratch;
    const ShellRun run = runCapture({"--size", "32x20", "--from", "4.95", "--quit-at", "5", "--out", scratch / "fade"});
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_NE(run.out.find("the closing fade ended in frame 360 "), std::string::npos) << run.out;
    const std::vector<std::string> frames = folderEntries(scratch / "fade");
    EXPECT_TRUE(frames.size() == 64 && frames.front() == pngName(297) && frames.back() == pngName(360));
}
