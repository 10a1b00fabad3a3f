// The composed song the demo plays (compiled from its source at build time):
// its whole render, done once here, is the pinned one (the guard against an
// unmeant change of the show), exactly the song's length, never clamped,
// without dropouts, and with every cue the visuals wait for where the
// patterns plan it.
#include "demo/music_cues.h"
#include "tests/support/pinned_song.h"
#include "tests/unit/synth/whole_song_render.h"

#include <algorithm>

namespace {

double rmsDbfs(const WholeRender& r, int64_t first, int64_t end) {
    double sum = 0;
    for (int64_t i = 2 * first; i < 2 * end; ++i) sum += double(r.samples[i]) * r.samples[i];
    return 10 * std::log10(sum / double(2 * (end - first)));
}

// Each planned note of the cue on its track shows in the trace in the block of
// its row's first frame, and another note word stood there for the two video
// frames (60 Hz) before: a poll once a frame cannot miss it.
void expectCuesSeen(const WholeRender& r, const MusicCue& cue) {
    const int pollBlocks = 2 * SAMPLE_RATE / 60 / NOTE_TRACE_BLOCK + 1;
    int cues = 0;
    for (int row = 0; row < SONG_ROWS; ++row) {
        const int pattern = demoSong.orderList[cue.track * ORDER_POSITIONS + row / ROWS_PER_PATTERN];
        const int note = demoSong.patterns[pattern * ROWS_PER_PATTERN + row % ROWS_PER_PATTERN];
        if (std::find(cue.notes, cue.notes + cue.noteCount, note) == cue.notes + cue.noteCount) continue;
        ++cues;
        const int block = row * SAMPLES_PER_ROW / NOTE_TRACE_BLOCK;
        EXPECT_EQ(r.note(block, cue.track), note) << "track " << cue.track << ", row " << row;
        for (int before = block - 1; before >= 0 && before >= block - pollBlocks; --before)
            EXPECT_NE(r.note(before, cue.track), note) << "track " << cue.track << ", row " << row << ": no change, no event";
    }
    EXPECT_GT(cues, 0) << "track " << cue.track << " plans no cue";
}

TEST(ComposedSong, RendersThePinnedSoundUnclampedUnbrokenAndWithEveryCueWherePlanned) {
    const WholeRender r = renderWholeSong(demoSong);
    // Pinned with the samples' digest (tests/support/pinned_song.h); the demo's
    // sound captured with SDL's disk driver equals the render (e2e music tests).
    EXPECT_EQ(r.samplesSha256(), PINNED_SONG_SAMPLES_SHA256);
    EXPECT_EQ(r.framesCounted, SONG_FRAMES);
    for (size_t i = size_t(SONG_FRAMES) * 2; i < r.samples.size(); ++i)
        EXPECT_TRUE(std::isnan(r.samples[i])) << "beyond the end: " << i;

    size_t clamped = 0;
    for (size_t i = 0; i < size_t(SONG_FRAMES) * 2; ++i) clamped += std::fabs(r.samples[i]) >= 1.0f;
    EXPECT_EQ(clamped, 0u) << "samples at full scale: the mix runs into the clamp";

    // Silence is below -60 dBFS (RMS) over 0.1 s: sound from the first half
    // second, no gap of more than 2 s, and the last second silent.
    const int64_t window = SAMPLE_RATE / 10;
    int64_t firstLoud = -1, lastLoudEnd = -1, quiet = 0, longestQuiet = 0;
    for (int64_t w = 0; (w + 1) * window <= SONG_FRAMES; ++w) {
        if (rmsDbfs(r, w * window, (w + 1) * window) <= -60.0) {
            ++quiet;
            continue;
        }
        if (firstLoud < 0) firstLoud = w * window;
        else longestQuiet = std::max(longestQuiet, quiet * window);
        quiet = 0;
        lastLoudEnd = (w + 1) * window;
    }
    EXPECT_GE(firstLoud, 0) << "the render is silent";
    EXPECT_LE(firstLoud, SAMPLE_RATE / 2) << "the music starts late";
    EXPECT_LE(longestQuiet, 2 * SAMPLE_RATE) << "a dropout inside the song";
    EXPECT_LE(lastLoudEnd, SONG_FRAMES - SAMPLE_RATE) << "the last second is not silent";

    for (const MusicCue& cue : MUSIC_CUES) expectCuesSeen(r, cue);
}

}  // namespace
