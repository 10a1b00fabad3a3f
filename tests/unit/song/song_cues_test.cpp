// One full render of the composed song, read as the visuals read it: every
// cue the patterns plan on the bass (sponge twists) and the accent track
// (distortion kicks, sponge levels) must show in noteTrace as a change of the
// track's note word that a once-a-frame poll cannot miss.
#include "tests/unit/song/composed_song.h"

#include "synth/song_render.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace {

std::atomic<float> renderBuffer[SONG_FRAMES * 2];

const std::set<int> TWIST_NOTES = {43, 46, 48, 53, 55};  // track 1
const std::set<int> ACCENT_NOTES = {58, 60, 62};         // track 11
const std::set<int> LEVEL_NOTES = {60, 62};              // track 11, a sponge level each
// A poll may come two video frames (60 Hz) after a change: the old note word
// must stand that long before the new one.
const int POLL_BLOCKS = 2 * SAMPLE_RATE / 60 / NOTE_TRACE_BLOCK + 1;

int traceNote(int block, int track) { return noteTrace[block][2 * track].load(std::memory_order_relaxed); }

struct PlannedCue {
    int row;
    int note;
};

std::vector<PlannedCue> plannedCues(const Song& song, int track, const std::set<int>& notes) {
    std::vector<PlannedCue> cues;
    for (int row = 0; row < SONG_ROWS; ++row) {
        int pattern = song.orderList[track * ORDER_POSITIONS + row / ROWS_PER_PATTERN];
        int note = song.patterns[pattern * ROWS_PER_PATTERN + row % ROWS_PER_PATTERN];
        if (notes.count(note)) cues.push_back({row, note});
    }
    return cues;
}

// Each cue's note word appears in the block of its row's first frame and
// differed for POLL_BLOCKS blocks before.
void expectSeenByPoll(const std::vector<PlannedCue>& cues, int track) {
    for (const PlannedCue& cue : cues) {
        int block = cue.row * SAMPLES_PER_ROW / NOTE_TRACE_BLOCK;
        EXPECT_EQ(traceNote(block, track), cue.note) << "track " << track << ", row " << cue.row;
        for (int before = block - 1; before >= 0 && before >= block - POLL_BLOCKS; --before) {
            EXPECT_NE(traceNote(before, track), cue.note)
                << "track " << track << ", row " << cue.row << ": the same note still sounds, no event";
        }
    }
}

TEST(ComposedSongCues, EveryPlannedTwistAndAccentIsANoteEventThatAPollSees) {
    ComposedSong composed;
    std::string errors;
    ASSERT_TRUE(loadComposedSong(&composed, &errors)) << errors;
    SongFault fault{};
    ASSERT_EQ(renderSongInto(composed.song, renderBuffer, &fault), 1) << fault.message;

    std::vector<PlannedCue> twists = plannedCues(composed.song, 1, TWIST_NOTES);
    std::vector<PlannedCue> accents = plannedCues(composed.song, 11, ACCENT_NOTES);
    ASSERT_FALSE(twists.empty());
    ASSERT_FALSE(accents.empty());
    expectSeenByPoll(twists, 1);
    expectSeenByPoll(accents, 11);

    // The sponge twists often: from the first twist to the last, never a whole bar without one.
    for (size_t i = 1; i < twists.size(); ++i) {
        EXPECT_LE(twists[i].row - twists[i - 1].row, ROWS_PER_PATTERN) << "no twist before row " << twists[i].row;
    }

    // The sponge gains its four levels within the first minute of music.
    std::printf("sponge levels (track 11 notes 60, 62) at");
    int earlyLevels = 0;
    for (const PlannedCue& cue : accents) {
        if (!LEVEL_NOTES.count(cue.note)) continue;
        double seconds = double(cue.row) * SAMPLES_PER_ROW / SAMPLE_RATE;
        earlyLevels += seconds < 60.0;
        std::printf(" %.2f s", seconds);
    }
    std::printf("; %zu twists, %zu accents\n", twists.size(), accents.size());
    EXPECT_GE(earlyLevels, 4);
}

}  // namespace
