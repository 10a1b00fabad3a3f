// The composed song's tables: what the engine, the pump and the visuals rely
// on, read without rendering.
#include "tests/unit/song/composed_song.h"

#include "synth/song_validator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

class ComposedSongTables : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(loadComposedSong(&composed, &errors)) << errors; }

    // The note-on bytes a track plays over the whole order list.
    std::set<int> notesOf(int track) const {
        std::set<int> notes;
        for (int q = 0; q < ORDER_POSITIONS; ++q) {
            const uint8_t* pattern = song().patterns + ROWS_PER_PATTERN * song().orderList[track * ORDER_POSITIONS + q];
            for (int r = 0; r < ROWS_PER_PATTERN; ++r) {
                if (static_cast<int8_t>(pattern[r]) >= 2) notes.insert(pattern[r]);
            }
        }
        return notes;
    }
    const Song& song() const { return composed.song; }

    ComposedSong composed;
    std::string errors;
};

TEST_F(ComposedSongTables, PassesTheEngineValidator) {
    SongFault fault{};
    EXPECT_EQ(validateSong(song(), &fault), 1) << fault.message;
}

TEST_F(ComposedSongTables, MasterIsTheEightUnitReverbAndMixAsTheFormatFixesIt) {
    const uint8_t opcodes[] = {OP_MIX, OP_DELAY, OP_STACK, OP_DELAY, OP_STACK, OP_MIX, OP_STACK, OP_OUTPUT};
    const std::vector<std::vector<uint8_t>> params = {
        {8}, {40, 128, 125, 64, 0, 8}, {5}, {40, 128, 125, 64, 8, 8}, {5}, {0}, {8}, {48, 0}};
    std::vector<UnitView> master = instrumentUnits(song(), MASTER_VOICE);
    ASSERT_EQ(master.size(), sizeof opcodes);
    for (size_t u = 0; u < master.size(); ++u) {
        EXPECT_EQ(master[u].opcode, opcodes[u]) << "master unit " << u;
        EXPECT_EQ(std::vector<uint8_t>(master[u].params, master[u].params + params[u].size()), params[u])
            << "master unit " << u;
    }
}

TEST_F(ComposedSongTables, PumpMultipliesAnLfoIntoTheMasterGainAtFullAmount) {
    std::vector<UnitView> pump = instrumentUnits(song(), 10);
    ASSERT_EQ(pump.size(), 5u);
    EXPECT_EQ(pump[0].opcode, OP_ENVELOPE);
    ASSERT_EQ(pump[1].opcode, OP_OSCILLATOR);
    EXPECT_TRUE(pump[1].params[6] & OSC_LFO);
    EXPECT_EQ(pump[1].params[0], 64) << "an LFO at 0 semitones runs at exactly one beat";
    ASSERT_EQ(pump[2].opcode, OP_STACK);
    EXPECT_EQ(pump[2].params[0], STACK_MUL_POP);
    ASSERT_EQ(pump[3].opcode, OP_STORE_REMOTE);
    EXPECT_EQ(pump[3].params[0], 128);
    EXPECT_EQ(remoteOffset(pump[3]), 12812u) << "the master output's gain modulation";
    ASSERT_EQ(pump[4].opcode, OP_STACK);
    EXPECT_EQ(pump[4].params[0], STACK_POP);
}

TEST_F(ComposedSongTables, ModulatorLfoReachesPumpDepthAndAccentOscillator) {
    std::vector<UnitView> modulator = instrumentUnits(song(), 6);
    bool lfo = false;
    std::set<uint32_t> targets;
    for (const UnitView& unit : modulator) {
        if (unit.opcode == OP_OSCILLATOR && (unit.params[6] & OSC_LFO)) lfo = true;
        if (unit.opcode == OP_STORE_REMOTE) targets.insert(remoteOffset(unit));
    }
    EXPECT_TRUE(lfo);
    EXPECT_EQ(targets, (std::set<uint32_t>{10496, 11576}));
    std::vector<UnitView> accent = instrumentUnits(song(), 11);
    ASSERT_GT(accent.size(), 1u);
    EXPECT_EQ(accent[1].opcode, OP_OSCILLATOR) << "track 11's unit 1 takes the detune modulation";
    EXPECT_EQ(instrumentUnits(song(), 10)[0].opcode, OP_ENVELOPE) << "track 10's unit 0 takes the depth";
}

TEST_F(ComposedSongTables, FiveTracksEchoThroughOneLineOfTwoFourOrEightRows) {
    int echoTracks = 0;
    for (int t = 0; t < TRACK_COUNT; ++t) {
        bool echo = false;
        for (const UnitView& unit : instrumentUnits(song(), t)) {
            if (unit.opcode != OP_DELAY) continue;
            EXPECT_EQ(unit.params[5], 1) << "track " << t << ": an echo is one line";
            EXPECT_GE(unit.params[4], 16) << "track " << t;
            EXPECT_LE(unit.params[4], 18) << "track " << t;
            echo = true;
        }
        echoTracks += echo;
    }
    EXPECT_EQ(echoTracks, 5);
}

TEST_F(ComposedSongTables, TracksSendToTheReverbAndBeginWithAnEnvelope) {
    int sending = 0;
    for (int t = 0; t < TRACK_COUNT; ++t) {
        std::vector<UnitView> units = instrumentUnits(song(), t);
        ASSERT_FALSE(units.empty());
        EXPECT_EQ(units[0].opcode, OP_ENVELOPE) << "track " << t;
        for (const UnitView& unit : units) sending += unit.opcode == OP_OUTPUT && unit.params[1] > 0;
    }
    EXPECT_GE(sending, 5);
}

TEST_F(ComposedSongTables, BassStrikesOnlyTheNotesThatTwistTheSponge) {
    std::set<int> bass = notesOf(1);
    EXPECT_EQ(bass, (std::set<int>{43, 46, 48, 53, 55}));
    std::set<int> accents = notesOf(11);
    EXPECT_EQ(accents, (std::set<int>{58, 60, 62}));
}

TEST_F(ComposedSongTables, AreTheTablesTheDemoPlays) {
    const CompiledSong& t = composed.tables;
    ASSERT_EQ(demoSong.patternCount, static_cast<int32_t>(t.patternNames.size()));
    ASSERT_EQ(demoSong.unitStreamSize, static_cast<int32_t>(t.unitStream.size()));
    ASSERT_EQ(demoSong.paramStreamSize, static_cast<int32_t>(t.paramStream.size()));
    EXPECT_EQ(std::memcmp(demoSong.patterns, t.patterns.data(), t.patterns.size()), 0);
    EXPECT_EQ(std::memcmp(demoSong.orderList, t.orderList.data(), t.orderList.size()), 0);
    EXPECT_EQ(std::memcmp(demoSong.unitStream, t.unitStream.data(), t.unitStream.size()), 0);
    EXPECT_EQ(std::memcmp(demoSong.paramStream, t.paramStream.data(), t.paramStream.size()), 0);
    EXPECT_EQ(demoSong.delayLengths, delayLengths);
}

}  // namespace
