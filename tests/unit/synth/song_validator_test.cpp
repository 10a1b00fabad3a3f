// The song validator: each rule rejects its fault with a message naming the
// instrument, the unit and the fault; the edge of each rule is accepted.
#include "synth/song_render.h"
#include "synth/song_validator.h"
#include "synth/synth_engine.h"
#include "tests/unit/synth/song_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

class SongValidator : public ::testing::Test {
protected:
    // Expects the song rejected at (instrument, unit) with `words` in the message.
    void expectRejected(const Song& song, int instrument, int unit, const std::string& words) {
        SongFault fault{};
        ASSERT_EQ(validateSong(song, &fault), 0) << "accepted; expected: " << words;
        EXPECT_EQ(fault.instrument, instrument) << fault.message;
        EXPECT_EQ(fault.unit, unit) << fault.message;
        EXPECT_NE(std::string(fault.message).find(words), std::string::npos) << fault.message;
    }
    void expectAccepted(const Song& song) {
        SongFault fault{};
        EXPECT_EQ(validateSong(song, &fault), 1) << fault.message;
    }
    // Instrument 4 with `count` envelopes, then as many pops, or each popped at once.
    void envelopes(int count, bool popEach = false) {
        for (int i = 0; i < count; ++i) {
            builder.unit(4, OP_ENVELOPE, {0, 0, 0, 0, 0});
            if (popEach) builder.unit(4, OP_STACK, {STACK_POP});
        }
        if (!popEach) for (int i = 0; i < count; ++i) builder.unit(4, OP_STACK, {STACK_POP});
    }
    SongBuilder builder;
};

TEST_F(SongValidator, AcceptsTheDemoSong) { expectAccepted(demoSong); }

TEST_F(SongValidator, AcceptsASongOfEmptyInstruments) { expectAccepted(builder.song()); }

TEST_F(SongValidator, RejectsAnOpcodeAboveEleven) {
    builder.unit(3, OP_ENVELOPE, {0, 0, 0, 0, 0}).unit(3, 12).unit(3, OP_STACK, {STACK_POP});
    expectRejected(builder.song(), 3, 1, "opcode 12 is not a unit");
}

TEST_F(SongValidator, RejectsAListOfMoreThan32UnitsAndAcceptsExactly32) {
    envelopes(16, true);
    expectAccepted(builder.song());
    builder.unit(4, OP_PAN);  // would need a value, but the count fails first
    expectRejected(builder.song(), 4, 32, "more than 32 units");
}

TEST_F(SongValidator, RejectsAUnitStreamThatEndsInsideAList) {
    builder.unit(MASTER_VOICE, OP_MIX, {MIX_MAIN}).unit(MASTER_VOICE, OP_OUTPUT, {64, 0});
    builder.song();
    builder.unitStream.pop_back();
    expectRejected(builder.view(), MASTER_VOICE, -1, "ends before the list's end byte");
}

TEST_F(SongValidator, RejectsBytesAfterTheMasterList) {
    builder.song();
    builder.unitStream.push_back(OP_END);
    expectRejected(builder.view(), -1, -1, "1 bytes after the master instrument's list");
}

TEST_F(SongValidator, RejectsAParameterStreamTooShortForItsUnits) {
    builder.unit(6, OP_ENVELOPE, {0, 0, 0, 0, 0}).unit(6, OP_STACK, {STACK_POP});
    builder.song();
    builder.paramStream.pop_back();
    expectRejected(builder.view(), 6, 1, "parameter stream ends inside the unit's 1 bytes");
}

TEST_F(SongValidator, RejectsAParameterStreamTooLongForItsUnits) {
    builder.song();
    builder.paramStream.push_back(7);
    expectRejected(builder.view(), -1, -1, "1 bytes the units do not use");
}

TEST_F(SongValidator, RejectsAStackUnderflow) {
    builder.unit(2, OP_ENVELOPE, {0, 0, 0, 0, 0}).unit(2, OP_STACK, {STACK_ADD_POP});
    expectRejected(builder.song(), 2, 1, "needs 2 values on the stack, it holds 1");
}

TEST_F(SongValidator, RejectsAnOutputOnAnEmptyStack) {
    builder.unit(0, OP_OUTPUT, {64, 0});
    expectRejected(builder.song(), 0, 0, "needs 2 values on the stack, it holds 0");
}

TEST_F(SongValidator, RejectsMoreThanEightValuesAndAcceptsEight) {
    envelopes(8);
    expectAccepted(builder.song());
    builder = SongBuilder();
    for (int i = 0; i < 4; ++i) builder.unit(1, OP_MIX, {MIX_MAIN});
    builder.unit(1, OP_STACK, {STACK_DUP});
    expectRejected(builder.song(), 1, 4, "the stack grows to 9 values");
}

TEST_F(SongValidator, RejectsValuesLeftOnTheStackAtTheEndOfAList) {
    builder.unit(7, OP_MIX, {MIX_SEND});
    expectRejected(builder.song(), 7, -1, "leaves 2 values on the stack");
}

TEST_F(SongValidator, RejectsStackOperationsOutsideOneToEight) {
    for (uint8_t code : {0, 9}) {
        builder = SongBuilder();
        builder.unit(5, OP_MIX, {MIX_MAIN}).unit(5, OP_STACK, {code}).unit(5, OP_OUTPUT, {0, 0});
        expectRejected(builder.song(), 5, 1, "stack operation " + std::to_string(code) + " is not 1 to 8");
    }
}

TEST_F(SongValidator, RejectsAMixSelectorOtherThanMainOrSend) {
    builder.unit(MASTER_VOICE, OP_MIX, {4}).unit(MASTER_VOICE, OP_OUTPUT, {64, 0});
    expectRejected(builder.song(), MASTER_VOICE, 0, "selector 4 is neither 0 (main) nor 8 (send)");
    SongFault fault{};
    validateSong(builder.view(), &fault);
    EXPECT_NE(std::string(fault.message).find("master instrument, unit 0 (OP_MIX)"), std::string::npos)
        << fault.message;
}

TEST_F(SongValidator, RejectsOscillatorFlagsWithoutExactlyOneWaveform) {
    for (uint8_t flags : {0x00, 0x03, 0x10, 0x1C}) {
        builder = SongBuilder();
        builder.unit(9, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, flags}).unit(9, OP_STACK, {STACK_POP});
        expectRejected(builder.song(), 9, 0, "must name exactly one waveform");
    }
}

TEST_F(SongValidator, RejectsUnknownOscillatorFlagBits) {
    builder.unit(9, OP_OSCILLATOR, {64, 64, 0, 64, 64, 128, 0x21}).unit(9, OP_STACK, {STACK_POP});
    expectRejected(builder.song(), 9, 0, "flags 0x21 have unknown bits");
}

TEST_F(SongValidator, RejectsATriangleOfWidthZeroOrOne) {
    for (uint8_t width : {0, 128}) {
        builder = SongBuilder();
        builder.unit(8, OP_OSCILLATOR, {64, 64, 0, width, 64, 128, OSC_TRIANGLE}).unit(8, OP_STACK, {STACK_POP});
        expectRejected(builder.song(), 8, 0, "triangle width byte " + std::to_string(width) + " divides by zero");
    }
    builder = SongBuilder();
    builder.unit(8, OP_OSCILLATOR, {64, 64, 0, 0, 64, 128, OSC_PULSE}).unit(8, OP_STACK, {STACK_POP});
    expectAccepted(builder.song());
}

TEST_F(SongValidator, RejectsAShapeDriveOfZeroOr128AndMore) {
    builder.unit(8, OP_OSCILLATOR, {64, 64, 0, 64, 128, 128, OSC_SINE}).unit(8, OP_STACK, {STACK_POP});
    expectRejected(builder.song(), 8, 0, "shape byte 128 lies outside 1 to 127");
    builder = SongBuilder();
    builder.unit(8, OP_MIX, {MIX_MAIN}).unit(8, OP_SHAPER, {0}).unit(8, OP_OUTPUT, {0, 0});
    expectRejected(builder.song(), 8, 1, "drive byte 0 lies outside 1 to 127");
}

TEST_F(SongValidator, RejectsADelayWithoutLines) {
    builder.unit(11, OP_MIX, {MIX_MAIN}).unit(11, OP_DELAY, {64, 64, 64, 64, 0, 0}).unit(11, OP_OUTPUT, {0, 0});
    expectRejected(builder.song(), 11, 1, "line count 0");
}

TEST_F(SongValidator, RejectsDelayLengthIndicesBeyondTheTable) {
    builder.unit(11, OP_MIX, {MIX_MAIN}).unit(11, OP_DELAY, {64, 64, 64, 64, 16, 4}).unit(11, OP_OUTPUT, {0, 0});
    expectRejected(builder.song(), 11, 1, "length indices 16 to 19 go beyond the 19 delay lengths");
    builder = SongBuilder();
    builder.unit(11, OP_MIX, {MIX_MAIN}).unit(11, OP_DELAY, {64, 64, 64, 64, 16, 3}).unit(11, OP_OUTPUT, {0, 0});
    expectAccepted(builder.song());
}

TEST_F(SongValidator, RejectsADelayLengthOfZero) {
    builder.delayLengths[3] = 0;
    builder.unit(11, OP_MIX, {MIX_MAIN}).unit(11, OP_DELAY, {64, 64, 64, 64, 2, 2}).unit(11, OP_OUTPUT, {0, 0});
    expectRejected(builder.song(), 11, 1, "delay length 3 is 0 frames");
}

TEST_F(SongValidator, RejectsMoreDelayRecordsThanThePoolHolds) {
    // 58 units of 8 lines and one of 3 take 467 lines and the DC record: 468.
    int units = 0;
    for (int instrument = 0; instrument < VOICE_COUNT && units < 59; ++instrument) {
        builder.unit(instrument, OP_MIX, {MIX_MAIN});
        for (int i = 0; i < 29 && units < 59; ++i, ++units) {
            builder.unit(instrument, OP_DELAY, {64, 64, 64, 64, 0, static_cast<uint8_t>(units == 58 ? 3 : 8)});
        }
        builder.unit(instrument, OP_OUTPUT, {0, 0});
    }
    expectAccepted(builder.song());
    builder.unit(2, OP_MIX, {MIX_MAIN}).unit(2, OP_DELAY, {64, 64, 64, 64, 0, 1}).unit(2, OP_OUTPUT, {0, 0});
    expectRejected(builder.song(), 2, 4, "the delay units need 469 pool records, the pool has 468");
}

TEST_F(SongValidator, RejectsARemoteStoreOutsideTheVoiceAreaOrOffAWord) {
    builder.constant(3, 64).storeRemote(3, 128, VOICE_AREA_BYTES - 4).unit(3, OP_STACK, {STACK_POP});
    expectAccepted(builder.song());
    builder = SongBuilder();
    builder.constant(3, 64).storeRemote(3, 128, VOICE_AREA_BYTES).unit(3, OP_STACK, {STACK_POP});
    expectRejected(builder.song(), 3, 1, "byte offset 13624 lies outside the voice area");
    builder = SongBuilder();
    builder.constant(3, 64).storeRemote(3, 128, 0x80000000u).unit(3, OP_STACK, {STACK_POP});
    expectRejected(builder.song(), 3, 1, "lies outside the voice area");
    builder = SongBuilder();
    builder.constant(3, 64).storeRemote(3, 128, 1042).unit(3, OP_STACK, {STACK_POP});
    expectRejected(builder.song(), 3, 1, "byte offset 1042 is not on a word boundary");
}

TEST_F(SongValidator, RejectsAnOrderListNamingAMissingPattern) {
    builder.heldNote(60);  // patterns 0 and 1
    builder.play(7, 75, 2);
    expectRejected(builder.song(), -1, -1, "track 7, order position 75: pattern 2 does not exist (the song has 2)");
}

TEST_F(SongValidator, RejectsASongWithoutItsTables) {
    Song song = builder.song();
    song.orderList = nullptr;
    expectRejected(song, -1, -1, "lacks one of its five tables");
}

TEST_F(SongValidator, NamesEveryOpcode) {
    EXPECT_STREQ(unitName(OP_ENVELOPE), "OP_ENVELOPE");
    EXPECT_STREQ(unitName(OP_STORE_REMOTE), "OP_STORE_REMOTE");
    EXPECT_STREQ(unitName(12), "opcode?");
}

TEST_F(SongValidator, ARejectedSongIsNeitherStartedNorRendered) {
    builder.unit(0, OP_OUTPUT, {64, 0});
    const Song song = builder.song();
    SongFault fault{};
    auto* engine = static_cast<SynthEngine*>(std::calloc(1, sizeof(SynthEngine)));
    EXPECT_EQ(startEngine(*engine, song, &fault), 0);
    std::free(engine);
    renderedFrames.store(123);
    EXPECT_EQ(renderSongInto(song, musicBuffer, &fault), 0);
    EXPECT_EQ(renderedFrames.load(), 0);
    EXPECT_NE(std::string(fault.message).find("instrument 0, unit 0 (OP_OUTPUT)"), std::string::npos);
}

}  // namespace
