// The capture's sound: silence until the frame in which the music starts (the
// first past 12 s), then the offline render of the song sample for sample.
#include "tests/e2e/capture/capture_runner.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The song as quorvel-render-song renders it, once for the tests here.
const std::vector<float>& offlineRender() {
    static ScratchFolder scratch;
    static std::vector<float> samples;
    if (samples.empty()) {
        const std::string command = buildProgram("quorvel-render-song") + " " + (scratch / "song.wav") + " >/dev/null";
        if (std::system(command.c_str()) == 0) {
            std::string why;
            samples = wavSamples(scratch / "song.wav", &why);
        }
    }
    return samples;
}

// Checks a capture's WAV against the render: `silentFrames` of silence, then
// the song from its first frame, for `totalFrames` stereo frames in all.
void expectSongAfterSilence(const std::vector<float>& wav, size_t silentFrames, size_t totalFrames) {
    const std::vector<float>& song = offlineRender();
    ASSERT_FALSE(song.empty()) << "no offline render";
    ASSERT_EQ(wav.size(), totalFrames * 2) << "the sound lasts as long as the frames";
    size_t firstSound = 0;
    while (firstSound < wav.size() && wav[firstSound] == 0.0f) ++firstSound;
    EXPECT_GE(firstSound / 2, silentFrames) << "sound before the music's frame";
    const size_t compared = wav.size() - silentFrames * 2;
    EXPECT_EQ(std::memcmp(wav.data() + silentFrames * 2, song.data(), compared * sizeof(float)), 0)
        << "the sound from the music's frame on is not the render";
}

}  // namespace

TEST(CaptureSound, FromTheFirstFrameTheSongStartsInTheFirstFramePastTwelveSeconds) {
    // At 30 fps frame 360 is exactly 12 s and starts nothing; frame 361 does.
    ScratchFolder scratch;
    const CaptureRun run = runCapture({"--size", "32x20", "--fps", "30", "--to", "14", "--wav", scratch / "s.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string why;
    const std::vector<float> wav = wavSamples(scratch / "s.wav", &why);
    ASSERT_FALSE(wav.empty()) << why;
    expectSongAfterSilence(wav, 361 * 1470, 421 * 1470);
}

TEST(CaptureSound, FromALaterFrameTheSongKeepsItsPlaceAmongTheFrames) {
    ScratchFolder scratch;
    const CaptureRun run =
        runCapture({"--size", "32x20", "--from", "11.5", "--to", "13", "--wav", scratch / "s.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string why;
    const std::vector<float> wav = wavSamples(scratch / "s.wav", &why);
    ASSERT_FALSE(wav.empty()) << why;
    // Frames 690 to 780; the music starts in frame 721.
    expectSongAfterSilence(wav, (721 - 690) * 735, (780 - 690 + 1) * 735);
}

TEST(CaptureSound, AfterTheMusicStartedTheSoundPicksUpWhereTheDeviceIs) {
    ScratchFolder scratch;
    const CaptureRun run = runCapture({"--size", "32x20", "--from", "20", "--to", "20.5", "--wav", scratch / "s.wav"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string why;
    const std::vector<float> wav = wavSamples(scratch / "s.wav", &why);
    ASSERT_EQ(wav.size(), 31u * 735 * 2) << why;
    const std::vector<float>& song = offlineRender();
    ASSERT_FALSE(song.empty()) << "no offline render";
    // Frame 1200 is 479 frames after the music's start.
    const size_t played = (1200 - 721) * 735;
    EXPECT_EQ(std::memcmp(wav.data(), song.data() + played * 2, wav.size() * sizeof(float)), 0);
}
