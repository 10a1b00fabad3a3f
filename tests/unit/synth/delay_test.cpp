// OP_DELAY on both synthesizers: the delay time, feedback, the pool layout,
// and ringing on through silence.
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

#include <vector>

namespace {

class Delay : public BothSynths {
protected:
    // Track 0 sends an impulse (1 in frame 0, 0 after) through one delay line
    // of `length` frames (delay table entry 0); wet only, no damping.
    Song impulseThrough(uint16_t length, uint8_t feedback) {
        builder.delayLengths[0] = length;
        builder.play(0, 0, builder.heldNote(60));
        builder.unit(0, OP_ENVELOPE, {0, 0, 0, 0, 128})  // 1, then 0 from the second frame
            .unit(0, OP_DELAY, {128, 0, feedback, 0, 0, 1})
            .showTop(0)
            .unit(0, OP_STACK, {STACK_POP});
        return builder.song();
    }
    SongBuilder builder;
};

TEST_P(Delay, ALineOfLengthNGivesZerosForNFramesThenWhatCameNFramesBefore) {
    const int n = 7;
    TestSynth s = synth(impulseThrough(n, 0));
    for (int frame = 0; frame < n; ++frame) {
        s.frame();
        ASSERT_EQ(s.mainLeft(0), 0.0f) << "frame " << frame;
    }
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 1.0f);
    // After it the DC blocker lets the step decay: 0 - 1 + 255/256.
    s.frame();
    EXPECT_EQ(s.mainLeft(0), -1.0f / 256);
}

TEST_P(Delay, FeedbackSendsTheEchoRoundAgainEveryNFrames) {
    const int n = 5;
    TestSynth s = synth(impulseThrough(n, 64));  // feedback 0.5
    std::vector<float> out;
    for (int frame = 0; frame <= 3 * n; ++frame) {
        s.frame();
        out.push_back(s.mainLeft(0));
    }
    EXPECT_EQ(out[n], 1.0f);
    EXPECT_GT(out[2 * n] - out[2 * n - 1], 0.49f);
    EXPECT_LT(out[2 * n] - out[2 * n - 1], 0.51f);
    EXPECT_GT(out[3 * n] - out[3 * n - 1], 0.24f);
    EXPECT_LT(out[3 * n] - out[3 * n - 1], 0.26f);
}

TEST_P(Delay, PregainActsSquaredAndDryPassesStraight) {
    // Pregain 64 puts 1/4 of the impulse in the line; dry 64 passes half at once.
    builder.delayLengths[0] = 3;
    builder.play(0, 0, builder.heldNote(60));
    builder.unit(0, OP_ENVELOPE, {0, 0, 0, 0, 128})
        .unit(0, OP_DELAY, {64, 64, 0, 0, 0, 1})
        .showTop(0)
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.5f);
    EXPECT_EQ(s.state().delayPool[0].samples[0], 0.25f);
}

TEST_P(Delay, UnitsTakePoolRecordsInTheirOrderWithTheDcBlockerAfterTheLastLine) {
    // Track 0: two lines (records 0, 1; DC blocker in record 2). Track 1,
    // silent: one line (record 2, whose own line words are the line's; DC
    // blocker in record 3).
    builder.delayLengths[0] = 10;
    builder.delayLengths[1] = 11;
    builder.delayLengths[2] = 12;
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 128).unit(0, OP_DELAY, {128, 128, 0, 0, 0, 2}).unit(0, OP_STACK, {STACK_POP});
    builder.unit(1, OP_MIX, {MIX_MAIN}).unit(1, OP_DELAY, {128, 64, 0, 0, 2, 1});
    builder.unit(1, OP_STACK, {STACK_POP}).unit(1, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(3);
    const DelayLine* pool = s.state().delayPool;
    EXPECT_EQ(pool[0].writePosition, 3);
    EXPECT_EQ(pool[1].writePosition, 3);
    EXPECT_EQ(pool[2].writePosition, 3);
    EXPECT_EQ(pool[3].writePosition, 0);
    EXPECT_EQ(pool[0].samples[2], 1.0f);
    // Track 0's DC blocker: input acc = 1 (dry) each frame.
    EXPECT_EQ(pool[2].dcPreviousInput, 1.0f);
    // Track 1's: input acc = 0.5 x (0 + 0) = 0 dry, as track 0 has no output.
    EXPECT_EQ(pool[3].dcPreviousInput, 0.0f);
    EXPECT_EQ(pool[2].dampingState, 0.0f);
}

TEST_P(Delay, WrapsAtItsLengthAndNotAtThePoolLine) {
    TestSynth s = synth(impulseThrough(4, 0));
    s.frames(4);
    EXPECT_EQ(s.state().delayPool[0].writePosition, 0);
    s.frames(3);
    EXPECT_EQ(s.state().delayPool[0].writePosition, 3);
}

TEST_P(Delay, DampingSmoothsOnlyTheFedBackValue) {
    // Damp 64: the line's damping state takes half of each delayed value; the
    // output still sums the raw delayed value.
    builder.delayLengths[0] = 2;
    builder.play(0, 0, builder.heldNote(60));
    builder.unit(0, OP_ENVELOPE, {0, 0, 0, 0, 128})
        .unit(0, OP_DELAY, {128, 0, 128, 64, 0, 1})
        .showTop(0)
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(3);
    EXPECT_EQ(s.mainLeft(0), 1.0f);
    EXPECT_EQ(s.state().delayPool[0].dampingState, 0.5f);
    EXPECT_EQ(s.state().delayPool[0].samples[0], 0.5f);
}

TEST_P(Delay, KeepsRingingAfterTheVoiceFallsSilent) {
    // The note is released on row 1 and ends at once; the impulse of frame 0
    // comes out of a 2-row line on row 2.
    builder.play(0, 0, builder.pattern({60, 0}));
    builder.unit(0, OP_ENVELOPE, {0, 0, 0, 0, 128})
        .unit(0, OP_DELAY, {128, 0, 0, 0, 16, 1})
        .showTop(0)
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(2 * SAMPLES_PER_ROW);
    EXPECT_EQ(s.trackNote(0), 0);
    EXPECT_EQ(s.mainLeft(0), 0.0f);
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 1.0f);
}

RUN_ON_BOTH_SYNTHS(Delay);

}  // namespace
