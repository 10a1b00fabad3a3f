// The song validator: each rule rejects its fault with a message naming the
// instrument, the unit and the fault, and accepts the edge of the rule; a
// rejected song is neither started nor rendered.
#include "synth/song_render.h"
#include "tests/unit/synth/test_song_builder.h"

#include <string>

namespace {

struct Case {
    Song (*build)(SongBuilder&);
    int instrument, unit;  // where the fault is; -1: not an instrument's or a unit's
    const char* message;   // a part of it; nullptr: the song is accepted
};

// 58 delay units of 8 lines and a last one in instruments 0 to 2.
Song fillPool(SongBuilder& b, int lastLines) {
    for (int unit = 0; unit < 59; ++unit) {
        if (unit % 29 == 0) b.add(unit / 29, {OP_MIX, 0});
        b.add(unit / 29, {OP_DELAY, 64, 64, 64, 64, 0, unit == 58 ? lastLines : 8});
        if (unit % 29 == 28 || unit == 58) b.add(unit / 29, {OP_OUTPUT, 0, 0});
    }
    return b.song();
}

const Case cases[] = {
    {[](SongBuilder& b) { return b.song(); }, 0, 0, nullptr},
    {[](SongBuilder& b) { return b.add(3, {K(0), 12, POP}).song(); }, 3, 1, "instrument 3, unit 1 (opcode?): opcode 12 is not a unit"},
    {[](SongBuilder& b) {
         for (int i = 0; i < 16; ++i) b.add(4, {K(0), POP});
         return b.song();
     }, 0, 0, nullptr},
    {[](SongBuilder& b) {
         for (int i = 0; i < 16; ++i) b.add(4, {K(0), POP});
         return b.add(4, {OP_PAN}).song();
     }, 4, 32, "more than 32 units"},
    {[](SongBuilder& b) {
         b.add(MASTER_VOICE, {OP_MIX, MIX_MAIN, OP_OUTPUT, 64, 0}).song();
         b.unitStream.pop_back();
         return b.view();
     }, MASTER_VOICE, -1, "ends before the list's end byte"},
    {[](SongBuilder& b) {
         b.song();
         b.unitStream.push_back(OP_END);
         return b.view();
     }, -1, -1, "1 bytes after the master instrument's list"},
    {[](SongBuilder& b) {
         b.add(6, {K(0), POP}).song();
         b.paramStream.pop_back();
         return b.view();
     }, 6, 1, "parameter stream ends inside the unit's 1 bytes"},
    {[](SongBuilder& b) {
         b.song();
         b.paramStream.push_back(7);
         return b.view();
     }, -1, -1, "1 bytes the units do not use"},
    {[](SongBuilder& b) { return b.add(2, {K(0), OP_STACK, STACK_ADD_POP}).song(); }, 2, 1, "needs 2 values on the stack, it holds 1"},
    {[](SongBuilder& b) { return b.add(0, {OP_OUTPUT, 64, 0}).song(); }, 0, 0, "instrument 0, unit 0 (OP_OUTPUT): needs 2 values on the stack, it holds 0"},
    {[](SongBuilder& b) { return b.add(1, {OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, POP, POP, POP, POP, POP, POP, POP, POP}).song(); }, 0, 0, nullptr},
    {[](SongBuilder& b) { return b.add(1, {OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, OP_STACK, STACK_DUP}).song(); }, 1, 4, "the stack grows to 9 values"},
    {[](SongBuilder& b) { return b.add(7, {OP_MIX, MIX_SEND}).song(); }, 7, -1, "leaves 2 values on the stack"},
    {[](SongBuilder& b) { return b.add(5, {OP_MIX, 0, OP_STACK, 0, OP_OUTPUT, 0, 0}).song(); }, 5, 1, "stack operation 0 is not 1 to 8"},
    {[](SongBuilder& b) { return b.add(5, {OP_MIX, 0, OP_STACK, 9, OP_OUTPUT, 0, 0}).song(); }, 5, 1, "stack operation 9 is not 1 to 8"},
    {[](SongBuilder& b) { return b.add(MASTER_VOICE, {OP_MIX, 4, OP_OUTPUT, 64, 0}).song(); }, MASTER_VOICE, 0,
     "master instrument, unit 0 (OP_MIX): selector 4 is neither 0 (main) nor 8 (send)"},
    {[](SongBuilder& b) { return b.add(9, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, 0x00, POP}).song(); }, 9, 0, "must name exactly one waveform"},
    {[](SongBuilder& b) { return b.add(9, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, 0x1C, POP}).song(); }, 9, 0, "must name exactly one waveform"},
    {[](SongBuilder& b) { return b.add(9, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, 0x21, POP}).song(); }, 9, 0, "flags 0x21 have unknown bits"},
    {[](SongBuilder& b) { return b.add(8, {OP_OSCILLATOR, 64, 64, 0, 0, 64, 128, OSC_TRIANGLE, POP}).song(); }, 8, 0, "triangle width byte 0 divides by zero"},
    {[](SongBuilder& b) { return b.add(8, {OP_OSCILLATOR, 64, 64, 0, 128, 64, 128, OSC_TRIANGLE, POP}).song(); }, 8, 0, "triangle width byte 128 divides by zero"},
    {[](SongBuilder& b) { return b.add(8, {OP_OSCILLATOR, 64, 64, 0, 0, 64, 128, OSC_PULSE, POP}).song(); }, 0, 0, nullptr},
    {[](SongBuilder& b) { return b.add(8, {OP_OSCILLATOR, 64, 64, 0, 64, 128, 128, OSC_SINE, POP}).song(); }, 8, 0, "shape byte 128 lies outside 1 to 127"},
    {[](SongBuilder& b) { return b.add(8, {OP_MIX, 0, OP_SHAPER, 0, OP_OUTPUT, 0, 0}).song(); }, 8, 1, "drive byte 0 lies outside 1 to 127"},
    {[](SongBuilder& b) { return b.add(11, {OP_MIX, 0, OP_DELAY, 64, 64, 64, 64, 0, 0, OP_OUTPUT, 0, 0}).song(); }, 11, 1, "line count 0"},
    {[](SongBuilder& b) { return b.add(11, {OP_MIX, 0, OP_DELAY, 64, 64, 64, 64, 16, 4, OP_OUTPUT, 0, 0}).song(); }, 11, 1,
     "length indices 16 to 19 go beyond the 19 delay lengths"},
    {[](SongBuilder& b) { return b.add(11, {OP_MIX, 0, OP_DELAY, 64, 64, 64, 64, 16, 3, OP_OUTPUT, 0, 0}).song(); }, 0, 0, nullptr},
    {[](SongBuilder& b) {
         b.lengths[3] = 0;
         return b.add(11, {OP_MIX, 0, OP_DELAY, 64, 64, 64, 64, 2, 2, OP_OUTPUT, 0, 0}).song();
     }, 11, 1, "delay length 3 is 0 frames"},
    // 58 units of 8 lines and one of 3 take 467 records and one DC record: the
    // whole pool. One line more is one record too many.
    {[](SongBuilder& b) { return fillPool(b, 3); }, 0, 0, nullptr},
    {[](SongBuilder& b) { return fillPool(b, 4); }, 2, 1, "the delay units need 469 pool records, the pool has 468"},
    {[](SongBuilder& b) { return b.add(3, {K(64), REMOTE(128, VOICE_AREA_BYTES - 4), POP}).song(); }, 0, 0, nullptr},
    {[](SongBuilder& b) { return b.add(3, {K(64), REMOTE(128, VOICE_AREA_BYTES), POP}).song(); }, 3, 1, "byte offset 13624 lies outside the voice area"},
    {[](SongBuilder& b) { return b.add(3, {K(64), OP_STORE_REMOTE, 128, 0, 0, 0, 0x80, POP}).song(); }, 3, 1, "lies outside the voice area"},
    {[](SongBuilder& b) { return b.add(3, {K(64), REMOTE(128, 1042), POP}).song(); }, 3, 1, "byte offset 1042 is not on a word boundary"},
    {[](SongBuilder& b) {
         b.play(0, {60}).orderList[ORDER_POSITIONS * 7 + 75] = 2;
         return b.song();
     }, -1, -1, "track 7, order position 75: pattern 2 does not exist (the song has 2)"},
    {[](SongBuilder& b) {
         Song song = b.song();
         song.orderList = nullptr;
         return song;
     }, -1, -1, "lacks one of its five tables"},
    {[](SongBuilder&) { return demoSong; }, 0, 0, nullptr},
};

TEST(SongValidator, RejectsEachFaultWhereItIsAndAcceptsTheEdgeOfEachRule) {
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const Case& c = cases[i];
        SongBuilder builder;
        SongFault fault{};
        const int accepted = validateSong(c.build(builder), &fault);
        if (!c.message) {
            EXPECT_EQ(accepted, 1) << "case " << i << ": " << fault.message;
            continue;
        }
        EXPECT_EQ(accepted, 0) << "case " << i << " accepted; expected: " << c.message;
        EXPECT_EQ(fault.instrument, c.instrument) << "case " << i << ": " << fault.message;
        EXPECT_EQ(fault.unit, c.unit) << "case " << i << ": " << fault.message;
        EXPECT_NE(std::string(fault.message).find(c.message), std::string::npos) << "case " << i << ": " << fault.message;
    }
}

TEST(SongValidator, ARejectedSongIsNeitherStartedNorRendered) {
    SongBuilder builder;
    const Song song = builder.add(0, {OP_OUTPUT, 64, 0}).song();
    SongFault fault{};
    auto* engine = static_cast<SynthEngine*>(std::calloc(1, sizeof(SynthEngine)));
    EXPECT_EQ(startEngine(*engine, song, &fault), 0);
    std::free(engine);
    renderedFrames.store(123);
    EXPECT_EQ(renderSongInto(song, musicBuffer, &fault), 0);
    EXPECT_EQ(renderedFrames.load(), 0);
}

}  // namespace
