// The capture's pictures: repeatable to the byte, the same after skipping as
// when every frame is drawn, and the closing fade played to its end.
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

const char SMALL[] = "128x80";

// frame-NNNNNN.png of frame n.
std::string pngName(long frame) {
    char name[32];
    std::snprintf(name, sizeof name, "frame-%06ld.png", frame);
    return name;
}

// The frame in which the run reports the closing fade ended, or -1.
long fadeEndFrame(const std::string& out) {
    const std::string marker = "the closing fade ended in frame ";
    const size_t at = out.find(marker);
    return at == std::string::npos ? -1 : std::strtol(out.c_str() + at + marker.size(), nullptr, 10);
}

struct LitBox {
    int rows = 0, columns = 0;  // 0 x 0: nothing lit
};

// The rows and columns spanned by pixels brighter than a dark background.
LitBox litBox(const RgbImage& image) {
    int top = image.height, bottom = -1, left = image.width, right = -1;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned char* p = image.at(x, y);
            if (p[0] + p[1] + p[2] < 3 * 48) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            left = std::min(left, x);
            right = std::max(right, x);
        }
    }
    LitBox box;
    if (bottom >= 0) {
        box.rows = bottom - top + 1;
        box.columns = right - left + 1;
    }
    return box;
}

}  // namespace

TEST(CaptureFrames, SameFrameCapturedTwiceIsTheSameBytes) {
    // Frames after the music start: the song render and the note poll must
    // not make two runs differ.
    ScratchFolder scratch;
    for (const char* run : {"first", "second"}) {
        const CaptureRun capture = runCapture({"--size", SMALL, "--at", "13,30", "--out", scratch / run});
        ASSERT_EQ(capture.exitCode, 0) << capture.err;
    }
    const std::vector<std::string> names = {pngName(780), pngName(1800)};
    ASSERT_EQ(folderEntries(scratch / "first"), names);
    ASSERT_EQ(folderEntries(scratch / "second"), names);
    for (const std::string& name : names) {
        const std::vector<unsigned char> first = fileBytes(scratch / "first/" + name);
        EXPECT_FALSE(first.empty());
        EXPECT_TRUE(first == fileBytes(scratch / "second/" + name)) << name << " differs between two runs";
    }
}

TEST(CaptureFrames, StillsAfterSkippingEqualTheFramesOfARunThatDrawsEveryFrame) {
    // The skipped frames must step the cues, the generator, the fade, flash,
    // lens and distortion as drawn ones do, and leave in the scene target what
    // later frames build on (the letterbox edges, the banner's stripe). One
    // run skips straight to 30 s, one stops at the logo, the transition and
    // the opening first.
    ScratchFolder scratch;
    const CaptureRun every = runCapture({"--size", SMALL, "--from", "0", "--to", "30", "--out", scratch / "every"});
    ASSERT_EQ(every.exitCode, 0) << every.err;
    ASSERT_EQ(folderEntries(scratch / "every").size(), 1801u);

    const CaptureRun straight = runCapture({"--size", SMALL, "--at", "30", "--out", scratch / "straight"});
    ASSERT_EQ(straight.exitCode, 0) << straight.err;
    const CaptureRun stops = runCapture({"--size", SMALL, "--at", "5,10,10.5,11,13,14,20,30", "--out", scratch / "stops"});
    ASSERT_EQ(stops.exitCode, 0) << stops.err;

    for (const char* run : {"straight", "stops"}) {
        const std::vector<std::string> stills = folderEntries(scratch / run);
        ASSERT_FALSE(stills.empty());
        EXPECT_EQ(stills.back(), pngName(1800));
        for (const std::string& name : stills) {
            EXPECT_TRUE(fileBytes(scratch / (std::string(run) + "/" + name)) == fileBytes(scratch / "every/" + name))
                << run << ": " << name << " differs from the frame of the run that draws every frame";
        }
    }
}

TEST(CaptureFrames, QuitAtEndsWithTheFadeAboutASecondLaterALineThenADot) {
    // At the demo's own size: in a small picture the line is thinner than a
    // row and the dot smaller than a pixel.
    const int width = 1109, height = 693;
    ScratchFolder scratch;
    const CaptureRun run = runCapture({"--from", "4.95", "--quit-at", "5", "--out", scratch / "fade"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const long quitFrame = 300, endFrame = fadeEndFrame(run.out);
    ASSERT_GT(endFrame, quitFrame) << "no end of the fade reported: " << run.out;
    EXPECT_GE(endFrame - quitFrame, 57) << "the fade should last about a second";
    EXPECT_LE(endFrame - quitFrame, 63) << "the fade should last about a second";

    const std::vector<std::string> frames = folderEntries(scratch / "fade");
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), pngName(297));
    EXPECT_EQ(frames.back(), pngName(endFrame)) << "the run ends with the frame in which the fade ends";

    const LitBox before = litBox(readPng(scratch / "fade/" + pngName(quitFrame - 1)));
    EXPECT_GT(before.rows, height / 2) << "the picture before the quit fills the frame";
    // A line: at most 3 % of the height and at least a quarter of the width;
    // by the last frame, shrunk to a dot.
    long lineFrame = -1;
    int widest = 0;
    for (long frame = quitFrame; frame <= endFrame; ++frame) {
        const LitBox box = litBox(readPng(scratch / "fade/" + pngName(frame)));
        if (lineFrame < 0 && box.rows > 0 && box.rows <= height * 3 / 100 && box.columns >= width / 4) lineFrame = frame;
        if (lineFrame >= 0) widest = std::max(widest, box.columns);
    }
    ASSERT_GE(lineFrame, 0) << "the picture never became a line";
    const LitBox last = litBox(readPng(scratch / "fade/" + pngName(endFrame)));
    EXPECT_GT(last.rows, 0) << "the last frame shows the dot";
    EXPECT_LE(last.rows, height * 3 / 100);
    EXPECT_LE(last.columns, width / 50) << "the line (" << widest << " px at its widest) did not shrink to a dot";
}
