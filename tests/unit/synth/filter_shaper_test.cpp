// OP_FILTER and OP_SHAPER on both synthesizers.
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

namespace {

class Filter : public BothSynths {
protected:
    // Track 0 plays a constant 0.5 through one filter (frequency 64: f = 1/4).
    TestSynth filtering(uint8_t flags) { return filtering(builder, flags); }
    TestSynth filtering(SongBuilder& b, uint8_t flags) {
        b.play(0, 0, b.heldNote(60));
        b.constant(0, 64).unit(0, OP_FILTER, {64, 128, flags}).showTop(0).unit(0, OP_STACK, {STACK_POP});
        return synth(b.song());
    }
    static float low(const TestSynth& s) { return s.floatWord(0, slotWord(1, 0)); }
    static float band(const TestSynth& s) { return s.floatWord(0, slotWord(1, 2)); }

    SongBuilder builder;
};

TEST_P(Filter, LowPassSettlesOnAConstantAndTheOthersDieAway) {
    const uint8_t flags[] = {FILTER_LOW, FILTER_HIGH, FILTER_BAND, FILTER_LOW_MINUS_HIGH};
    const float settled[] = {0.5f, 0.0f, 0.0f, 0.5f};
    for (int i = 0; i < 4; ++i) {
        builder = SongBuilder();
        TestSynth s = filtering(flags[i]);
        s.frames(2000);
        EXPECT_NEAR(s.mainLeft(0), settled[i], 1e-5f) << "flags " << int(flags[i]);
    }
}

TEST_P(Filter, TheFirstFrameFollowsTheUpdateOrderLowThenHighThenBand) {
    // From zero state with x = 0.5, f = 0.25, d = 1: low = 0, high = 0.5,
    // band = 0.125; the second frame: low = 1/32, high = 0.5 - 1/32 - 1/8.
    TestSynth s = filtering(FILTER_LOW | FILTER_HIGH | FILTER_BAND);
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.625f);
    s.frame();
    EXPECT_EQ(low(s), 0.03125f);
    EXPECT_EQ(s.floatWord(0, slotWord(1, 1)), 0.34375f);
    EXPECT_EQ(band(s), 0.125f + 0.25f * 0.34375f);
}

TEST_P(Filter, WithNoFlagsItPushesZeroButKeepsItsStateRunning) {
    TestSynth none = filtering(0);
    SongBuilder other;
    TestSynth lowPass = filtering(other, FILTER_LOW);
    for (int i = 0; i < 50; ++i) {
        none.frame();
        lowPass.frame();
        ASSERT_EQ(none.mainLeft(0), 0.0f);
    }
    EXPECT_NE(low(none), 0.0f);
    EXPECT_EQ(low(none), low(lowPass));
    EXPECT_EQ(band(none), band(lowPass));
}

TEST_P(Filter, TheCoefficientWordIsRewrittenEveryFrame) {
    // A store puts 0.5 into word 3 after the filter ran; the filter writes
    // its frequency squared back the next frame.
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64)
        .unit(0, OP_FILTER, {64, 128, FILTER_LOW})
        .unit(0, OP_STACK, {STACK_POP})
        .constant(0, 64)
        .unit(0, OP_STORE, {128, 8 + 3})
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.floatWord(0, slotWord(1, 3)), 0.5f);
    EXPECT_EQ(low(s), 0.0f);
    s.frame();
    EXPECT_EQ(low(s), 0.03125f);  // computed with 1/4, not the stored 0.5
}

// Track 1 takes track 0's send of this frame (through OP_MIX) through a unit
// to its main output; track 1 never has a note, track 0 plays a constant 0.75.
class SilentPassThrough : public BothSynths {
protected:
    TestSynth through(uint8_t opcode, std::initializer_list<uint8_t> bytes) {
        builder.play(0, 0, builder.heldNote(60));
        builder.constant(0, 96).showTop(0).unit(0, OP_STACK, {STACK_POP});
        builder.unit(1, OP_MIX, {MIX_SEND}).unit(1, opcode, bytes).unit(1, OP_OUTPUT, {128, 0});
        return synth(builder.song());
    }
    SongBuilder builder;
};

TEST_P(SilentPassThrough, AFilterOnASilentVoiceLeavesItsInputAndStateAlone) {
    TestSynth s = through(OP_FILTER, {64, 64, FILTER_HIGH});
    s.frames(20);
    EXPECT_EQ(s.mainLeft(1), 0.75f);
    EXPECT_EQ(s.floatWord(1, slotWord(1, 0)), 0.0f);
    EXPECT_EQ(s.floatWord(1, slotWord(1, 3)), 0.0f);
}

TEST_P(SilentPassThrough, AShaperOnASilentVoiceLeavesItsInputAlone) {
    TestSynth s = through(OP_SHAPER, {120});
    s.frames(3);
    EXPECT_EQ(s.mainLeft(1), 0.75f);
    EXPECT_EQ(s.mainRight(1), 0.75f);
}

TEST_P(Filter, AShaperBendsTheTopValue) {
    // Drive 96 maps 0.5 to 0.75.
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64).unit(0, OP_SHAPER, {96}).showTop(0).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_FLOAT_EQ(s.mainLeft(0), 0.75f);
}

RUN_ON_BOTH_SYNTHS(Filter);
RUN_ON_BOTH_SYNTHS(SilentPassThrough);

}  // namespace
