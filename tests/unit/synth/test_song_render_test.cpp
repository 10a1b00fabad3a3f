// The test song rendered whole, once: pinned digests of its samples and note
// trace, and the buffer's length.
#include "tests/unit/synth/test_song.h"
#include "tests/unit/synth/whole_song_render.h"

namespace {

TEST(TestSongRender, IsThePinnedRenderAndFillsExactlyTheSong) {
    const WholeRender r = renderWholeSong(testSong());
    // Pinned from the engine at commit 53db600, whose render of this song
    // agreed bit for bit, in every sample and noteTrace entry, with a plain
    // reference interpreter written separately from the unit formulas (it
    // walked the byte streams every frame through an opcode table). Any change
    // of these bits is a change of what the synthesizer computes: find the
    // cause with the unit tests before pinning new values.
    EXPECT_EQ(r.samplesSha256(), "3e24b34707e270bbf9f1b998173c8dfea1d302f443b69d3417033379d38306b8");
    EXPECT_EQ(r.traceSha256(), "5634c764c3bfc9624c0feeeadaeb4418a3f526d6da15434e436ea9ae0bf2ebd6");

    // The digests hold every sample and trace entry of the song (the clamp at
    // both ends, no NaN, the last notes in the last block); besides them, the
    // count and nothing written past the end.
    EXPECT_EQ(r.framesCounted, SONG_FRAMES);
    for (size_t i = size_t(SONG_FRAMES) * 2; i < r.samples.size(); ++i)
        EXPECT_TRUE(std::isnan(r.samples[i])) << "beyond the end: " << i;
}

}  // namespace
