// pollMusicNotes with a scripted playback position and hand-written noteTrace rows.
#include "tests/unit/music/music_test_support.h"

namespace {

const uint32_t BLOCK = NOTE_TRACE_BLOCK;
const int LAST_BLOCK = NOTE_TRACE_ROWS - 1;

class NotePoll : public MusicTest {
protected:
    void startWithoutRender() {
        startMusic();  // the fake records the render thread; it never runs
        fake.calls.clear();
    }
};

TEST_F(NotePoll, NothingChangesBeforeTheMusicStarts) {
    writeNotes(0, 10, {43, 48, 0, 60, 0, 0, 0, 0, 0, 0, 0, 62});
    acknowledgeAll();
    for (uint32_t position : {0u, BLOCK, 5 * BLOCK}) pollAt(position);

    for (int t = 0; t < NOTE_TRACKS; ++t) {
        EXPECT_EQ(trackNote[t], 0) << "track " << t;
        EXPECT_EQ(noteSeen[t], 1) << "track " << t;
    }
}

TEST_F(NotePoll, FirstPollRaisesEventsForTheNotesOfBlockZero) {
    writeNotes(0, 0, {0, 48, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60});
    startWithoutRender();
    acknowledgeAll();
    pollAt(0);

    EXPECT_EQ(trackNote[1], 48);
    EXPECT_EQ(trackNote[11], 60);
    EXPECT_EQ(changedTracks(), (std::vector<int>{1, 11}));
}

TEST_F(NotePoll, PositionSelectsTheRowOfItsBlockOf256Frames) {
    writeNotes(0, 0, {43});
    writeNotes(1, 1, {46});
    writeNotes(1000, 1000, {53});
    startWithoutRender();

    pollAt(BLOCK - 1);
    EXPECT_EQ(trackNote[0], 43);
    pollAt(BLOCK);
    EXPECT_EQ(trackNote[0], 46);
    pollAt(1000 * BLOCK + 255);
    EXPECT_EQ(trackNote[0], 53);
}

TEST_F(NotePoll, TrackFallingSilentGivesAnEventWithNoteZero) {
    writeNotes(0, 3, {0, 55});
    writeNotes(4, 8, {0, 0});
    startWithoutRender();
    pollAt(0);
    acknowledgeAll();

    pollAt(4 * BLOCK);
    EXPECT_EQ(trackNote[1], 0);
    EXPECT_EQ(changedTracks(), (std::vector<int>{1}));
}

TEST_F(NotePoll, NoteHeldOverManyPollsGivesOneEvent) {
    writeNotes(0, 199, {0, 48});
    startWithoutRender();
    acknowledgeAll();

    int events = 0;
    for (uint32_t position = 0; position < 200 * BLOCK; position += 100) {
        pollAt(position);
        events += noteSeen[1] == 0;
        acknowledgeAll();
    }
    EXPECT_EQ(events, 1);
    EXPECT_EQ(trackNote[1], 48);
}

TEST_F(NotePoll, ChangeIsFlaggedUntilAcknowledgedEvenWhenLaterPollsSeeNoChange) {
    writeNotes(0, 0, {0, 0});
    writeNotes(1, 9, {0, 46});
    startWithoutRender();
    pollAt(0);
    acknowledgeAll();

    pollAt(BLOCK);
    pollAt(2 * BLOCK);  // same note: the poll must not set the flag back
    EXPECT_EQ(noteSeen[1], 0);
}

TEST_F(NotePoll, PositionStoppedAtTheEndRaisesNoMoreEvents) {
    writeNotes(LAST_BLOCK - 1, LAST_BLOCK - 1, {0, 43});
    writeNotes(LAST_BLOCK, LAST_BLOCK, {0, 53, 0, 0, 0, 0, 0, 0, 0, 0, 0, 58});
    startWithoutRender();
    pollAt(SONG_FRAMES - 300);
    acknowledgeAll();

    // The device played the last frame and stopped there.
    pollAt(SONG_FRAMES);
    EXPECT_EQ(changedTracks(), (std::vector<int>{1, 11}));
    acknowledgeAll();
    for (int frame = 0; frame < 50; ++frame) {
        pollAt(SONG_FRAMES);
        EXPECT_TRUE(changedTracks().empty()) << "poll " << frame;
        acknowledgeAll();
    }
    EXPECT_EQ(trackNote[1], 53);
    EXPECT_EQ(trackNote[11], 58);
}

TEST_F(NotePoll, PositionBeyondTheSongReadsTheLastBlock) {
    writeNotes(LAST_BLOCK, LAST_BLOCK, {0, 53, 0, 0, 0, 0, 0, 0, 0, 0, 0, 62});
    startWithoutRender();

    for (uint32_t position : {static_cast<uint32_t>(NOTE_TRACE_ROWS) * BLOCK, static_cast<uint32_t>(SONG_FRAMES) * 4,
                              0xFFFFFFFFu}) {
        clearMusicNotes();
        pollAt(position);
        EXPECT_EQ(trackNote[1], 53) << "position " << position;
        EXPECT_EQ(trackNote[11], 62) << "position " << position;
    }
}

TEST_F(NotePoll, TracksTwelveToFifteenNeverChangeAndOnlyEvenEntriesAreRead) {
    // Every track sounds and the entries the renderer never writes for the
    // tracks 0..11 (the odd ones) hold junk: a poll that reads the wrong entry
    // picks up a note on a track that has none, or the wrong note.
    for (int block = 0; block < 64; ++block) {
        for (int t = 0; t < TRACK_COUNT; ++t) {
            noteTrace[block][2 * t].store(43 + t + block % 3, std::memory_order_relaxed);
            noteTrace[block][2 * t + 1].store(-1000 - t, std::memory_order_relaxed);
        }
    }
    startWithoutRender();
    acknowledgeAll();

    for (uint32_t position = 0; position < 64 * BLOCK; position += 97) {
        pollAt(position);
        int block = static_cast<int>(position / BLOCK);
        for (int t = 0; t < TRACK_COUNT; ++t) ASSERT_EQ(trackNote[t], 43 + t + block % 3) << "track " << t;
        for (int t = TRACK_COUNT; t < NOTE_TRACKS; ++t) {
            ASSERT_EQ(trackNote[t], 0) << "track " << t;
            ASSERT_EQ(noteSeen[t], 1) << "track " << t;
        }
    }
}

}  // namespace
