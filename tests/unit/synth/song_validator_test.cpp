// The song validator: each rule rejects its fault (or, for a legal but unusual
// value, warns) with a message naming the instrument, the unit and the fault,
// and accepts the edge of the rule; a rejected song is neither started nor
// rendered.
#include "synth/song_render.h"
#include "tests/unit/synth/test_song_builder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One instrument's units: rejected at (instrument, unit) with the message,
// accepted with it as a warning (warns), or accepted (message nullptr) at the
// edge of a rule.
struct Case {
    int instrument;
    std::vector<int> units;
    int unit;
    const char* message;
    bool warns = false;
};

const Case cases[] = {
    {3, {K(0), 12, POP}, 1, "instrument 3, unit 1 (opcode?): opcode 12 is not a unit"},
    {0, {OP_OUTPUT, 64, 0}, 0, "instrument 0, unit 0 (OP_OUTPUT): needs 2 values on the stack, it holds 0"},
    {2, {K(0), OP_STACK, STACK_ADD_POP}, 1, "needs 2 values on the stack, it holds 1"},
    {1, {OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, POP, POP, POP, POP, POP, POP, POP, POP}, 0, nullptr},
    {1, {OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, OP_MIX, 0, OP_STACK, STACK_DUP}, 4, "the stack grows to 9 values"},
    {7, {OP_MIX, MIX_SEND}, -1, "leaves 2 values on the stack", true},
    {5, {OP_MIX, 0, OP_STACK, 0, OP_OUTPUT, 0, 0}, 1, "stack operation 0 is not 1 to 8"},
    {MASTER_VOICE, {OP_MIX, 4, OP_OUTPUT, 64, 0}, 0,
     "master instrument, unit 0 (OP_MIX): selector 4 is neither 0 (main) nor 8 (send)"},
    {9, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, 0x00, POP}, 0, "must name exactly one waveform"},
    {9, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, 0x21, POP}, 0, "flags 0x21 have bits the oscillator ignores", true},
    {8, {OP_OSCILLATOR, 64, 64, 0, 0, 64, 128, OSC_TRIANGLE, POP}, 0, "triangle width byte 0 makes the triangle a saw",
     true},
    {8, {OP_OSCILLATOR, 64, 64, 0, 0, 64, 128, OSC_PULSE, POP}, 0, nullptr},
    {8, {OP_OSCILLATOR, 64, 64, 0, 64, 128, 128, OSC_SINE, POP}, 0, "shape byte 128 lies outside 1 to 127", true},
    {8, {OP_MIX, 0, OP_SHAPER, 192, OP_OUTPUT, 0, 0}, 1, "drive byte 192 lies outside 1 to 127", true},
    {11, {OP_MIX, 0, OP_DELAY, 64, 64, 64, 64, 0, 0, OP_OUTPUT, 0, 0}, 1, "line count 0"},
    {11, {OP_MIX, 0, OP_DELAY, 64, 64, 64, 64, 16, 4, OP_OUTPUT, 0, 0}, 1,
     "length indices 16 to 19 go beyond the 19 delay lengths"},
    {11, {OP_MIX, 0, OP_DELAY, 64, 64, 64, 64, 16, 3, OP_OUTPUT, 0, 0}, 0, nullptr},
    {3, {K(64), REMOTE(128, VOICE_AREA_BYTES - 4), POP}, 0, nullptr},
    {3, {K(64), REMOTE(128, VOICE_AREA_BYTES), POP}, 1, "byte offset 13624 lies outside the voice area"},
    {3, {K(64), OP_STORE_REMOTE, 128, 0, 0, 0, 0x80, POP}, 1, "lies outside the voice area"},
    {3, {K(64), REMOTE(128, 1042), POP}, 1, "1042 is not on a word boundary: the store writes the word at 1040", true},
    {4, {OP_MIX, 0, OP_OUTPUT, 0, 0}, -1, "does not begin with an envelope", true},
};

void expectFault(const Song& song, int instrument, int unit, const char* message, const std::string& which,
                 bool warns = false) {
    SongFault fault{};
    SongWarnings warnings{};
    const int accepted = validateSong(song, &fault, &warnings);
    if (!message || warns) {
        EXPECT_EQ(accepted, 1) << which << ": " << fault.message;
        bool found = !message;
        for (int i = 0; i < warnings.count && i < MAX_SONG_WARNINGS; ++i) {
            const SongFault& w = warnings.first[i];
            found |= w.instrument == instrument && w.unit == unit && std::strstr(w.message, message);
        }
        EXPECT_TRUE(found) << which << ": no warning '" << message << "' among " << warnings.count;
        return;
    }
    EXPECT_EQ(accepted, 0) << which << " accepted; expected: " << message;
    EXPECT_EQ(fault.instrument, instrument) << which << ": " << fault.message;
    EXPECT_EQ(fault.unit, unit) << which << ": " << fault.message;
    EXPECT_NE(std::string(fault.message).find(message), std::string::npos) << which << ": " << fault.message;
}

TEST(SongValidator, RejectsOrWarnsOfEachUnitFaultWhereItIsAndAcceptsTheEdgeOfEachRule) {
    for (const Case& c : cases) {
        SongBuilder builder;
        expectFault(builder.add(c.instrument, c.units).song(), c.instrument, c.unit, c.message,
                    "instrument " + std::to_string(c.instrument), c.warns);
    }
}

TEST(SongValidator, RejectsFaultsOfTheTablesAndAcceptsTheDemoSong) {
    expectFault(demoSong, 0, 0, nullptr, "the demo song");
    SongBuilder a;
    for (int i = 0; i < 16; ++i) a.add(4, {K(0), POP});
    expectFault(a.song(), 0, 0, nullptr, "32 units");
    expectFault(a.add(4, {OP_PAN}).song(), 4, 32, "more than 32 units", "33 units");
    // (The streams' lengths, the tables and the fixed delay lengths come from
    // the song compiler and the engine: the composed song's digest pins them.)
    // 58 delay units of 8 lines and a last one of 3 take 467 records and one
    // DC record: the whole pool. One line more is one record too many.
    for (int lastLines : {3, 4}) {
        SongBuilder d;
        for (int unit = 0; unit < 59; ++unit) {
            if (unit % 29 == 0) d.add(unit / 29, {OP_MIX, 0});
            d.add(unit / 29, {OP_DELAY, 64, 64, 64, 64, 0, unit == 58 ? lastLines : 8});
            if (unit % 29 == 28 || unit == 58) d.add(unit / 29, {OP_OUTPUT, 0, 0});
        }
        const char* fault = lastLines == 3 ? nullptr : "the delay units need 469 pool records, the pool has 468";
        expectFault(d.song(), 2, 1, fault, "a full delay pool");
    }
    SongBuilder e;
    e.play(0, {60}).orderList[ORDER_POSITIONS * 7 + 75] = 2;
    expectFault(e.song(), -1, -1, "track 7, order position 75: pattern 2 does not exist (the song has 2)",
                "an order list");
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
