// The capture's pictures: repeatable to the byte, the same after skipping as
// when every frame is drawn, and a quit played to the end of the closing fade.
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const char SMALL[] = "128x80";

std::string pngName(long frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06ld.png", frame);
    return name;
}

}  // namespace

TEST(CaptureFrames, SameFrameCapturedTwiceIsTheSameBytes) {
    // Frames after the music start: the song render and the note poll must
    // not make two runs differ.
    ScratchFolder scratch;
    for (const char* run : {"first", "second"}) {
        const CaptureRun capture = runCapture({"--size", SMALL, "--at", "13,30", "--out", scratch / run});
        ASSERT_EQ(capture.exitCode, 0) << capture.err;
        ASSERT_EQ(folderEntries(scratch / run), (std::vector<std::string>{pngName(780), pngName(1800)}));
    }
    for (long frame : {780, 1800}) {
        EXPECT_FALSE(fileBytes(scratch / "first/" + pngName(frame)).empty());
        EXPECT_TRUE(fileBytes(scratch / "first/" + pngName(frame)) == fileBytes(scratch / "second/" + pngName(frame)))
            << pngName(frame) << " differs between two runs";
    }
}

TEST(CaptureFrames, StillsAfterSkippingEqualTheFramesOfARunThatDrawsEveryFrame) {
    // The skipped frames must step the cues, the generator, the fade, flash,
    // lens and distortion as drawn ones do, and leave in the scene target what
    // later frames build on. One run skips straight to 30 s, one stops at the
    // logo, the transition and the opening first.
    ScratchFolder scratch;
    const CaptureRun every = runCapture({"--size", SMALL, "--from", "0", "--to", "30", "--out", scratch / "every"});
    ASSERT_EQ(every.exitCode, 0) << every.err;
    ASSERT_EQ(folderEntries(scratch / "every").size(), 1801u);
    for (const char* stills : {"30", "5,10,10.5,11,13,14,20,30"}) {
        const CaptureRun run = runCapture({"--size", SMALL, "--at", stills, "--out", scratch / stills});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::vector<std::string> names = folderEntries(scratch / stills);
        ASSERT_FALSE(names.empty());
        EXPECT_EQ(names.back(), pngName(1800));
        for (const std::string& name : names) {
            EXPECT_TRUE(fileBytes(scratch / stills + "/" + name) == fileBytes(scratch / "every/" + name))
                << stills << ": " << name << " differs from the frame of the run that draws every frame";
        }
    }
}

TEST(CaptureFrames, QuitAtRunsToTheFrameInWhichTheClosingFadeEnds) {
    ScratchFolder scratch;
    const CaptureRun run = runCapture({"--size", "32x20", "--from", "4.95", "--quit-at", "5", "--out", scratch / "fade"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string marker = "the closing fade ended in frame ";
    const size_t at = run.out.find(marker);
    ASSERT_NE(at, std::string::npos) << run.out;
    const long end = std::strtol(run.out.c_str() + at + marker.size(), nullptr, 10);
    EXPECT_GE(end - 300, 57) << "the fade after the quit in frame 300 should last about a second";
    EXPECT_LE(end - 300, 63) << "the fade after the quit in frame 300 should last about a second";
    const std::vector<std::string> frames = folderEntries(scratch / "fade");
    ASSERT_EQ(frames.size(), static_cast<size_t>(end - 297 + 1));
    EXPECT_EQ(frames.front(), pngName(297));
    EXPECT_EQ(frames.back(), pngName(end)) << "the run ends with the frame in which the fade ends";
}
