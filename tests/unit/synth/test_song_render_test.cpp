// The test song rendered whole, once: pinned digests of its samples and note
// trace, the buffer's length, the clamp and the last noteTrace row.
#include "tests/unit/synth/test_song.h"
#include "tests/unit/synth/whole_song_render.h"

namespace {

TEST(TestSongRender, IsThePinnedRenderAndFillsExactlyTheSongClampedWithTheLastNotesInTheLastBlock) {
    const WholeRender r = renderWholeSong(testSong());
    // Pinned from the engine at commit 53db600, whose render of this song
    // agreed bit for bit, in every sample and noteTrace entry, with a plain
    // reference interpreter written separately from the unit formulas (it
    // walked the byte streams every frame through an opcode table). Any change
    // of these bits is a change of what the synthesizer computes: find the
    // cause with the unit tests before pinning new values.
    EXPECT_EQ(r.samplesSha256(), "3e24b34707e270bbf9f1b998173c8dfea1d302f443b69d3417033379d38306b8");
    EXPECT_EQ(r.traceSha256(), "5634c764c3bfc9624c0feeeadaeb4418a3f526d6da15434e436ea9ae0bf2ebd6");

    EXPECT_EQ(r.framesCounted, SONG_FRAMES);
    size_t unwritten = 0, atPlusOne = 0, atMinusOne = 0, beyond = 0;
    for (size_t i = 0; i < size_t(SONG_FRAMES) * 2; ++i) {
        const float v = r.samples[i];
        unwritten += std::isnan(v);
        atPlusOne += v == 1.0f;
        atMinusOne += v == -1.0f;
        beyond += v < -1.0f || v > 1.0f;
    }
    EXPECT_EQ(unwritten, 0u);
    EXPECT_EQ(beyond, 0u);
    EXPECT_GT(atPlusOne, 0u) << "the loud section (track 7) must reach the clamp";
    EXPECT_GT(atMinusOne, 0u);
    for (size_t i = size_t(SONG_FRAMES) * 2; i < r.samples.size(); ++i)
        EXPECT_TRUE(std::isnan(r.samples[i])) << "beyond the end: " << i;

    // Every track holds the note its last pattern strikes on row 0; the
    // entries of no track stay 0.
    const Song& song = testSong();
    const int last = NOTE_TRACE_ROWS - 1;
    for (int t = 0; t < TRACK_COUNT; ++t) {
        const uint8_t pattern = song.orderList[ORDER_POSITIONS * t + ORDER_POSITIONS - 1];
        EXPECT_EQ(r.note(last, t), song.patterns[ROWS_PER_PATTERN * pattern]) << "track " << t;
    }
    for (int e = 0; e < NOTE_TRACE_ENTRIES; ++e) {
        if (e % 2 || e >= 2 * TRACK_COUNT) {
            EXPECT_EQ(r.trace[NOTE_TRACE_ENTRIES * last + e], 0) << "entry " << e;
        }
    }
}

}  // namespace
