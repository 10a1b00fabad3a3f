// OP_ENVELOPE on both synthesizers: stage timing, sustain, release, and what
// a silent voice leaves alone.
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

#include <cmath>

namespace {

class Envelope : public BothSynths {
protected:
    // Track 0 plays note 60 from row 0 with one envelope, shown as its output.
    Song songWith(std::initializer_list<uint8_t> envelope) {
        builder.play(0, 0, builder.heldNote(60));
        builder.unit(0, OP_ENVELOPE, envelope).showTop(0).unit(0, OP_STACK, {STACK_POP});
        return builder.song();
    }
    static int32_t stage(const TestSynth& s) { return s.intWord(0, slotWord(0, 0)); }
    static float level(const TestSynth& s) { return s.floatWord(0, slotWord(0, 1)); }

    SongBuilder builder;
};

TEST_P(Envelope, AttackZeroIsFullInTheFirstFrameAndDecaysFromTheSecond) {
    TestSynth s = synth(songWith({0, 32, 0, 0, 128}));
    s.frame();
    EXPECT_EQ(level(s), 1.0f);
    EXPECT_EQ(stage(s), STAGE_DECAY);
    EXPECT_EQ(s.mainLeft(0), 1.0f);
    s.frame();
    EXPECT_EQ(level(s), 1.0f - 1.0f / 64);
    EXPECT_EQ(stage(s), STAGE_DECAY);
}

TEST_P(Envelope, AttackSixtyFourRisesByOne4096thAFrameAndPeaksAtFrame4096) {
    TestSynth s = synth(songWith({64, 64, 0, 0, 128}));
    s.frame();
    EXPECT_EQ(level(s), 1.0f / 4096);
    s.frames(2047);
    EXPECT_EQ(level(s), 0.5f);
    s.frames(2047);
    EXPECT_EQ(level(s), 4095.0f / 4096);
    EXPECT_EQ(stage(s), STAGE_ATTACK);
    s.frame();
    EXPECT_EQ(level(s), 1.0f);
    EXPECT_EQ(stage(s), STAGE_DECAY);
}

TEST_P(Envelope, DecayStopsAtTheSustainLevelAndHoldsIt) {
    // Decay byte 16: 1/8 a frame, from 1 down to sustain 0.5 in four frames.
    TestSynth s = synth(songWith({0, 16, 64, 0, 128}));
    s.frames(4);
    EXPECT_EQ(level(s), 0.625f);
    EXPECT_EQ(stage(s), STAGE_DECAY);
    s.frame();
    EXPECT_EQ(level(s), 0.5f);
    EXPECT_EQ(stage(s), STAGE_SUSTAIN);
    s.frames(1000);
    EXPECT_EQ(level(s), 0.5f);
    EXPECT_EQ(s.mainLeft(0), 0.5f);
}

TEST_P(Envelope, SustainAtOrAboveOneIsReachedAtLevelOneInOneDecayFrame) {
    TestSynth s = synth(songWith({0, 96, 128, 0, 128}));
    s.frames(2);
    EXPECT_EQ(level(s), 1.0f);
    EXPECT_EQ(stage(s), STAGE_SUSTAIN);
}

TEST_P(Envelope, GainIsTheParameterPlusTheModulationWord) {
    // Word 2 of the slot adds to the gain: a store after the envelope puts the
    // envelope's own output (gain 0.5) there, so the next frame pushes 1.0.
    builder.play(0, 0, builder.heldNote(60));
    builder.unit(0, OP_ENVELOPE, {0, 0, 128, 0, 64})
        .unit(0, OP_STORE, {128, 2})
        .showTop(0)
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.5f);
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 1.0f);
}

TEST_P(Envelope, AReleaseRowDuringTheAttackReleasesFromTheCurrentLevel) {
    // Attack 96 (2^-18 a frame) is still rising when row 1 releases; release
    // 64 then takes 2^-12 a frame off the level reached.
    builder.play(0, 0, builder.pattern({60, 0}));
    builder.unit(0, OP_ENVELOPE, {96, 0, 128, 64, 128}).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(SAMPLES_PER_ROW);
    EXPECT_EQ(stage(s), STAGE_ATTACK);
    EXPECT_EQ(level(s), std::ldexp(6182.0f, -18));
    s.frame();
    EXPECT_EQ(stage(s), STAGE_RELEASE);
    EXPECT_EQ(level(s), std::ldexp(6182.0f - 64.0f, -18));
}

TEST_P(Envelope, AFinishedEnvelopeOfAReleasedVoiceReturnsToReleaseEveryFrame) {
    // The first envelope (long release) keeps the voice sounding; the second
    // releases at once. A store then puts 1.0 into the second's level after
    // it ran: back in release, the second drops it to 0 again every frame.
    builder.play(0, 0, builder.pattern({60, 0}));
    builder.unit(0, OP_ENVELOPE, {0, 0, 128, 128, 128})
        .unit(0, OP_ENVELOPE, {0, 0, 128, 0, 128})
        .unit(0, OP_OUTPUT, {128, 0})
        .constant(0, 128)
        .unit(0, OP_STORE, {128, 9})  // slot 1, word 1: the second envelope's level
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(SAMPLES_PER_ROW + 3);
    EXPECT_EQ(s.intWord(0, slotWord(1, 0)), STAGE_DONE);
    EXPECT_NE(s.trackNote(0), 0);
    EXPECT_EQ(s.mainLeft(0), 0.0f);  // the second envelope's push: its level taken back to 0
    EXPECT_EQ(s.mainRight(0), s.floatWord(0, slotWord(0, 1)));
}

TEST_P(Envelope, OnASilentVoiceItPushesZeroAndKeepsItsState) {
    // Slot 0 finishes its release at once and silences the voice; slot 1 was
    // releasing slowly and must keep its stage and level from then on.
    builder.play(0, 0, builder.pattern({60, 0}));
    builder.unit(0, OP_ENVELOPE, {0, 0, 128, 0, 128})
        .unit(0, OP_ENVELOPE, {0, 0, 128, 96, 128})
        .unit(0, OP_OUTPUT, {128, 0});
    TestSynth s = synth(builder.song());
    s.frames(SAMPLES_PER_ROW + 1);
    ASSERT_EQ(s.trackNote(0), 0);
    const float heldLevel = s.floatWord(0, slotWord(1, 1));
    EXPECT_GT(heldLevel, 0.99f);
    s.frames(100);
    EXPECT_EQ(s.floatWord(0, slotWord(1, 1)), heldLevel);
    EXPECT_EQ(s.intWord(0, slotWord(1, 0)), STAGE_RELEASE);
    EXPECT_EQ(s.mainLeft(0), 0.0f);
    EXPECT_EQ(s.mainRight(0), 0.0f);
}

RUN_ON_BOTH_SYNTHS(Envelope);

}  // namespace
