// Each unit, the sequencer and the order of work in a frame, on the engine:
// small songs whose tracks each try one thing, against the values worked out
// by hand from the unit formulas after so many frames.
#include "tests/unit/synth/test_song_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const int ROW = SAMPLES_PER_ROW;
const int L = WORD_MAIN_LEFT, R = WORD_MAIN_RIGHT, NOTE = WORD_NOTE, RELEASES = WORD_RELEASE_COUNT;
const int M = MASTER_VOICE;
const int STAGE = slot(0, 0), LEVEL = slot(0, 1), PHASE = slot(0, 0);  // of unit 0
const double C = 0.99609375;  // the DC blocker's coefficient
const double HZ = 2.3e-7;     // a phase increment's tolerance: 0.01 Hz
const double SLOW = 1e-4;     // what the slow LFO below moves in a frame, on a triangle

struct Check {
    int frames;       // rendered before the check
    int voice, word;  // voice -1: the note that track `word`'s bookkeeping left for noteTrace
    double value, tolerance;
    bool integer;
};
Check F(int frames, int voice, int word, double value, double tolerance = 0) {
    return {frames, voice, word, value, tolerance, false};
}
Check I(int frames, int voice, int word, int32_t value) { return {frames, voice, word, double(value), 0, true}; }
Check traced(int frames, int track, int32_t note) { return {frames, -1, track, double(note), 0, true}; }

struct Case {
    const char* what;
    void (*build)(SongBuilder&);
    std::vector<Check> checks;
};

// Envelope rates are 2^(-3b/16) a frame; slot 0 holds stage and level.
void envelopes(SongBuilder& b) {
    b.play(0, {60}).add(0, {OP_ENVELOPE, 0, 32, 0, 0, 128, SHOW, POP});
    b.play(1, {60}).add(1, {OP_ENVELOPE, 64, 64, 0, 0, 128, POP});
    b.play(2, {60}).add(2, {OP_ENVELOPE, 0, 16, 64, 0, 128, SHOW, POP});
    b.play(3, {60}).add(3, {OP_ENVELOPE, 0, 96, 128, 0, 128, POP});
    b.play(4, {60}).add(4, {OP_ENVELOPE, 0, 0, 128, 0, 64, OP_STORE, 128, 2, SHOW, POP});  // into its gain word
}
// Notes released on row 1. Track 1: slot 0 ends the note at once, slot 1 was
// releasing slowly and must stand still. Track 3 has no envelope first.
void releases(SongBuilder& b) {
    b.play(0, {60, 0}).add(0, {OP_ENVELOPE, 96, 0, 128, 64, 128, POP});
    b.play(1, {60, 0}).add(1, {OP_ENVELOPE, 0, 0, 128, 0, 128, OP_ENVELOPE, 0, 0, 128, 96, 128, OP_OUTPUT, 128, 0});
    b.play(2, {60, 0}).add(2, {OP_ENVELOPE, 0, 0, 128, 16, 128, POP});
    b.play(3, {60, 0}).add(3, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE, POP, K(128), POP});
}
// After one frame an oscillator's phase word is one increment. Track 4's
// stores put 0.5 semitone into word 2 and 12/128/64 (x 128) into word 1.
void pitches(SongBuilder& b) {
    b.play(0, {81}).add(0, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE, POP});
    b.play(1, {69}).add(1, {OP_OSCILLATOR, 76, 64, 0, 64, 64, 128, OSC_SINE, POP});
    b.play(2, {69}).add(2, {OP_OSCILLATOR, 64, 0, 0, 64, 64, 128, OSC_SINE, POP});
    b.play(3, {99}).add(3, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_LFO | OSC_SINE, POP});
    b.play(4, {69}).add(4, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE, POP, K(64), OP_STORE, 128, 2, POP,
                            K(12), OP_STORE, 65, 1, POP});
}
// LFOs 64 semitones down hardly move: the phase parameter alone places q.
void waves(SongBuilder& b) {
    const int waves[TRACK_COUNT][3] = {{OSC_SINE, 32, 64},     {OSC_SINE, 96, 64},     {OSC_TRIANGLE, 0, 64},
                                       {OSC_TRIANGLE, 128, 64}, {OSC_TRIANGLE, 32, 64}, {OSC_TRIANGLE, 63, 64},
                                       {OSC_TRIANGLE, 96, 64},  {OSC_TRIANGLE, 16, 32}, {OSC_TRIANGLE, 80, 32},
                                       {OSC_PULSE, 63, 64},     {OSC_PULSE, 65, 64},    {OSC_PULSE, 65, 96}};
    for (int t = 0; t < TRACK_COUNT; ++t)
        b.play(t, {60}).add(t, {OP_OSCILLATOR, 0, 64, waves[t][1], waves[t][2], 64, 128, OSC_LFO | waves[t][0], SHOW,
                                POP});
}
// Track 0 is silent: its sine stands still and its noise draws nothing
// before track 1's. Track 2: a pulse (+1) through drive 96 and gain 1/4.
void noise(SongBuilder& b) {
    b.add(0, {OP_OSCILLATOR, 64, 64, 32, 64, 64, 128, OSC_SINE, SHOW, POP,
              OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_NOISE, POP});
    for (int t : {1, 3}) b.play(t, {60}).add(t, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_NOISE, SHOW, POP});
    b.play(2, {60}).add(2, {OP_OSCILLATOR, 64, 64, 0, 64, 96, 32, OSC_PULSE, SHOW, POP});
}
// Filters (slot 1) on a constant 0.5, frequency 64 (f = 1/4), damping 1.
void filters(SongBuilder& b) {
    const int flags[] = {FILTER_LOW | FILTER_HIGH | FILTER_BAND, FILTER_LOW, FILTER_HIGH, FILTER_BAND,
                         FILTER_LOW_MINUS_HIGH, 0};
    for (int t = 0; t < 6; ++t) b.play(t, {60}).add(t, {K(64), OP_FILTER, 64, 128, flags[t], SHOW, POP});
    // A store puts 0.5 into the coefficient word after the filter ran.
    b.play(6, {60}).add(6, {K(64), OP_FILTER, 64, 128, FILTER_LOW, POP, K(64), OP_STORE, 128, 8 + 3, POP});
    b.play(7, {60}).add(7, {K(64), OP_SHAPER, 96, SHOW, POP});
}
// Impulses (1 in frame 0, then 0) through one line: 7 frames; 5 frames with
// feedback 1/2; 2 rows on a note released at once in row 1; 3 frames with
// pregain and dry 1/2; 2 frames with feedback 1 and damp 1/2. Each line takes
// a pool record, its DC blocker the next one's spare words.
void delays(SongBuilder& b) {
    const uint16_t lengths[] = {7, 5, 3, 2};
    std::copy(lengths, lengths + 4, b.lengths.begin());
    b.play(0, {60}).add(0, {OP_ENVELOPE, 0, 0, 0, 0, 128, OP_DELAY, 128, 0, 0, 0, 0, 1, SHOW, POP});
    b.play(1, {60}).add(1, {OP_ENVELOPE, 0, 0, 0, 0, 128, OP_DELAY, 128, 0, 64, 0, 1, 1, SHOW, POP});
    b.play(2, {60, 0}).add(2, {OP_ENVELOPE, 0, 0, 0, 0, 128, OP_DELAY, 128, 0, 0, 0, 16, 1, SHOW, POP});
    b.play(3, {60}).add(3, {OP_ENVELOPE, 0, 0, 0, 0, 128, OP_DELAY, 64, 64, 0, 0, 2, 1, SHOW, POP});
    b.play(4, {60}).add(4, {OP_ENVELOPE, 0, 0, 0, 0, 128, OP_DELAY, 128, 0, 128, 64, 3, 1, SHOW, POP});
}
void moves(SongBuilder& b) {
    // Stores of 0.5: amount 96 to slot 3 word 5, 128 to word 6; 128 then 64 to word 200.
    b.play(0, {60}).add(0, {K(64), OP_STORE, 96, 29, OP_STORE, 128, 30, OP_STORE, 128, 200, OP_STORE, 64, 200, SHOW,
                            POP});
    // Silent: stores the sends (0.5), skips its remote store.
    b.add(1, {OP_MIX, MIX_SEND, OP_STORE, 128, 17, REMOTE(128, voiceByte(3, 100)), OP_OUTPUT, 0, 0});
    b.play(2, {60}).add(2, {K(64), REMOTE(128, voiceByte(M, R)), REMOTE(0, voiceByte(9, 3)),
                            REMOTE(96, voiceByte(0, 40)), POP});
    b.play(3, {60}).add(3, {K(96), OP_PAN, OP_OUTPUT, 128, 0});
    // Left 0.5 (the top), right 0.25; gain 1/4 plus word 1 (1/4, from a frame later), send 1/2.
    b.play(4, {60}).add(4, {K(32), K(64), OP_OUTPUT, 32, 64, K(32), OP_STORE, 128, 17, POP});
}
// Tracks 0 to 7 push 8/128, 4/128, 2/128, 1/128 (on top), run one stack
// operation, and output the top two values as main left and right. The
// operations, and the values each leaves on the stack after the output:
const int STACK_OPS[8][2] = {{STACK_POP, 1}, {STACK_ADD_POP, 1}, {STACK_MUL_POP, 1}, {STACK_DUP, 3},
                             {STACK_SWAP, 2}, {STACK_ADD, 2},     {STACK_MUL, 2},     {STACK_ADD_PAIRS, 0}};
const double S1 = 1.0 / 128, S2 = 2.0 / 128, S4 = 4.0 / 128, S8 = 8.0 / 128;
void stack(SongBuilder& b) {
    for (int t = 0; t < 8; ++t) {
        b.play(t, {60}).add(t, {K(8), K(4), K(2), K(1), OP_STACK, STACK_OPS[t][0], OP_OUTPUT, 128, 0});
        for (int i = 0; i < STACK_OPS[t][1]; ++i) b.add(t, {POP});
    }
}
void rows(SongBuilder& b) {
    b.play(0, {1}).play(1, {60}).add(1, {OP_ENVELOPE, 96, 0, 128, 0, 128, POP});
    b.play(2, {60, 0, 0, -128}).add(2, {OP_ENVELOPE, 0, 0, 128, 128, 128, POP}).play(3, {0, 0});
    b.add(4, {K(128), SHOW, POP});  // pattern 0 only
}
// Remote stores between tracks: lower into higher (2 into 5, which strikes
// notes on rows 0 and 1), higher into lower (8 into 3's envelope gain, 10 into
// 9's note word).
void trackOrder(SongBuilder& b) {
    b.play(2, {60}).add(2, {K(64), REMOTE(128, voiceByte(5, slot(9, 7))), POP}).play(5, {70, 71});
    b.play(3, {60}).add(3, {K(64), SHOW, POP});
    b.play(8, {60}).add(8, {K(32), REMOTE(128, voiceByte(3, slot(0, 2))), POP});
    b.play(9, {60}).play(10, {60}).add(10, {K(64), REMOTE(128, voiceByte(9, NOTE)), POP});
}
const Case cases[] = {
    {"envelopes", envelopes,
     {F(1, 0, LEVEL, 1), I(1, 0, STAGE, STAGE_DECAY), F(1, 0, L, 1), F(2, 0, LEVEL, 1 - 1.0 / 64),
      F(1, 1, LEVEL, 1.0 / 4096), F(4095, 1, LEVEL, 4095.0 / 4096), I(4095, 1, STAGE, STAGE_ATTACK),
      F(4096, 1, LEVEL, 1), I(4096, 1, STAGE, STAGE_DECAY), F(4, 2, LEVEL, 0.625), I(4, 2, STAGE, STAGE_DECAY),
      F(5, 2, LEVEL, 0.5), I(5, 2, STAGE, STAGE_SUSTAIN), F(1005, 2, L, 0.5), F(2, 3, LEVEL, 1),
      I(2, 3, STAGE, STAGE_SUSTAIN), F(1, 4, L, 0.5), F(2, 4, L, 1)}},
    {"releases", releases,
     {I(ROW, 0, STAGE, STAGE_ATTACK), F(ROW, 0, LEVEL, 6182 / 262144.0), I(ROW + 1, 0, STAGE, STAGE_RELEASE),
      F(ROW + 1, 0, LEVEL, (6182 - 64) / 262144.0), I(ROW + 100, 1, NOTE, 0),
      F(ROW + 100, 1, slot(1, 1), 1 - 1.0 / 262144), I(ROW + 100, 1, slot(1, 0), STAGE_RELEASE), F(ROW + 100, 1, L, 0),
      F(ROW + 100, 1, R, 0), I(ROW + 7, 2, NOTE, 60), traced(ROW + 7, 2, 60), I(ROW + 8, 2, STAGE, STAGE_DONE),
      I(ROW + 8, 2, NOTE, 0), traced(ROW + 8, 2, 0), I(ROW + 10, 3, slot(2, 0), STAGE_DONE), I(ROW + 10, 3, NOTE, 60)}},
    {"pitches", pitches,
     {F(1, 0, PHASE, 440.0 / 44100, HZ), F(1, 1, PHASE, 440.0 / 44100, HZ),
      F(1, 2, PHASE, 220 / std::pow(2.0, 1.0 / 12) / 44100, HZ), F(1, 3, PHASE, 4.043840090162121e-05, 1e-12),
      F(2, 4, PHASE, (220 + 220 * std::pow(2.0, (0.5 + 128 * (12.0 / 128 / 64)) / 12)) / 44100, 2 * HZ)}},
    {"waves", waves,
     {F(1, 0, L, 1, SLOW), F(1, 1, L, -1, SLOW), F(1, 2, L, -1, SLOW), F(1, 3, L, -1, SLOW), F(1, 4, L, 0, SLOW),
      F(1, 5, L, 1 - 2.0 / 64, SLOW), F(1, 6, L, 0, SLOW), F(1, 7, L, 0, SLOW), F(1, 8, L, 0, SLOW), F(1, 9, L, 1),
      F(1, 10, L, -1), F(1, 11, L, 1)}},
    {"noise", noise,
     {F(1, 0, L, 0), F(1, 0, PHASE, 0), F(1, 1, L, -0.0000074538, 5e-8), F(1, 3, L, -0.1193136, 5e-8),
      F(2, 1, L, 0.1468767, 5e-8), F(2, 3, L, -0.9444732, 5e-8), F(1, 2, L, 0.25)}},
    {"filters", filters,
     {F(1, 0, L, 0.625), F(2, 0, slot(1, 0), 0.03125), F(2, 0, slot(1, 1), 0.34375),
      F(2, 0, slot(1, 2), 0.125 + 0.25 * 0.34375), F(2, 0, slot(1, 3), 0.25), F(2000, 1, L, 0.5, 1e-5),
      F(2000, 2, L, 0, 1e-5), F(2000, 3, L, 0, 1e-5), F(2000, 4, L, 0.5, 1e-5), F(2, 5, L, 0),
      F(2, 5, slot(1, 0), 0.03125), F(2, 6, slot(1, 0), 0.03125), F(1, 7, L, 0.75)}},
    {"delays", delays,
     {F(7, 0, L, 0), F(8, 0, L, 1), F(9, 0, L, C - 1), F(11, 1, L, 0.5 + std::pow(C, 4) * (C - 1), 1e-6),
      I(2 * ROW, 2, NOTE, 0), F(2 * ROW, 2, L, 0), F(2 * ROW + 1, 2, L, 1), F(1, 3, L, 0.5),
      F(4, 3, L, 0.25 + 0.5 * C * C * (C - 1), 1e-6), F(3, 4, L, 1), F(5, 4, L, 0.5 + C * (C - 1), 1e-6)}},
    {"stores, pan and output", moves,
     {F(1, 0, slot(3, 5), 0.25), F(1, 0, slot(3, 6), 0.5), F(1, 0, WORD_FIRST_SLOT + 200, 0), F(1, 0, L, 0.5),
      F(1, 1, slot(2, 1), 0.5), F(2, 3, 100, 0), F(1, M, R, 0.5), F(1, 9, 3, -0.5), F(1, 0, 40, 0.25),
      F(1, 3, L, 0.375), F(1, 3, R, 0.375), F(1, 4, L, 0.125), F(1, 4, R, 0.0625), F(1, 4, WORD_SEND_LEFT, 0.25),
      F(1, 4, WORD_SEND_RIGHT, 0.125), F(2, 4, L, 0.25), F(2, 4, R, 0.125)}},
    {"stack operations, top first", stack,
     {F(1, 0, L, S2), F(1, 0, R, S4), F(1, 1, L, S2 + S1), F(1, 1, R, S4), F(1, 2, L, S2 * S1), F(1, 2, R, S4),
      F(1, 3, L, S1), F(1, 3, R, S1), F(1, 4, L, S2), F(1, 4, R, S1), F(1, 5, L, S1 + S2), F(1, 5, R, S2),
      F(1, 6, L, S1 * S2), F(1, 6, R, S2), F(1, 7, L, S1 + S4), F(1, 7, R, S2 + S8)}},
    {"hold and release rows", rows,
     {I(3 * ROW, 0, RELEASES, 0), I(3 * ROW, 0, NOTE, 0), F(3 * ROW, 1, LEVEL, 3 * ROW / 262144.0),
      I(3 * ROW, 1, RELEASES, 0), I(ROW + 1, 2, RELEASES, 1), I(ROW + 1, 2, STAGE, STAGE_RELEASE),
      I(3 * ROW + 1, 2, RELEASES, 3), I(3 * ROW + 1, 2, NOTE, 60), I(4 * ROW + 1, 2, RELEASES, 3),
      I(3 * ROW + 1, 3, RELEASES, 2), I(3 * ROW + 1, 3, NOTE, 0), I(32 * ROW + 1, 4, RELEASES, 33),
      I(32 * ROW + 1, 4, NOTE, 0), F(32 * ROW + 1, 4, L, 0)}},
    {"track order", trackOrder,
     {F(ROW, 5, slot(9, 7), 0.5), F(ROW + 1, 5, slot(9, 7), 0), I(ROW + 1, 5, NOTE, 71), F(ROW + 2, 5, slot(9, 7), 0.5),
      F(1, 3, L, 0.5), F(2, 3, L, 0.75), traced(1, 9, 60), traced(2, 9, 0x3F000000)}},
};

TEST(SynthEngine, EachUnitTheSequencerAndTheTrackOrderGiveTheWorkedOutValues) {
    for (const Case& c : cases) {
        SongBuilder builder;
        c.build(builder);
        // calloc: of the 122 MB delay pool only what the song uses is touched.
        std::unique_ptr<SynthEngine, void (*)(void*)> engine(
            static_cast<SynthEngine*>(std::calloc(1, sizeof(SynthEngine))), std::free);
        SongFault fault{};
        ASSERT_EQ(startEngine(*engine, builder.song(), &fault), 1) << c.what << ": " << fault.message;
        std::vector<Check> checks = c.checks;
        std::stable_sort(checks.begin(), checks.end(), [](const Check& a, const Check& b) {
            return a.frames < b.frames;
        });
        int rendered = 0;
        for (const Check& k : checks) {
            for (; rendered < k.frames; ++rendered) renderFrame(*engine);
            const std::string where = std::string(c.what) + ": voice " + std::to_string(k.voice) + ", word " +
                                      std::to_string(k.word) + ", after " + std::to_string(k.frames) + " frames";
            const uint32_t word = k.voice < 0 ? 0 : engine->state.voiceArea[VOICE_WORDS * k.voice + k.word];
            if (k.voice < 0) {
                EXPECT_EQ(engine->trackNotes[k.word], k.value) << where;
            } else if (k.integer) {
                EXPECT_EQ(wordInt(word), k.value) << where;
            } else if (k.tolerance == 0) {
                EXPECT_EQ(wordFloat(word), float(k.value)) << where;
            } else {
                EXPECT_NEAR(wordFloat(word), k.value, k.tolerance) << where;
            }
        }
    }
}

}  // namespace
