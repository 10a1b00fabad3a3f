// One full render of the composed song, measured as a mix: no overs, no DC,
// the main part at a club level, stereo, no dropouts, and an ending that has
// died away before the buffer ends.
#include "tests/unit/song/audio_measures.h"
#include "tests/unit/song/composed_song.h"

#include "synth/song_render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

namespace {

std::atomic<float> renderBuffer[SONG_FRAMES * 2];

const int64_t FRAMES_PER_POSITION = int64_t(ROWS_PER_PATTERN) * SAMPLES_PER_ROW;

TEST(ComposedSongMix, CleanLevelledStereoAndUnbrokenUntilItDiesAwayBeforeTheEnd) {
    ComposedSong composed;
    std::string errors;
    ASSERT_TRUE(loadComposedSong(&composed, &errors)) << errors;
    SongFault fault{};
    ASSERT_EQ(renderSongInto(composed.song, renderBuffer, &fault), 1) << fault.message;
    StereoSamples samples(SONG_FRAMES * 2);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = renderBuffer[i].load(std::memory_order_relaxed);

    int64_t clamped = clampedSamples(samples);
    EXPECT_LT(clamped * 10000, int64_t(samples.size())) << "more than 0.01 % of the samples clamped";
    EXPECT_LT(std::fabs(dcOffset(samples, 0)), 0.001) << "DC offset, left";
    EXPECT_LT(std::fabs(dcOffset(samples, 1)), 0.001) << "DC offset, right";

    PositionRange main = sectionPositions(composed.tables, "main");
    ASSERT_LT(main.first, main.end) << "the song has no section 'main'";
    int64_t mainFirst = main.first * FRAMES_PER_POSITION, mainEnd = main.end * FRAMES_PER_POSITION;
    double mainRms = rmsDbfs(samples, mainFirst, mainEnd);
    EXPECT_GE(mainRms, -18.0) << "main part RMS";
    EXPECT_LE(mainRms, -10.0) << "main part RMS";
    double side = sideDbfs(samples, mainFirst, mainEnd);
    EXPECT_GT(side, mainRms - 12.0) << "left and right hardly differ in the main part";

    // Silence is below -60 dBFS, measured in windows of 0.1 s.
    QuietStretch quiet = findQuietStretch(samples, SAMPLE_RATE / 10, -60.0);
    ASSERT_GE(quiet.firstLoudFrame, 0) << "the render is silent";
    EXPECT_LE(quiet.firstLoudFrame, SAMPLE_RATE / 2) << "the music starts late, after the letterbox has opened";
    EXPECT_LE(quiet.longestQuietFrames, 2 * SAMPLE_RATE) << "a dropout of more than 2 s inside the song";
    EXPECT_LE(quiet.lastLoudEndFrame, SONG_FRAMES - SAMPLE_RATE) << "the last second is not silent";

    std::printf("peak %.2f dBFS, %lld clamped samples; DC %.6f / %.6f; main RMS %.2f dBFS, L-R %.2f dBFS; "
                "longest quiet %.1f s; sound from %.2f s to %.2f s\n",
                peakDbfs(samples, 0, SONG_FRAMES), static_cast<long long>(clamped), dcOffset(samples, 0),
                dcOffset(samples, 1), mainRms, side, double(quiet.longestQuietFrames) / SAMPLE_RATE,
                double(quiet.firstLoudFrame) / SAMPLE_RATE, double(quiet.lastLoudEndFrame) / SAMPLE_RATE);
}

}  // namespace
