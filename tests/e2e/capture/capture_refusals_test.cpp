// What quorvel-capture refuses: each bad argument (or a run that cannot give
// what was asked) ends with its reason, a non-zero exit and nothing written.
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

TEST(CaptureRefusals, EachBadArgumentGivesItsErrorAndWritesNothing) {
    struct Case {
        std::vector<std::string> arguments;
        const char* reason;
        int exitCode;
    };
    const std::vector<Case> cases = {
        {{"--shots", "3"}, "unknown option '--shots'", 2},
        {{"--size", "0x100", "--at", "1"}, "has no pixels", 2},
        {{"--size", "100000x100", "--at", "1"}, "is beyond what this OpenGL draws", 2},
        {{"--at", "5,3"}, "out of order", 2},
        {{"--from", "5", "--to", "3"}, "--to comes before --from", 2},
        {{"--fps", "-60", "--at", "1"}, "'-60' is not a whole number of frames per second", 2},
        {{"--at", "ten"}, "'ten' is not a time", 2},
        {{"--from", "0.001", "--to", "0.002"}, "no frame lies between", 2},
        // The first still is written (to its staging name) before the fade
        // ends the demo short of the second.
        {{"--size", "32x20", "--at", "4.9,7", "--quit-at", "5"}, "the closing fade ended the demo in frame 360", 1},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch;
        std::vector<std::string> arguments = c.arguments;
        for (const char* output : {"--out", "--wav"}) {
            arguments.push_back(output);
            arguments.push_back(scratch / (output[2] == 'o' ? "stills" : "sound.wav"));
        }
        std::string shown;
        for (const std::string& argument : c.arguments) shown += argument + " ";
        const CaptureRun run = runCapture(arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << shown << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << shown << "said: " << run.err;
        EXPECT_TRUE(folderEntries(scratch.path).empty()) << shown << "left files behind";
    }
}

TEST(CaptureRefusals, VideoWithoutFfmpegSaysSoAndWritesNothing) {
    ScratchFolder scratch;
    const CaptureRun run = runCapture({"--from", "1", "--to", "2", "--video", scratch / "v.mp4"},
                                      {"PATH=" + scratch.path});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("--video needs ffmpeg, and there is none on PATH"), std::string::npos) << run.err;
    EXPECT_TRUE(folderEntries(scratch.path).empty());
}

TEST(CaptureRefusals, InterruptedRunLeavesNothingBehind) {
    ScratchFolder scratch, logs;
    const int capture =
        startCapture({"--size", "64x40", "--from", "0", "--to", "100", "--out", scratch / "stills"}, {}, logs.path);
    ASSERT_GT(capture, 0);
    // Wait for PNGs in the staging folder, then interrupt as Ctrl+C would.
    bool staged = false;
    for (int i = 0; i < 600 && !staged; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        for (const std::string& entry : folderEntries(scratch / "stills")) {
            staged = staged || folderEntries(scratch / ("stills/" + entry)).size() > 2;
        }
    }
    EXPECT_TRUE(staged) << "no frames were staged within 30 s";
    kill(capture, SIGINT);
    const CaptureRun run = waitForCapture(capture, logs.path);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("interrupted"), std::string::npos) << run.err;
    EXPECT_TRUE(folderEntries(scratch.path).empty()) << "the interrupted run left files behind";
}
