// --video against a stand-in ffmpeg (fake_ffmpeg/): the range's frames go down
// the pipe as raw RGB of the capture's size and rate, and the second call puts
// those frames and the capture's sound together.
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(CaptureVideo, RangeFramesAndTheSoundGoThroughFfmpeg) {
    ScratchFolder scratch;
    const ShellRun run = runCapture({"--size", "32x20", "--from", "11.89", "--to", "12.11", "--out", scratch / "stills",
                                       "--wav", scratch / "s.wav", "--video", scratch / "v.mp4"},
                                      "PATH='" FAKE_FFMPEG_DIR "':\"$PATH\" FAKE_FFMPEG_LOG='" + (scratch / "log") + "'");
    ASSERT_EQ(run.exitCode, 0) << run.out;
    const std::string calls = shell("cat '" + (scratch / "log") + "'").out;
    EXPECT_NE(calls.find("-f rawvideo -pixel_format rgb24 -video_size 32x20 -framerate 60 -i pipe:0"), std::string::npos)
        << calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), '\n'), 2) << "one call encodes, one puts frames and sound together";

    // The stand-in's output: the piped frames, then the sound file.
    std::vector<unsigned char> expected;
    const std::vector<std::string> stills = folderEntries(scratch / "stills");
    ASSERT_EQ(stills.size(), 13u) << "frames 714 to 726";
    for (const std::string& name : stills) {
        const std::vector<unsigned char> rgb = pngPixels(scratch / "stills/" + name);
        ASSERT_EQ(rgb.size(), 32u * 20 * 3) << name;
        expected.insert(expected.end(), rgb.begin(), rgb.end());
    }
    for (unsigned char byte : fileBytes(scratch / "s.wav")) expected.push_back(byte);
    EXPECT_TRUE(fileBytes(scratch / "v.mp4") == expected) << "the video is not the range's frames and sound";
    EXPECT_EQ(folderEntries(scratch.path), (std::vector<std::string>{"log", "s.wav", "stills", "v.mp4"}))
        << "staging files left behind";
}
