// Each unit, the sequencer and the order of work in a frame, on the engine:
// small songs, rendered for a number of frames, against values worked out by
// hand from the unit formulas. Track 0 plays note 60 unless a case says else.
#include "tests/unit/synth/test_song_builder.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

const int ROW = SAMPLES_PER_ROW;
const int MAIN_L = WORD_MAIN_LEFT, MAIN_R = WORD_MAIN_RIGHT, SEND_L = WORD_SEND_LEFT, SEND_R = WORD_SEND_RIGHT;
const double C = 0.99609375;  // the DC blocker's coefficient

struct Check {
    int voice, word;  // voice -1: the note that track `word`'s bookkeeping left
    double value, tolerance;
    bool integer;
};
Check F(int voice, int word, double value, double tolerance = 0) { return {voice, word, value, tolerance, false}; }
Check I(int voice, int word, int32_t value) { return {voice, word, double(value), 0, true}; }
Check traced(int track, int32_t note) { return {-1, track, double(note), 0, true}; }

struct Case {
    const char* what;
    void (*build)(SongBuilder&);
    int frames;
    std::vector<Check> checks;
};

void held(SongBuilder& b, std::initializer_list<int> units) { b.play(0, {60}).add(0, units); }

// Envelopes: slot 0 stage and level; rates 2^(-3b/16) a frame.
void envAttack0(SongBuilder& b) { held(b, {OP_ENVELOPE, 0, 32, 0, 0, 128, SHOW, POP}); }
void envAttack64(SongBuilder& b) { held(b, {OP_ENVELOPE, 64, 64, 0, 0, 128, POP}); }
void envDecay16(SongBuilder& b) { held(b, {OP_ENVELOPE, 0, 16, 64, 0, 128, SHOW, POP}); }
void envSustainFull(SongBuilder& b) { held(b, {OP_ENVELOPE, 0, 96, 128, 0, 128, POP}); }
void envGainWord(SongBuilder& b) { held(b, {OP_ENVELOPE, 0, 0, 128, 0, 64, OP_STORE, 128, 2, SHOW, POP}); }
void envReleaseInAttack(SongBuilder& b) { b.play(0, {60, 0}).add(0, {OP_ENVELOPE, 96, 0, 128, 64, 128, POP}); }
// Slot 0 ends the note at once; slot 1 was releasing slowly and must stand still.
void envSilent(SongBuilder& b) {
    b.play(0, {60, 0}).add(0, {OP_ENVELOPE, 0, 0, 128, 0, 128, OP_ENVELOPE, 0, 0, 128, 96, 128, OP_OUTPUT, 128, 0});
}
// Oscillators: after one frame the phase word is one increment (0.01 Hz = 2.3e-7).
void osc81(SongBuilder& b) { b.play(0, {81}).add(0, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE, POP}); }
void oscOctaveUp(SongBuilder& b) { b.play(0, {69}).add(0, {OP_OSCILLATOR, 76, 64, 0, 64, 64, 128, OSC_SINE, POP}); }
void oscDetuneDown(SongBuilder& b) { b.play(0, {69}).add(0, {OP_OSCILLATOR, 64, 0, 0, 64, 64, 128, OSC_SINE, POP}); }
void oscLfo(SongBuilder& b) { b.play(0, {99}).add(0, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_LFO | OSC_SINE, POP}); }
// Word 2 gets 0.5 semitone, word 1 12/128/64 (x 128 semitones) from the first frame's stores.
void oscModWords(SongBuilder& b) {
    b.play(0, {69}).add(0, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE, POP, K(64), OP_STORE, 128, 2, POP,
                            K(12), OP_STORE, 65, 1, POP});
}
// An LFO 64 semitones down hardly moves: the phase parameter alone places q.
template <int FLAGS, int OFFSET, int WIDTH>
void slowWave(SongBuilder& b) { held(b, {OP_OSCILLATOR, 0, 64, OFFSET, WIDTH, 64, 128, OSC_LFO | FLAGS, SHOW, POP}); }
void oscShapeGain(SongBuilder& b) { held(b, {OP_OSCILLATOR, 64, 64, 0, 64, 96, 32, OSC_PULSE, SHOW, POP}); }
void noiseTwoTracks(SongBuilder& b) {
    for (int t = 0; t < 2; ++t) b.play(t, {60}).add(t, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_NOISE, SHOW, POP});
}
// Track 0 silent: its sine stands still and its noise draws nothing before track 1's.
void oscSilent(SongBuilder& b) {
    b.add(0, {OP_OSCILLATOR, 64, 64, 32, 64, 64, 128, OSC_SINE, SHOW, POP, OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_NOISE, POP});
    b.play(1, {60}).add(1, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_NOISE, SHOW, POP});
}
// Filters on a constant 0.5 (slot 1; frequency 64: f = 1/4, damping 1).
template <int FLAGS>
void filter(SongBuilder& b) { held(b, {K(64), OP_FILTER, 64, 128, FLAGS, SHOW, POP}); }
void filterWordRewritten(SongBuilder& b) {
    held(b, {K(64), OP_FILTER, 64, 128, FILTER_LOW, POP, K(64), OP_STORE, 128, 8 + 3, POP});
}
// Track 1 never plays: it takes track 0's send (0.75) through the unit to its output.
template <int OPCODE>
void silentPassThrough(SongBuilder& b) {
    held(b, {K(96), SHOW, POP});
    if (OPCODE == OP_FILTER) b.add(1, {OP_MIX, MIX_SEND, OP_FILTER, 64, 64, FILTER_HIGH, OP_OUTPUT, 128, 0});
    else b.add(1, {OP_MIX, MIX_SEND, OP_SHAPER, 120, OP_OUTPUT, 128, 0});
}
void shaper96(SongBuilder& b) { held(b, {K(64), OP_SHAPER, 96, SHOW, POP}); }
// An impulse (1 in frame 0, then 0) through one line of delay table entry 0.
template <int LENGTH, int FEEDBACK>
void impulse(SongBuilder& b) {
    b.lengths[0] = LENGTH;
    held(b, {OP_ENVELOPE, 0, 0, 0, 0, 128, OP_DELAY, 128, 0, FEEDBACK, 0, 0, 1, SHOW, POP});
}
void delayRingsOn(SongBuilder& b) {
    b.play(0, {60, 0}).add(0, {OP_ENVELOPE, 0, 0, 0, 0, 128, OP_DELAY, 128, 0, 0, 0, 16, 1, SHOW, POP});
}
// Stores and outputs.
void store(SongBuilder& b) { held(b, {K(64), OP_STORE, 96, 29, OP_STORE, 128, 30, OP_STORE, 128, 200, OP_STORE, 64, 200, SHOW, POP}); }
void silentStores(SongBuilder& b) {
    held(b, {K(64), SHOW, POP});
    b.add(1, {OP_MIX, MIX_SEND, OP_STORE, 128, 17, REMOTE(128, voiceByte(3, 100)), OP_OUTPUT, 0, 0});
}
void remoteStores(SongBuilder& b) {
    held(b, {K(64), REMOTE(128, voiceByte(MASTER_VOICE, MAIN_R)), REMOTE(0, voiceByte(5, 3)), REMOTE(96, voiceByte(0, 40)), POP});
}
void pan(SongBuilder& b) { held(b, {K(96), OP_PAN, OP_OUTPUT, 128, 0}); }
// Left 0.5 (the top), right 0.25, gain 1/4 plus word 1 (1/4 from the store, a frame later), send 1/2.
void output(SongBuilder& b) { held(b, {K(32), K(64), OP_OUTPUT, 32, 64, K(32), OP_STORE, 128, 17, POP}); }
// Tracks 0 and 3 give main (0.5, 0.25) and send (0.25, 0.125); the master
// outputs the sends' sum and stores the mains' left sum in its slot 0.
void mix(SongBuilder& b) {
    for (int t : {0, 3}) b.play(t, {60}).add(t, {K(32), K(64), OP_OUTPUT, 128, 64});
    b.add(MASTER_VOICE, {OP_MIX, MIX_SEND, OP_OUTPUT, 128, 0, OP_MIX, MIX_MAIN, OP_STORE, 128, 0, POP, POP});
}
// Sequencer.
void holdRows(SongBuilder& b) {
    b.play(0, {1}).play(1, {60}).add(1, {OP_ENVELOPE, 96, 0, 128, 0, 128, POP});
}
void releaseRows(SongBuilder& b) {
    b.play(0, {60, 0, 0, -128}).play(1, {0, 0}).add(0, {OP_ENVELOPE, 0, 0, 128, 128, 128, POP});
}
// Track 0 keeps its last main output through OP_MIX; track 1 puts 0.75 there
// until its note ends in row 1. Track 0's note-on in row 2 must keep it.
void noteOnKeepsOutputs(SongBuilder& b) {
    b.play(0, {60, 1, 72}).add(0, {OP_MIX, MIX_MAIN, OP_OUTPUT, 128, 0});
    b.play(1, {60, 0}).add(1, {K(128), POP, OP_ENVELOPE, 0, 0, 128, 128, 96, REMOTE(128, voiceByte(0, MAIN_L)), POP});
}
// Track 1 fills unit words of track 0 (which has no units) until row 1.
void noteOnClears(SongBuilder& b) {
    b.play(0, {60, 1, 61}).play(1, {60, 0});
    b.add(1, {K(128), POP, OP_ENVELOPE, 0, 0, 128, 128, 64, REMOTE(128, voiceByte(0, slot(0, 0))),
              REMOTE(128, voiceByte(0, slot(16, 0))), REMOTE(128, voiceByte(0, slot(31, 7))),
              REMOTE(128, voiceByte(0, SEND_L)), POP});
}
void allTracksFirstFrame(SongBuilder& b) {
    for (int t = 0; t < TRACK_COUNT; ++t) b.play(t, {50 + t}).add(t, {OP_ENVELOPE, 64, 0, 128, 0, 128, POP});
}
void patternZero(SongBuilder& b) { b.add(0, {K(128), SHOW, POP}); }
void slotZeroEnds(SongBuilder& b) { b.play(0, {60, 0}).add(0, {OP_ENVELOPE, 0, 0, 128, 16, 128, POP}); }
void noLeadingEnvelope(SongBuilder& b) {
    b.play(0, {60, 0}).add(0, {OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE, POP, K(128), POP});
}
void master(SongBuilder& b) { b.add(MASTER_VOICE, {K(64), SHOW, POP}); }
// Track order: remote stores between tracks and the master.
void lowerIntoHigher(SongBuilder& b) {
    b.play(2, {60}).add(2, {K(64), REMOTE(128, voiceByte(5, slot(9, 7))), POP}).play(5, {70, 71});
}
void higherIntoLower(SongBuilder& b) {
    b.play(3, {60}).add(3, {K(64), SHOW, POP});
    b.play(8, {60}).add(8, {K(32), REMOTE(128, voiceByte(3, slot(0, 2))), POP});
}
void trackIntoMaster(SongBuilder& b) {
    b.play(10, {60}).add(10, {K(32), REMOTE(128, voiceByte(MASTER_VOICE, slot(3, 1))), POP});
    b.add(MASTER_VOICE, {K(64), SHOW, POP});
}
void masterIntoTrack(SongBuilder& b) {
    held(b, {K(64), SHOW, POP});
    b.add(MASTER_VOICE, {K(128), REMOTE(80, voiceByte(0, slot(0, 2))), POP});
}
void storeIntoNoteWord(SongBuilder& b) {
    b.play(2, {60}).play(4, {60}).add(4, {K(64), REMOTE(128, voiceByte(2, WORD_NOTE)), POP});
}

const double HZ = 2.3e-7;  // a phase increment's tolerance: 0.01 Hz
const double TRI = 1e-4;   // the slow LFO's drift in one frame, on a triangle

const Case cases[] = {
    {"attack 0 is full in the first frame", envAttack0, 1, {F(0, slot(0, 1), 1), I(0, slot(0, 0), STAGE_DECAY), F(0, MAIN_L, 1)}},
    {"decay 32 takes 1/64 a frame", envAttack0, 2, {F(0, slot(0, 1), 1 - 1.0 / 64), I(0, slot(0, 0), STAGE_DECAY)}},
    {"attack 64 rises 1/4096 a frame", envAttack64, 1, {F(0, slot(0, 1), 1.0 / 4096)}},
    {"attack 64 is short of 1 at frame 4095", envAttack64, 4095, {F(0, slot(0, 1), 4095.0 / 4096), I(0, slot(0, 0), STAGE_ATTACK)}},
    {"attack 64 peaks at frame 4096", envAttack64, 4096, {F(0, slot(0, 1), 1), I(0, slot(0, 0), STAGE_DECAY)}},
    {"decay 16 takes 1/8 a frame", envDecay16, 4, {F(0, slot(0, 1), 0.625), I(0, slot(0, 0), STAGE_DECAY)}},
    {"decay stops at the sustain level", envDecay16, 5, {F(0, slot(0, 1), 0.5), I(0, slot(0, 0), STAGE_SUSTAIN)}},
    {"sustain holds", envDecay16, 1005, {F(0, slot(0, 1), 0.5), F(0, MAIN_L, 0.5)}},
    {"sustain 128 is reached at 1 in one decay frame", envSustainFull, 2, {F(0, slot(0, 1), 1), I(0, slot(0, 0), STAGE_SUSTAIN)}},
    {"gain before its modulation word", envGainWord, 1, {F(0, MAIN_L, 0.5)}},
    {"gain plus its modulation word", envGainWord, 2, {F(0, MAIN_L, 1)}},
    {"attack 96 rises 2^-18 a frame", envReleaseInAttack, ROW, {I(0, slot(0, 0), STAGE_ATTACK), F(0, slot(0, 1), 6182 / 262144.0)}},
    {"a release row in the attack releases from the level",
     envReleaseInAttack, ROW + 1, {I(0, slot(0, 0), STAGE_RELEASE), F(0, slot(0, 1), (6182 - 64) / 262144.0)}},
    {"a silent voice's envelope pushes 0 and keeps its state", envSilent, ROW + 100,
     {I(0, WORD_NOTE, 0), F(0, slot(1, 1), 1 - 1.0 / 262144), I(0, slot(1, 0), STAGE_RELEASE), F(0, MAIN_L, 0), F(0, MAIN_R, 0)}},

    {"note 81 sounds at 440 Hz", osc81, 1, {F(0, slot(0, 0), 440.0 / 44100, HZ)}},
    {"transpose 76 is an octave up", oscOctaveUp, 1, {F(0, slot(0, 0), 440.0 / 44100, HZ)}},
    {"detune 0 is a semitone down", oscDetuneDown, 1, {F(0, slot(0, 0), 220 / std::pow(2.0, 1.0 / 12) / 44100, HZ)}},
    {"an LFO ignores the note: 0 semitones", oscLfo, 1, {F(0, slot(0, 0), 4.043840090162121e-05, 1e-12)}},
    {"modulation words add semitones, transpose x 128", oscModWords, 2,
     {F(0, slot(0, 0), (220 + 220 * std::pow(2.0, (0.5 + 128 * (12.0 / 128 / 64)) / 12)) / 44100, 2 * HZ)}},
    {"sine at q 1/4", slowWave<OSC_SINE, 32, 64>, 1, {F(0, MAIN_L, 1, TRI)}},
    {"sine at q 3/4", slowWave<OSC_SINE, 96, 64>, 1, {F(0, MAIN_L, -1, TRI)}},
    {"triangle 1/2 at q 0", slowWave<OSC_TRIANGLE, 0, 64>, 1, {F(0, MAIN_L, -1, TRI)}},
    {"phase 128 is a whole cycle", slowWave<OSC_TRIANGLE, 128, 64>, 1, {F(0, MAIN_L, -1, TRI)}},
    {"triangle 1/2 at q 1/4", slowWave<OSC_TRIANGLE, 32, 64>, 1, {F(0, MAIN_L, 0, TRI)}},
    {"triangle 1/2 at q 63/128", slowWave<OSC_TRIANGLE, 63, 64>, 1, {F(0, MAIN_L, 1 - 2.0 / 64, TRI)}},
    {"triangle 1/2 at q 3/4", slowWave<OSC_TRIANGLE, 96, 64>, 1, {F(0, MAIN_L, 0, TRI)}},
    {"triangle 1/2 at q 127/128", slowWave<OSC_TRIANGLE, 127, 64>, 1, {F(0, MAIN_L, -1 + 2.0 / 64, TRI)}},
    {"triangle 1/4 at q 1/8", slowWave<OSC_TRIANGLE, 16, 32>, 1, {F(0, MAIN_L, 0, TRI)}},
    {"triangle 1/4 at q 5/8", slowWave<OSC_TRIANGLE, 80, 32>, 1, {F(0, MAIN_L, 0, TRI)}},
    {"pulse 1/2 at q 0", slowWave<OSC_PULSE, 0, 64>, 1, {F(0, MAIN_L, 1)}},
    {"pulse 1/2 at q 63/128", slowWave<OSC_PULSE, 63, 64>, 1, {F(0, MAIN_L, 1)}},
    {"pulse 1/2 at q 65/128", slowWave<OSC_PULSE, 65, 64>, 1, {F(0, MAIN_L, -1)}},
    {"pulse 3/4 at q 65/128", slowWave<OSC_PULSE, 65, 96>, 1, {F(0, MAIN_L, 1)}},
    {"shape and gain apply to the wave", oscShapeGain, 1, {F(0, MAIN_L, 0.25)}},
    {"noise: the first two values of the shared sequence", noiseTwoTracks, 1,
     {F(0, MAIN_L, -0.0000074538, 5e-8), F(1, MAIN_L, -0.1193136, 5e-8)}},
    {"noise: the next two", noiseTwoTracks, 2, {F(0, MAIN_L, 0.1468767, 5e-8), F(1, MAIN_L, -0.9444732, 5e-8)}},
    {"a silent oscillator pushes 0, its phase and the noise stand still", oscSilent, 1,
     {F(0, MAIN_L, 0), F(0, slot(0, 0), 0), F(1, MAIN_L, -0.0000074538, 5e-8)}},

    {"filter: low, then high, then band", filter<FILTER_LOW | FILTER_HIGH | FILTER_BAND>, 1, {F(0, MAIN_L, 0.625)}},
    {"filter: the second frame's state", filter<FILTER_LOW | FILTER_HIGH | FILTER_BAND>, 2,
     {F(0, slot(1, 0), 0.03125), F(0, slot(1, 1), 0.34375), F(0, slot(1, 2), 0.125 + 0.25 * 0.34375), F(0, slot(1, 3), 0.25)}},
    {"low-pass settles on a constant", filter<FILTER_LOW>, 2000, {F(0, MAIN_L, 0.5, 1e-5)}},
    {"high-pass dies away", filter<FILTER_HIGH>, 2000, {F(0, MAIN_L, 0, 1e-5)}},
    {"band-pass dies away", filter<FILTER_BAND>, 2000, {F(0, MAIN_L, 0, 1e-5)}},
    {"low minus high settles", filter<FILTER_LOW_MINUS_HIGH>, 2000, {F(0, MAIN_L, 0.5, 1e-5)}},
    {"no flags push 0, the state runs", filter<0>, 2, {F(0, MAIN_L, 0), F(0, slot(1, 0), 0.03125)}},
    {"the coefficient word is rewritten every frame", filterWordRewritten, 2, {F(0, slot(1, 0), 0.03125)}},
    {"a silent filter leaves its input and state", silentPassThrough<OP_FILTER>, 20,
     {F(1, MAIN_L, 0.75), F(1, slot(1, 0), 0), F(1, slot(1, 3), 0)}},
    {"a silent shaper leaves its input", silentPassThrough<OP_SHAPER>, 3, {F(1, MAIN_L, 0.75), F(1, MAIN_R, 0.75)}},
    {"drive 96 maps 0.5 to 0.75", shaper96, 1, {F(0, MAIN_L, 0.75)}},

    {"a line of 7 gives 0 for 7 frames", impulse<7, 0>, 7, {F(0, MAIN_L, 0)}},
    {"then what came 7 frames before", impulse<7, 0>, 8, {F(0, MAIN_L, 1)}},
    {"then the DC blocker lets go", impulse<7, 0>, 9, {F(0, MAIN_L, C - 1)}},
    {"feedback 1/2 sends the echo round again", impulse<5, 64>, 11, {F(0, MAIN_L, 0.5 + std::pow(C, 4) * (C - 1), 1e-6)}},
    {"a delay rings on after the voice fell silent", delayRingsOn, 2 * ROW, {I(0, WORD_NOTE, 0), F(0, MAIN_L, 0)}},
    {"two rows later the impulse comes out", delayRingsOn, 2 * ROW + 1, {F(0, MAIN_L, 1)}},

    {"store: top x (2 amount - 1), top stays; amount 64 writes 0", store, 1,
     {F(0, slot(3, 5), 0.25), F(0, slot(3, 6), 0.5), F(0, WORD_FIRST_SLOT + 200, 0), F(0, MAIN_L, 0.5)}},
    {"a silent voice stores but does not store remotely", silentStores, 2, {F(1, slot(2, 1), 0.5), F(3, 100, 0)}},
    {"a remote store reaches any word of the voice area", remoteStores, 1,
     {F(MASTER_VOICE, MAIN_R, 0.5), F(5, 3, -0.5), F(0, 40, 0.25)}},
    {"pan pushes half the value twice", pan, 1, {F(0, MAIN_L, 0.375), F(0, MAIN_R, 0.375)}},
    {"output: top is left; main and send scaled apart", output, 1,
     {F(0, MAIN_L, 0.125), F(0, MAIN_R, 0.0625), F(0, SEND_L, 0.25), F(0, SEND_R, 0.125)}},
    {"output: word 1 adds to the gain", output, 2, {F(0, MAIN_L, 0.25), F(0, MAIN_R, 0.125)}},
    {"mix: this frame's tracks, left on top, not the master", mix, 3,
     {F(MASTER_VOICE, MAIN_L, 0.5), F(MASTER_VOICE, MAIN_R, 0.25), F(MASTER_VOICE, slot(0, 0), 1)}},

    {"hold rows change nothing, also when silent", holdRows, 3 * ROW,
     {I(0, WORD_RELEASE_COUNT, 0), I(0, WORD_NOTE, 0), F(1, slot(0, 1), 3 * ROW / 262144.0), I(1, WORD_RELEASE_COUNT, 0)}},
    {"release rows count up", releaseRows, ROW + 1, {I(0, WORD_RELEASE_COUNT, 1), I(0, slot(0, 0), STAGE_RELEASE)}},
    {"also when released, and for a negative byte", releaseRows, 3 * ROW + 1,
     {I(0, WORD_RELEASE_COUNT, 3), I(0, WORD_NOTE, 60), I(1, WORD_RELEASE_COUNT, 2), I(1, WORD_NOTE, 0)}},
    {"a hold row after them", releaseRows, 4 * ROW + 1, {I(0, WORD_RELEASE_COUNT, 3)}},
    {"a note-on keeps the output words", noteOnKeepsOutputs, 2 * ROW + 1,
     {I(0, WORD_NOTE, 72), F(0, MAIN_L, 0.75 * (1 - 1.0 / 16777216), 1e-6)}},
    {"before the note-on the unit words are filled", noteOnClears, 2 * ROW,
     {F(0, slot(31, 7), 0.5, 1e-6), F(0, slot(16, 0), 0.5, 1e-6)}},
    {"a note-on clears every unit word", noteOnClears, 2 * ROW + 1,
     {I(0, WORD_NOTE, 61), I(0, WORD_RELEASE_COUNT, 0), I(0, slot(0, 0), 0), I(0, slot(16, 0), 0), I(0, slot(31, 7), 0),
      F(0, SEND_L, 0.5, 1e-6)}},
    {"the first frame steps all twelve tracks first", allTracksFirstFrame, 1,
     {I(0, WORD_NOTE, 50), F(0, slot(0, 1), 1.0 / 4096), I(11, WORD_NOTE, 61), F(11, slot(0, 1), 1.0 / 4096)}},
    {"pattern 0 is silent; its releases count 16 a pattern", patternZero, 32 * ROW + 1,
     {I(0, WORD_RELEASE_COUNT, 33), I(0, WORD_NOTE, 0), F(0, MAIN_L, 0)}},
    {"the slot 0 envelope's release is one frame short", slotZeroEnds, ROW + 7, {I(0, WORD_NOTE, 60), traced(0, 60)}},
    {"its end silences the voice in that frame", slotZeroEnds, ROW + 8,
     {I(0, slot(0, 0), STAGE_DONE), I(0, WORD_NOTE, 0), traced(0, 0)}},
    {"without a leading envelope no envelope ends the note", noLeadingEnvelope, ROW + 10,
     {I(0, slot(2, 0), STAGE_DONE), I(0, WORD_NOTE, 60)}},
    {"the master always plays, with note 12", master, 20 * ROW + 1,
     {I(MASTER_VOICE, WORD_NOTE, 12), I(MASTER_VOICE, WORD_RELEASE_COUNT, 0), F(MASTER_VOICE, MAIN_L, 0.5)}},

    {"a lower track's store into a higher one", lowerIntoHigher, ROW, {F(5, slot(9, 7), 0.5)}},
    {"is wiped by its note-on in the same frame", lowerIntoHigher, ROW + 1, {F(5, slot(9, 7), 0), I(5, WORD_NOTE, 71)}},
    {"and is back the next frame", lowerIntoHigher, ROW + 2, {F(5, slot(9, 7), 0.5)}},
    {"a higher track's store into a lower one", higherIntoLower, 1, {F(3, MAIN_L, 0.5)}},
    {"acts in the next frame", higherIntoLower, 2, {F(3, MAIN_L, 0.75)}},
    {"a track's store into the master acts in the same frame", trackIntoMaster, 1, {F(MASTER_VOICE, MAIN_L, 0.625)}},
    {"the master's store into a track", masterIntoTrack, 1, {F(0, MAIN_L, 0.5)}},
    {"acts in the next frame", masterIntoTrack, 2, {F(0, MAIN_L, 0.75)}},
    {"a store into a note word", storeIntoNoteWord, 1, {traced(2, 60)}},
    {"shows in the trace from the next frame, as its bits", storeIntoNoteWord, 2, {traced(2, 0x3F000000)}},
};

TEST(SynthEngine, EachUnitTheSequencerAndTheTrackOrderGiveTheWorkedOutValues) {
    for (const Case& c : cases) {
        SongBuilder builder;
        c.build(builder);
        TestEngine engine(builder.song());
        engine.run(c.frames);
        for (const Check& k : c.checks) {
            const std::string where = std::string(c.what) + ": voice " + std::to_string(k.voice) + ", word " +
                                      std::to_string(k.word) + ", after " + std::to_string(c.frames) + " frames";
            if (k.voice < 0) {
                EXPECT_EQ(engine.engine().trackNotes[k.word], k.value) << where;
            } else if (k.integer) {
                EXPECT_EQ(engine.i(k.voice, k.word), k.value) << where;
            } else if (k.tolerance == 0) {
                EXPECT_EQ(engine.f(k.voice, k.word), static_cast<float>(k.value)) << where;
            } else {
                EXPECT_NEAR(engine.f(k.voice, k.word), k.value, k.tolerance) << where;
            }
        }
    }
}

TEST(SynthEngine, StackOperationsWorkTopFirst) {
    // d, c, b, a pushed (a = 1/128 on top), the operation, then the top two
    // values as main left and right.
    const float a = 1.0f / 128, b = 2.0f / 128, c = 4.0f / 128, d = 8.0f / 128;
    struct {
        int op;
        float top, second;
        int leftOver;
    } const ops[] = {{STACK_POP, b, c, 1},  {STACK_ADD_POP, b + a, c, 1}, {STACK_MUL_POP, b * a, c, 1},
                     {STACK_DUP, a, a, 3},  {STACK_SWAP, b, a, 2},        {STACK_ADD, a + b, b, 2},
                     {STACK_MUL, a * b, b, 2}, {STACK_ADD_PAIRS, a + c, b + d, 0}};
    for (const auto& op : ops) {
        SongBuilder builder;
        held(builder, {K(8), K(4), K(2), K(1), OP_STACK, op.op, OP_OUTPUT, 128, 0});
        for (int i = 0; i < op.leftOver; ++i) builder.add(0, {POP});
        TestEngine engine(builder.song());
        engine.run(1);
        EXPECT_EQ(engine.f(0, MAIN_L), op.top) << "operation " << op.op;
        EXPECT_EQ(engine.f(0, MAIN_R), op.second) << "operation " << op.op;
    }
}

TEST(SynthEngine, DelayUnitsTakePoolRecordsInTheirOrderWithTheDcBlockerAfterTheLastLine) {
    // Track 0: two lines (records 0, 1; DC blocker in 2), pregain 1/2 (acting
    // squared), damp 1/2. Track 1, silent: one line (record 2, whose line words
    // are its own; DC blocker in record 3).
    SongBuilder builder;
    builder.lengths = {10, 11, 12};
    builder.lengths.resize(DELAY_LENGTH_COUNT, 100);
    held(builder, {K(128), OP_DELAY, 64, 128, 128, 64, 0, 2, POP});
    builder.add(1, {OP_MIX, MIX_MAIN, OP_DELAY, 128, 64, 0, 0, 2, 1, POP, POP});
    TestEngine engine(builder.song());
    engine.run(11);
    const DelayLine* pool = engine.engine().state.delayPool;
    EXPECT_EQ(pool[0].writePosition, 1);  // wrapped at its length, 10
    EXPECT_EQ(pool[1].writePosition, 0);
    EXPECT_EQ(pool[2].writePosition, 11);
    EXPECT_EQ(pool[3].writePosition, 0);
    // Frame 10 read record 0's first value, 1/4, and fed back half of it.
    EXPECT_EQ(pool[0].dampingState, 0.125f);
    EXPECT_EQ(pool[0].samples[0], 0.25f + 0.125f);
    EXPECT_EQ(pool[2].dcPreviousInput, 1.25f);  // dry 1 plus the delayed 1/4
    EXPECT_EQ(pool[3].dcPreviousInput, 0.0f);   // track 0 has no output
}

}  // namespace
