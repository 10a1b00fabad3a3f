// The units that move values on both synthesizers: stack operations, stores,
// pan, output and mix.
#include "tests/unit/synth/song_builder.h"
#include "tests/unit/synth/test_synth.h"

namespace {

class SignalUnits : public BothSynths {
protected:
    // Track 0 plays; its instrument pushes constants d, c, b, a (a on top:
    // 1/128, 2/128, 4/128, 8/128 in value order a..d) before `ops`, then
    // outputs the top two values (top = main left).
    TestSynth stackOf4Then(std::initializer_list<uint8_t> ops, int leftOver) {
        builder.play(0, 0, builder.heldNote(60));
        builder.constant(0, 8).constant(0, 4).constant(0, 2).constant(0, 1);
        for (uint8_t op : ops) builder.unit(0, OP_STACK, {op});
        builder.unit(0, OP_OUTPUT, {128, 0});
        for (int i = 0; i < leftOver; ++i) builder.unit(0, OP_STACK, {STACK_POP});
        TestSynth s = synth(builder.song());
        s.frame();
        return s;
    }
    static constexpr float a = 1.0f / 128, b = 2.0f / 128, c = 4.0f / 128, d = 8.0f / 128;
    SongBuilder builder;
};

TEST_P(SignalUnits, StackOperationsWorkTopFirst) {
    struct Case {
        uint8_t op;
        float top, second;
        int leftOver;
    };
    const Case cases[] = {
        {STACK_POP, b, c, 1},          {STACK_ADD_POP, b + a, c, 1}, {STACK_MUL_POP, b * a, c, 1},
        {STACK_DUP, a, a, 3},          {STACK_SWAP, b, a, 2},        {STACK_ADD, a + b, b, 2},
        {STACK_MUL, a * b, b, 2},      {STACK_ADD_PAIRS, a + c, b + d, 0},
    };
    for (const Case& k : cases) {
        builder = SongBuilder();
        TestSynth s = stackOf4Then({k.op}, k.leftOver);
        EXPECT_EQ(s.mainLeft(0), k.top) << "operation " << int(k.op);
        EXPECT_EQ(s.mainRight(0), k.second) << "operation " << int(k.op);
    }
}

TEST_P(SignalUnits, StoreWritesTopTimesTwoAmountMinusOneAndLeavesTheTop) {
    // 0.5 on the stack; word 5 of slot 3 (target 29) gets 0.5 x (2 x 96/128 - 1).
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64).unit(0, OP_STORE, {96, 29}).unit(0, OP_STORE, {128, 30}).showTop(0);
    builder.unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.floatWord(0, slotWord(3, 5)), 0.25f);
    EXPECT_EQ(s.floatWord(0, slotWord(3, 6)), 0.5f);
    EXPECT_EQ(s.mainLeft(0), 0.5f);
}

TEST_P(SignalUnits, StoreWithAmount64WritesZero) {
    // The first store fills the word, the second (amount 64) must clear it.
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64).unit(0, OP_STORE, {128, 200}).unit(0, OP_STORE, {64, 200});
    builder.unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.floatWord(0, WORD_FIRST_SLOT + 200), 0.0f);
}

TEST_P(SignalUnits, StoreRunsOnASilentVoice) {
    // Track 1 never plays but stores track 0's send (from OP_MIX) into its word.
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64).showTop(0).unit(0, OP_STACK, {STACK_POP});
    builder.unit(1, OP_MIX, {MIX_SEND}).unit(1, OP_STORE, {128, 17}).unit(1, OP_OUTPUT, {0, 0});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.floatWord(1, slotWord(2, 1)), 0.5f);
}

TEST_P(SignalUnits, StoreRemoteOnASilentVoiceDoesNothing) {
    builder.unit(1, OP_MIX, {MIX_SEND}).storeRemote(1, 128, voiceByte(3, 100)).unit(1, OP_OUTPUT, {0, 0});
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64).showTop(0).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frames(2);
    EXPECT_EQ(s.floatWord(3, 100), 0.0f);
}

TEST_P(SignalUnits, StoreRemoteReachesAnyWordOfTheVoiceArea) {
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 64)
        .storeRemote(0, 128, voiceByte(MASTER_VOICE, WORD_MAIN_RIGHT))
        .storeRemote(0, 0, voiceByte(5, 3))
        .storeRemote(0, 96, voiceByte(0, 40))
        .unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.floatWord(MASTER_VOICE, WORD_MAIN_RIGHT), 0.5f);
    EXPECT_EQ(s.floatWord(5, 3), -0.5f);
    EXPECT_EQ(s.floatWord(0, 40), 0.25f);
}

TEST_P(SignalUnits, PanPushesHalfTheValueTwice) {
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 96).unit(0, OP_PAN).unit(0, OP_OUTPUT, {128, 0});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.375f);
    EXPECT_EQ(s.mainRight(0), 0.375f);
}

TEST_P(SignalUnits, OutputTakesTheTopAsLeftAndScalesMainAndSendApart) {
    // Left 0.5 (top), right 0.25; gain 32 plus modulation word 1 = 0.25 (from
    // a store of an earlier frame), send 64.
    builder.play(0, 0, builder.heldNote(60));
    builder.constant(0, 32).constant(0, 64).unit(0, OP_OUTPUT, {32, 64});
    builder.constant(0, 32).unit(0, OP_STORE, {128, 8 * 2 + 1}).unit(0, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.125f);
    EXPECT_EQ(s.floatWord(0, WORD_SEND_LEFT), 0.25f);
    EXPECT_EQ(s.floatWord(0, WORD_SEND_RIGHT), 0.125f);
    s.frame();
    EXPECT_EQ(s.mainLeft(0), 0.25f);
    EXPECT_EQ(s.mainRight(0), 0.125f);
}

TEST_P(SignalUnits, MixSumsThisFramesTrackOutputsWithLeftOnTopAndWithoutTheMaster) {
    // Tracks 0 and 3 output left 0.5 / right 0.25 with send half of main; the
    // master mixes sends (selector 8) and mains and shows them as its output.
    for (int track : {0, 3}) {
        builder.play(track, 0, builder.heldNote(60));
        builder.constant(track, 32).constant(track, 64).unit(track, OP_OUTPUT, {128, 64});
    }
    builder.unit(MASTER_VOICE, OP_MIX, {MIX_SEND}).unit(MASTER_VOICE, OP_OUTPUT, {128, 0});
    builder.unit(MASTER_VOICE, OP_MIX, {MIX_MAIN}).unit(MASTER_VOICE, OP_STORE, {128, 0});
    builder.unit(MASTER_VOICE, OP_STACK, {STACK_POP}).unit(MASTER_VOICE, OP_STACK, {STACK_POP});
    TestSynth s = synth(builder.song());
    for (int frame = 0; frame < 3; ++frame) {
        const StereoFrame out = s.frame();
        EXPECT_EQ(out.left, 0.5f);
        EXPECT_EQ(out.right, 0.25f);
        EXPECT_EQ(s.floatWord(MASTER_VOICE, slotWord(0, 0)), 1.0f);  // left of the mains, stored
    }
}

RUN_ON_BOTH_SYNTHS(SignalUnits);

}  // namespace
