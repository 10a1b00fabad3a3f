// --video through Debian's ffmpeg, at two frame rates: the file holds one
// H.264 stream of the range's frames at the capture's size and rate and one
// AAC stream of its sound as long, as ffprobe reads them; and the picture is
// the stills' (the encoder
// is lossy, so each quarter's mean colour is compared: a swapped channel, a
// picture upside down or frames of another moment are far off).
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

namespace {

const int WIDTH = 64, HEIGHT = 40;  // 29.95 to 30.05 s: frames of the sponge, many colours

// What ffprobe says of the video's streams ("v" its picture, "a" its sound, "" all).
std::string probe(const std::string& video, const std::string& streams, const std::string& entries) {
    return shell("ffprobe -v error -count_frames" + (streams.empty() ? "" : " -select_streams " + streams) +
                 " -show_entries stream=" + entries + " -of compact=p=0 '" + video + "'").out;
}

// The mean of each channel in each quarter of the picture, over all frames of
// interleaved RGB (top row first).
std::vector<double> quarterMeans(const std::vector<unsigned char>& rgb) {
    std::vector<double> means(12);
    for (size_t at = 0; at < rgb.size(); ++at) {
        const size_t pixel = at / 3 % (WIDTH * HEIGHT);
        const size_t quarter = (pixel / WIDTH >= HEIGHT / 2) * 2 + (pixel % WIDTH >= WIDTH / 2);
        means[quarter * 3 + at % 3] += rgb[at] * 4.0 * 3 / rgb.size();
    }
    return means;
}

}  // namespace

TEST(CaptureVideo, FfmpegMakesTheRangesFramesAndSoundIntoOneVideo) {
    ASSERT_EQ(shell("command -v ffmpeg && command -v ffprobe").exitCode, 0) << "ffmpeg is not installed (scripts/setup)";
    // The capture's frame rate, and the frames from 29.95 to 30.05 s at it.
    for (const auto& [fps, frames] : {std::pair<int, int>{60, 7}, {30, 3}}) {
        SCOPED_TRACE(std::to_string(fps) + " fps");
        ScratchFolder scratch;
        const std::string video = scratch / "v.mp4";
        const ShellRun run =
            runCapture({"--size", std::to_string(WIDTH) + "x" + std::to_string(HEIGHT), "--fps", std::to_string(fps),
                        "--from", "29.95", "--to", "30.05", "--out", scratch / "stills", "--wav", scratch / "s.wav",
                        "--video", video});
        ASSERT_EQ(run.exitCode, 0) << run.out;
        EXPECT_EQ(folderEntries(scratch.path), (std::vector<std::string>{"s.wav", "stills", "v.mp4"}))
            << "staging left behind";

        EXPECT_EQ(probe(video, "v", "codec_name,width,height,pix_fmt,r_frame_rate,nb_read_frames"),
                  "codec_name=h264|width=64|height=40|pix_fmt=yuv420p|r_frame_rate=" + std::to_string(fps) +
                      "/1|nb_read_frames=" + std::to_string(frames) + "\n");
        EXPECT_EQ(probe(video, "a", "codec_name,sample_rate,channels"),
                  "codec_name=aac|sample_rate=44100|channels=2\n");
        EXPECT_EQ(probe(video, "", "codec_type"), "codec_type=video\ncodec_type=audio\n");
        // The sound lasts as long as the frames, to within one AAC frame of
        // 1024 samples, and the picture as long as the sound, to within a frame.
        const double soundSeconds = std::atof(probe(video, "a", "duration").c_str() + 9);
        EXPECT_NEAR(soundSeconds, static_cast<double>(frames) / fps, 1024.0 / 44100);
        EXPECT_NEAR(std::atof(probe(video, "v", "duration").c_str() + 9), soundSeconds, 1.0 / fps);

        std::vector<unsigned char> stills;
        for (const std::string& name : folderEntries(scratch / "stills")) {
            const std::vector<unsigned char> rgb = pngPixels(scratch / "stills/" + name);
            stills.insert(stills.end(), rgb.begin(), rgb.end());
        }
        ASSERT_EQ(stills.size(), static_cast<size_t>(frames) * WIDTH * HEIGHT * 3) << "the range's stills";
        const std::string decode =
            "ffmpeg -v error -i '" + video + "' -f rawvideo -pix_fmt rgb24 '" + (scratch / "rgb") + "'";
        ASSERT_EQ(shell(decode).exitCode, 0);
        const std::vector<unsigned char> decoded = fileBytes(scratch / "rgb");
        ASSERT_EQ(decoded.size(), stills.size());
        const std::vector<double> seen = quarterMeans(decoded), drawn = quarterMeans(stills);
        for (int i = 0; i < 12; ++i) {
            EXPECT_NEAR(seen[i], drawn[i], 6.0) << "quarter " << i / 3 << ", channel " << i % 3;
        }
    }
}
