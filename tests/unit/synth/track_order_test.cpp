// The order of work inside a frame, seen through remote stores between
// tracks, on both synthesizers: each track's row step comes just before that
// track renders, and the master renders after all tracks.
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

namespace {

class TrackOrder : public BothSynths {
protected:
    SongBuilder builder;
};

TEST_P(TrackOrder, ALowerTracksStoreIntoAHigherOneIsWipedByItsNoteOnInTheSameFrame) {
    // Track 2 stores 0.5 into word 7 of track 5's slot 9 every frame; track 5
    // strikes a note on rows 0 and 1.
    builder.play(2, 0, builder.heldNote(60));
    builder.constant(2, 64).storeRemote(2, 128, voiceByte(5, slotWord(9, 7))).unit(2, OP_STACK, {STACK_POP});
    builder.play(5, 0, builder.pattern({70, 71}));
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.floatWord(5, slotWord(9, 7)), 0.0f);
    s.frames(SAMPLES_PER_ROW - 1);
    EXPECT_EQ(s.floatWord(5, slotWord(9, 7)), 0.5f);
    s.frame();  // row 1: note-on after track 2's store
    EXPECT_EQ(s.floatWord(5, slotWord(9, 7)), 0.0f);
    EXPECT_EQ(s.trackNote(5), 71);
    s.frame();
    EXPECT_EQ(s.floatWord(5, slotWord(9, 7)), 0.5f);
}

TEST_P(TrackOrder, AHigherTracksStoreIntoALowerOneActsInTheNextFrame) {
    // Track 8 stores 0.25 into the gain modulation of track 3's envelope;
    // track 3's output shows its envelope's push.
    const int held = builder.heldNote(60);
    builder.play(3, 0, held).play(8, 0, held);
    builder.constant(3, 64).showTop(3).unit(3, OP_STACK, {STACK_POP});
    builder.constant(8, 32).storeRemote(8, 128, voiceByte(3, slotWord(0, 2))).unit(8, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.mainLeft(3), 0.5f);
    s.frame();
    EXPECT_EQ(s.mainLeft(3), 0.75f);
}

TEST_P(TrackOrder, ATrackStoreIntoTheMasterActsInTheSameFrame) {
    // Track 10 modulates the gain of the master's output (slot 3, word 1).
    builder.play(10, 0, builder.heldNote(60));
    builder.constant(10, 32).storeRemote(10, 128, voiceByte(MASTER_VOICE, slotWord(3, 1)));
    builder.unit(10, OP_STACK, {STACK_POP});
    builder.constant(MASTER_VOICE, 64).showTop(MASTER_VOICE).unit(MASTER_VOICE, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    EXPECT_EQ(s.frame().left, 0.5f * (1.0f + 0.25f));
}

TEST_P(TrackOrder, TheMastersStoreIntoATrackActsInTheNextFrame) {
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64).showTop(0).unit(0, OP_STACK, {STACK_POP});
    builder.constant(MASTER_VOICE, 128).storeRemote(MASTER_VOICE, 80, voiceByte(0, slotWord(0, 2)));
    builder.unit(MASTER_VOICE, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.5f);
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.75f);
}

TEST_P(TrackOrder, AStoreIntoANoteWordChangesWhatTheTraceShows) {
    // Track 4 writes the float 0.5 into track 2's note word after track 2's
    // bookkeeping; the trace shows it from the next frame, as its bits.
    builder.play(2, 0, builder.heldNote(60));
    builder.play(4, 0, builder.heldNote(60));
    builder.constant(4, 64).storeRemote(4, 128, voiceByte(2, WORD_NOTE)).unit(4, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.trackNote(2), 60);
    s.frame();
    EXPECT_EQ(s.trackNote(2), 0x3F000000);
}

RUN_ON_BOTH_SYNTHS(TrackOrder);

}  // namespace
