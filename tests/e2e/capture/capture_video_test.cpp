// --video through Debian's ffmpeg: the file holds one H.264 stream of the
// range's frames at the capture's size and rate and one AAC stream of its
// sound, as ffprobe reads them; and the picture is the stills' (the encoder
// is lossy, so each quarter's mean colour is compared: a swapped channel, a
// picture upside down or frames of another moment are far off).
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <string>

namespace {

const int WIDTH = 64, HEIGHT = 40, FRAMES = 7;  // 29.95 to 30.05 s at 60 fps: the sponge, many colours

// ffprobe's "flat" output, streams.stream.N.key=value, as "N.key" -> value.
std::map<std::string, std::string> streamFields(const std::string& video) {
    const ShellRun probe = shell("ffprobe -v error -count_frames -of flat -show_entries "
                                 "stream=codec_name,codec_type,width,height,pix_fmt,r_frame_rate,nb_read_frames,"
                                 "sample_rate,channels,duration '" + video + "'");
    std::map<std::string, std::string> fields;
    std::istringstream lines(probe.out);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        const std::string prefix = "streams.stream.";
        if (line.compare(0, prefix.size(), prefix) != 0 || equals == std::string::npos) continue;
        std::string value = line.substr(equals + 1);
        if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
        fields[line.substr(prefix.size(), equals - prefix.size())] = value;
    }
    return fields;
}

// The mean of each channel in each quarter of the picture, over all frames
// of interleaved RGB (top row first).
std::array<double, 12> quarterMeans(const std::vector<unsigned char>& rgb) {
    std::array<double, 12> sums = {};
    const size_t frameBytes = static_cast<size_t>(WIDTH) * HEIGHT * 3;
    for (size_t at = 0; at + 3 <= rgb.size(); at += 3) {
        const size_t pixel = (at % frameBytes) / 3;
        const int x = static_cast<int>(pixel % WIDTH), y = static_cast<int>(pixel / WIDTH);
        const int quarter = (y >= HEIGHT / 2) * 2 + (x >= WIDTH / 2);
        for (int c = 0; c < 3; ++c) sums[quarter * 3 + c] += rgb[at + c];
    }
    const double perQuarter = rgb.size() / 3 / 4.0;
    for (double& sum : sums) sum /= perQuarter;
    return sums;
}

}  // namespace

TEST(CaptureVideo, FfmpegMakesTheRangesFramesAndSoundIntoOneVideo) {
    ASSERT_EQ(shell("command -v ffmpeg && command -v ffprobe").exitCode, 0)
        << "ffmpeg is not installed (scripts/setup installs it)";
    ScratchFolder scratch;
    const ShellRun run = runCapture({"--size", std::to_string(WIDTH) + "x" + std::to_string(HEIGHT), "--from", "29.95",
                                     "--to", "30.05", "--out", scratch / "stills", "--wav", scratch / "s.wav",
                                     "--video", scratch / "v.mp4"});
    ASSERT_EQ(run.exitCode, 0) << run.out;
    EXPECT_EQ(folderEntries(scratch.path), (std::vector<std::string>{"s.wav", "stills", "v.mp4"}))
        << "staging files left behind";

    std::map<std::string, std::string> f = streamFields(scratch / "v.mp4");
    const std::map<std::string, std::string> expected = {
        {"0.codec_name", "h264"}, {"0.codec_type", "video"}, {"0.width", std::to_string(WIDTH)},
        {"0.height", std::to_string(HEIGHT)}, {"0.pix_fmt", "yuv420p"}, {"0.r_frame_rate", "60/1"},
        {"0.nb_read_frames", std::to_string(FRAMES)}, {"1.codec_name", "aac"}, {"1.codec_type", "audio"},
        {"1.sample_rate", "44100"}, {"1.channels", "2"},
    };
    for (const auto& field : expected) EXPECT_EQ(f[field.first], field.second) << field.first;
    EXPECT_EQ(f.count("2.codec_type"), 0u) << "a third stream";
    // The sound lasts as long as the frames, to within one AAC frame (1024 samples).
    EXPECT_NEAR(std::atof(f["0.duration"].c_str()), FRAMES / 60.0, 1e-3);
    EXPECT_NEAR(std::atof(f["1.duration"].c_str()), FRAMES / 60.0, 1024.0 / 44100);

    std::vector<unsigned char> stills;
    for (const std::string& name : folderEntries(scratch / "stills")) {
        const std::vector<unsigned char> rgb = pngPixels(scratch / "stills/" + name);
        stills.insert(stills.end(), rgb.begin(), rgb.end());
    }
    ASSERT_EQ(stills.size(), static_cast<size_t>(FRAMES) * WIDTH * HEIGHT * 3) << "the range's stills";
    const std::string decodedPath = scratch / "decoded.rgb";
    ASSERT_EQ(shell("ffmpeg -v error -i '" + (scratch / "v.mp4") + "' -f rawvideo -pix_fmt rgb24 '" + decodedPath + "'")
                  .exitCode, 0);
    const std::vector<unsigned char> decoded = fileBytes(decodedPath);
    ASSERT_EQ(decoded.size(), stills.size());
    const std::array<double, 12> seen = quarterMeans(decoded), drawn = quarterMeans(stills);
    for (int i = 0; i < 12; ++i) EXPECT_NEAR(seen[i], drawn[i], 6.0) << "quarter " << i / 3 << ", channel " << i % 3;
}
