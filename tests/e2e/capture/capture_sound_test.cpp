// The capture's sound: silence until the frame in which the music starts (the
// first past 12 s), then the offline render of the song sample for sample.
#include "tests/e2e/capture/capture_runner.h"
#include "tests/e2e/support/float_wav_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>

TEST(CaptureSound, SilenceUntilTheMusicsFrameThenTheOfflineRender) {
    ScratchFolder scratch;
    const std::string render = buildProgram("quorvel-render-song") + " '" + (scratch / "song.wav") + "' >/dev/null";
    ASSERT_EQ(std::system(render.c_str()), 0);
    std::string why;
    const std::vector<float> song = floatWavSamples(fileBytes(scratch / "song.wav"), &why);
    ASSERT_FALSE(song.empty()) << why;
    // The arguments; the silence, the whole and where in the song the sound
    // starts, in stereo frames of 44.1 kHz.
    const std::tuple<std::vector<std::string>, size_t, size_t, size_t> cases[] = {
        // At 30 fps frame 360 is exactly 12 s and starts nothing; frame 361 does.
        {{"--fps", "30", "--to", "14"}, 361 * 1470, 421 * 1470, 0},
        // Frames 690 to 780 at 60 fps; the music starts in frame 721.
        {{"--from", "11.5", "--to", "13"}, (721 - 690) * 735, 91 * 735, 0},
        // At 120 fps, so that a start moved by a frame at 60 fps, either way,
        // is heard in another frame: frames 1439 to 1442, the music in 1441.
        {{"--fps", "120", "--from", "11.99", "--to", "12.02"}, (1441 - 1439) * 735 / 2, 4 * 735 / 2, 0},
        // After the start the sound picks up where the device is: frame 1200
        // is 479 frames after the music's.
        {{"--from", "20", "--to", "20.5"}, 0, 31 * 735, 479 * 735},
    };
    for (auto [arguments, silentFrames, totalFrames, songFrom] : cases) {
        const std::string shown = arguments[1] + " " + arguments[3];
        arguments.insert(arguments.end(), {"--size", "32x20", "--wav", scratch / "s.wav"});
        const ShellRun run = runCapture(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.out;
        const std::vector<float> wav = floatWavSamples(fileBytes(scratch / "s.wav"), &why);
        ASSERT_EQ(wav.size(), totalFrames * 2) << shown << ": the sound lasts as long as the frames " << why;
        std::vector<float> expected(silentFrames * 2, 0.0f);
        const auto from = song.begin() + static_cast<long>(songFrom * 2);
        expected.insert(expected.end(), from, from + static_cast<long>((totalFrames - silentFrames) * 2));
        EXPECT_TRUE(wav == expected) << shown << ": not silence, then the render";
    }
}
