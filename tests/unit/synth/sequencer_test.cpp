// The sequencer and the per-frame bookkeeping on both synthesizers: hold,
// release, hard restart, the first frame, silent patterns, the end of a note.
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

namespace {

class Sequencer : public BothSynths {
protected:
    static int32_t releaseCount(const TestSynth& s, int track) { return s.intWord(track, WORD_RELEASE_COUNT); }
    // Renders up to and including the first frame of `row`.
    static void renderThroughRowStart(TestSynth& s, int row, int& rendered) {
        s.frames(row * SAMPLES_PER_ROW + 1 - rendered);
        rendered = row * SAMPLES_PER_ROW + 1;
    }
    SongBuilder builder;
};

TEST_P(Sequencer, HoldRowsChangeNothingAlsoOnASilentVoice) {
    builder.play(0, 0, builder.pattern({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    builder.play(1, 0, builder.heldNote(60));
    builder.unit(1, OP_ENVELOPE, {96, 0, 128, 0, 128}).unit(1, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(3 * SAMPLES_PER_ROW);
    EXPECT_EQ(releaseCount(s, 0), 0);
    EXPECT_EQ(s.trackNote(0), 0);
    // The held note's attack ran on without a restart: 3 rows of 2^-18 steps.
    EXPECT_EQ(s.floatWord(1, slotWord(0, 1)), 3 * SAMPLES_PER_ROW / 262144.0f);
    EXPECT_EQ(releaseCount(s, 1), 0);
}

TEST_P(Sequencer, AReleaseRowOnlyCountsUpAlsoWhenSilentOrAlreadyReleased) {
    // Note on row 0, releases on rows 1, 2 and -128 (a negative byte) on 3.
    builder.play(0, 0, builder.pattern({60, 0, 0, -128}));
    builder.play(1, 0, builder.pattern({0, 0}));
    builder.unit(0, OP_ENVELOPE, {0, 0, 128, 128, 128}).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    int rendered = 0;
    for (int row = 1; row <= 3; ++row) {
        renderThroughRowStart(s, row, rendered);
        EXPECT_EQ(releaseCount(s, 0), row);
        EXPECT_EQ(s.trackNote(0), 60);
        EXPECT_EQ(s.intWord(0, slotWord(0, 0)), STAGE_RELEASE);
    }
    EXPECT_EQ(releaseCount(s, 1), 2);
    EXPECT_EQ(s.trackNote(1), 0);
    // Row 4 holds: the count stays.
    renderThroughRowStart(s, 4, rendered);
    EXPECT_EQ(releaseCount(s, 0), 3);
}

TEST_P(Sequencer, ANoteOnRestartsTheVoiceFromZeroButKeepsItsOutputs) {
    // Track 0 feeds its previous main output back to itself through OP_MIX,
    // so the output words hold a value the note-on must not clear. Track 1
    // seeds it during row 0 (its last store, in the frame its note ends,
    // writes 0.75 less one release step).
    builder.play(0, 0, builder.pattern({60, 1, 72}));
    builder.unit(0, OP_MIX, {MIX_MAIN}).unit(0, OP_OUTPUT, {128, 0});
    builder.unit(0, OP_ENVELOPE, {96, 0, 128, 0, 128}).unit(0, OP_STACK, {STACK_POP});
    builder.unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_SINE}).unit(0, OP_STACK, {STACK_POP});
    builder.play(1, 0, builder.pattern({60, 0}));
    builder.constant(1, 128).unit(1, OP_STACK, {STACK_POP});
    builder.unit(1, OP_ENVELOPE, {0, 0, 128, 128, 96}).storeRemote(1, 128, voiceByte(0, WORD_MAIN_LEFT));
    builder.unit(1, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(2 * SAMPLES_PER_ROW);
    const float fedBack = s.mainLeft(0);
    EXPECT_GT(fedBack, 0.7f);
    s.frame();
    EXPECT_EQ(s.trackNote(0), 72);
    EXPECT_EQ(releaseCount(s, 0), 0);
    EXPECT_EQ(s.floatWord(0, slotWord(2, 1)), 1.0f / 262144);  // the attack begins again
    EXPECT_EQ(s.intWord(0, slotWord(2, 0)), STAGE_ATTACK);
    EXPECT_GT(s.floatWord(0, slotWord(4, 0)), 0.0f);
    EXPECT_LT(s.floatWord(0, slotWord(4, 0)), 0.01f);  // the phase too
    EXPECT_EQ(s.mainLeft(0), fedBack);
}

TEST_P(Sequencer, ANoteOnClearsEveryUnitWordButNotTheOutputs) {
    // Track 1 (later in the frame) fills unit words of track 0, its last one,
    // and its send word every frame until its note ends on row 1 (its second
    // envelope, the value stored, releases slowly); track 0 restarts on row 2.
    builder.play(0, 0, builder.pattern({60, 1, 61}));
    builder.play(1, 0, builder.pattern({60, 0}));
    builder.constant(1, 128).unit(1, OP_STACK, {STACK_POP}).unit(1, OP_ENVELOPE, {0, 0, 128, 128, 64});
    for (int word = 0; word < UNIT_AREA_WORDS; word += 16) builder.storeRemote(1, 128, voiceByte(0, WORD_FIRST_SLOT + word));
    builder.storeRemote(1, 128, voiceByte(0, WORD_FIRST_SLOT + UNIT_AREA_WORDS - 1));
    builder.storeRemote(1, 128, voiceByte(0, WORD_SEND_LEFT)).unit(1, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(2 * SAMPLES_PER_ROW);
    ASSERT_EQ(s.trackNote(1), 0);
    const float send = s.floatWord(0, WORD_SEND_LEFT);
    EXPECT_GT(send, 0.49f);
    EXPECT_GT(s.floatWord(0, WORD_FIRST_SLOT + UNIT_AREA_WORDS - 1), 0.49f);
    s.frame();
    for (int word = 0; word < WORD_FIRST_SLOT + UNIT_AREA_WORDS; ++word) {
        if (word == WORD_NOTE) continue;
        EXPECT_EQ(s.intWord(0, word), 0) << "word " << word;
    }
    EXPECT_EQ(s.intWord(0, WORD_NOTE), 61);
    EXPECT_EQ(s.floatWord(0, WORD_SEND_LEFT), send);
}

TEST_P(Sequencer, TheFirstFrameStepsAllTwelveTracksBeforeRenderingThem) {
    // Every track strikes its own note on row 0; in frame 0 each envelope has
    // already made its first attack step and each note is in the trace.
    for (int track = 0; track < TRACK_COUNT; ++track) {
        builder.play(track, 0, builder.heldNote(50 + track));
        builder.unit(track, OP_ENVELOPE, {64, 0, 128, 0, 128}).unit(track, OP_STACK, {STACK_POP});
    }
    TestSynth s = synth(builder.song());
    s.frame();
    for (int track = 0; track < TRACK_COUNT; ++track) {
        EXPECT_EQ(s.trackNote(track), 50 + track);
        EXPECT_EQ(s.floatWord(track, slotWord(0, 1)), 1.0f / 4096) << "track " << track;
    }
}

TEST_P(Sequencer, PatternZeroStaysSilentWhileItsReleaseCountGrowsBySixteen) {
    builder.unit(0, OP_ENVELOPE, {0, 0, 128, 0, 128}).showTop(0).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    int rendered = 0;
    renderThroughRowStart(s, 32, rendered);
    EXPECT_EQ(releaseCount(s, 0), 33);
    EXPECT_EQ(s.trackNote(0), 0);
    EXPECT_EQ(s.mainLeft(0), 0.0f);
}

TEST_P(Sequencer, AnEnvelopeInSlotZeroFinishingSilencesTheVoiceInThatFrame) {
    // Release 16: 1/8 a frame from the sustain level 1, done in frame 8.
    builder.play(0, 0, builder.pattern({60, 0}));
    builder.unit(0, OP_ENVELOPE, {0, 0, 128, 16, 128}).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(SAMPLES_PER_ROW + 7);
    EXPECT_EQ(s.trackNote(0), 60);
    EXPECT_EQ(s.intWord(0, WORD_NOTE), 60);
    s.frame();
    EXPECT_EQ(s.intWord(0, slotWord(0, 0)), STAGE_DONE);
    EXPECT_EQ(s.trackNote(0), 0);
    EXPECT_EQ(s.intWord(0, WORD_NOTE), 0);
}

TEST_P(Sequencer, WithoutALeadingEnvelopeAVoiceIsNotEndedByItsEnvelopes) {
    builder.play(0, 0, builder.pattern({60, 0}));
    builder.unit(0, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, OSC_SINE}).unit(0, OP_STACK, {STACK_POP});
    builder.unit(0, OP_ENVELOPE, {0, 0, 128, 0, 128}).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(SAMPLES_PER_ROW + 10);
    EXPECT_EQ(s.intWord(0, slotWord(2, 0)), STAGE_DONE);
    EXPECT_EQ(s.trackNote(0), 60);
}

TEST_P(Sequencer, TheMasterAlwaysPlaysWithNoteTwelve) {
    builder.constant(MASTER_VOICE, 64).showTop(MASTER_VOICE).unit(MASTER_VOICE, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    int rendered = 0;
    renderThroughRowStart(s, 20, rendered);
    EXPECT_EQ(s.intWord(MASTER_VOICE, WORD_NOTE), 12);
    EXPECT_EQ(s.intWord(MASTER_VOICE, WORD_RELEASE_COUNT), 0);
    EXPECT_EQ(s.frame().left, 0.5f);
}

RUN_ON_BOTH_SYNTHS(Sequencer);

}  // namespace
