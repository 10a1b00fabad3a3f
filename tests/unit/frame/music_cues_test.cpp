// The music cues: heard in the one frame in which their track's note changed
// to one of their notes, and only then.
#include "demo/music_cues.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

bool heard(const MusicCue& cue, int track, int32_t note, uint8_t seen) {
    int32_t trackNote[16] = {};
    uint8_t noteSeen[16] = {};
    trackNote[track] = note, noteSeen[track] = seen;
    return cueHeard(cue, trackNote, noteSeen);
}

TEST(MusicCues, HeardOnTheirTrackForTheirNotesUnacknowledged) {
    for (const MusicCue& cue : MUSIC_CUES) {
        for (const int32_t* note = cue.notes; note < cue.notes + cue.noteCount; ++note) {
            EXPECT_TRUE(heard(cue, cue.track, *note, 0)) << cue.track << ": " << *note;
            EXPECT_FALSE(heard(cue, cue.track, *note, 1)) << cue.track << ": " << *note << " acknowledged";
            EXPECT_FALSE(heard(cue, cue.track + 1, *note, 0)) << cue.track << ": " << *note << " on the next track";
            const bool nextIsCue = std::count(cue.notes, cue.notes + cue.noteCount, *note + 1) > 0;
            EXPECT_EQ(heard(cue, cue.track, *note + 1, 0), nextIsCue) << cue.track << ": " << *note + 1;
        }
        EXPECT_FALSE(heard(cue, cue.track, 0, 0)) << cue.track << ": no note";
    }
}

}  // namespace
