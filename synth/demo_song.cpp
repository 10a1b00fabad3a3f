// A stand-in for the demo's song, until the real one is composed: a four-chord
// loop in A minor (A minor, F, C, G, one chord a pattern) on all twelve tracks,
// with the instruments sized like the real song's so that rendering costs what
// it will cost. The master instrument is the real one: the tracks' sends
// through a stereo reverb of two 8-comb banks, added to their main outputs,
// with track 10 modulating the master gain.
#include "synth/song.h"

namespace {

const uint8_t patterns[] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0 silence
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 1 hold
    60, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 2 start and hold note 60
    57, 1, 0, 57, 1, 0, 69, 0, 57, 1, 0, 57, 1, 0, 69, 0,  // 3 bass A
    53, 1, 0, 53, 1, 0, 65, 0, 53, 1, 0, 53, 1, 0, 65, 0,  // 4 bass F
    48, 1, 0, 48, 1, 0, 60, 0, 48, 1, 0, 48, 1, 0, 60, 0,  // 5 bass C
    55, 1, 0, 55, 1, 0, 67, 0, 55, 1, 0, 55, 1, 0, 67, 0,  // 6 bass G
    69, 72, 76, 81, 76, 72, 69, 72, 69, 72, 76, 81, 76, 72, 76, 0,  // 7 arpeggio A minor
    65, 69, 72, 77, 72, 69, 65, 69, 65, 69, 72, 77, 72, 69, 72, 0,  // 8 arpeggio F
    72, 76, 79, 84, 79, 76, 72, 76, 72, 76, 79, 84, 79, 76, 79, 0,  // 9 arpeggio C
    67, 71, 74, 79, 74, 71, 67, 71, 67, 71, 74, 79, 74, 71, 74, 0,  // 10 arpeggio G
    48, 1, 1, 1, 48, 1, 1, 1, 48, 1, 1, 1, 48, 1, 1, 1,  // 11 four on the floor
    65, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 12 held 65
    67, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 13 held 67
    69, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 14 held 69
    71, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 15 held 71
    72, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 16 held 72
    74, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 17 held 74
    76, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 18 held 76
    81, 1, 0, 0, 0, 0, 84, 1, 0, 0, 88, 1, 0, 0, 0, 0,  // 19 pluck A minor
    77, 1, 0, 0, 0, 0, 81, 1, 0, 0, 84, 1, 0, 0, 0, 0,  // 20 pluck F
    79, 1, 0, 0, 0, 0, 84, 1, 0, 0, 88, 1, 0, 0, 0, 0,  // 21 pluck C
    79, 1, 0, 0, 0, 0, 83, 1, 0, 0, 86, 1, 0, 0, 0, 0,  // 22 pluck G
};
const uint8_t orderList[TRACK_COUNT * ORDER_POSITIONS] = {
    // track 0
    0, 0, 0, 0, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5,
    6, 3, 4, 5, 6, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 3, 4,
    5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3,
    4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 0, 0, 0, 0,
    // track 1
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8, 9, 10, 7, 8, 9,
    10, 7, 8, 9, 10, 7, 8, 9, 10, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8,
    9, 10, 7, 8, 9, 10, 7, 8, 9, 10, 7, 8, 9, 10, 7, 8, 9, 10, 7,
    8, 9, 10, 7, 8, 9, 10, 7, 8, 9, 10, 0, 0, 0, 0, 0, 0, 0, 0,
    // track 2
    0, 0, 0, 0, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11,
    11, 11, 11, 11, 11, 11, 11, 11, 11, 0, 0, 0, 0, 0, 0, 0, 0, 11, 11,
    11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11,
    11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 0, 0, 0, 0, 0, 0, 0, 0,
    // track 3
    14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13,
    13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12,
    13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14,
    12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 0, 0,
    // track 4
    16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16,
    15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14,
    16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16,
    14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 16, 15, 16, 14, 0, 0,
    // track 5
    18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18,
    17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16,
    18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18,
    16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 18, 17, 18, 16, 0, 0,
    // track 6
    2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    // track 7
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 19, 20, 21, 22, 19, 20, 21,
    22, 19, 20, 21, 22, 19, 20, 21, 22, 19, 20, 21, 22, 19, 20, 21, 22, 19, 20,
    21, 22, 19, 20, 21, 22, 19, 20, 21, 22, 19, 20, 21, 22, 19, 20, 21, 22, 19,
    20, 21, 22, 19, 20, 21, 22, 19, 20, 21, 22, 0, 0, 0, 0, 0, 0, 0, 0,
    // track 8
    0, 0, 0, 0, 0, 0, 0, 0, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5,
    6, 3, 4, 5, 6, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0, 3, 4,
    5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 3,
    4, 5, 6, 3, 4, 5, 6, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0, 0, 0,
    // track 9
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 8, 9, 10, 7, 8, 9, 10, 0, 0,
    0, 0, 0, 0, 0, 0, 7, 8, 9, 10, 7, 8, 9, 10, 7, 8, 9, 10, 7,
    8, 9, 10, 7, 8, 9, 10, 7, 8, 9, 10, 0, 0, 0, 0, 0, 0, 0, 0,
    // track 10
    2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    // track 11
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 14, 12, 13, 13, 14, 12, 13,
    13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12,
    13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14,
    12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 13, 13, 14, 12, 0, 0,
};

const uint8_t unitStream[] = {
    // 0 bass: pulse + skewed triangle + sine sub, low-passed and driven; an LFO
    // sweeps the triangle's width; echoes of 2 rows left and 4 rows right.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_OSCILLATOR, OP_STACK, OP_STACK,
    OP_FILTER, OP_SHAPER, OP_OSCILLATOR, OP_STORE, OP_STACK, OP_FILTER, OP_PAN,
    OP_DELAY, OP_STACK, OP_DELAY, OP_STACK, OP_OUTPUT, OP_END,
    // 1 arpeggio: triangle + pulse an octave up with vibrato, a mono echo mixed
    // in, then a long echo on the left and a short one on the right.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_OSCILLATOR, OP_STORE, OP_STACK,
    OP_STACK, OP_FILTER, OP_SHAPER, OP_STACK, OP_DELAY, OP_STACK, OP_PAN,
    OP_DELAY, OP_STACK, OP_DELAY, OP_STACK, OP_OUTPUT, OP_END,
    // 2 kick: a sine whose pitch falls with a second, faster envelope.
    OP_ENVELOPE, OP_ENVELOPE, OP_STORE, OP_STACK, OP_OSCILLATOR, OP_STACK, OP_PAN, OP_OUTPUT, OP_END,
    // 3 pad, lowest voice: two detuned triangles, one with a slowly moving width.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_FILTER,
    OP_OSCILLATOR, OP_STORE, OP_STACK, OP_PAN, OP_OUTPUT, OP_END,
    // 4 pad, middle voice.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_FILTER,
    OP_OSCILLATOR, OP_STORE, OP_STACK, OP_PAN, OP_OUTPUT, OP_END,
    // 5 pad, top voice.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_FILTER, OP_PAN, OP_OUTPUT, OP_END,
    // 6 modulator: a slow LFO into track 10's envelope gain and track 11's detune.
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK, OP_STORE_REMOTE, OP_STORE_REMOTE, OP_STACK, OP_END,
    // 7 pluck: two pulses through a band-pass, echoes of 2 and 4 rows.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_FILTER, OP_PAN,
    OP_DELAY, OP_STACK, OP_DELAY, OP_STACK, OP_OUTPUT, OP_END,
    // 8 bass an octave up: a saw, low minus high, driven hard; echoes of 4 and 8 rows.
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK, OP_FILTER, OP_SHAPER, OP_PAN,
    OP_DELAY, OP_STACK, OP_DELAY, OP_STACK, OP_OUTPUT, OP_END,
    // 9 breathy arpeggio an octave up: sine and a little noise, an 8-row echo.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_FILTER, OP_DELAY,
    OP_PAN, OP_OUTPUT, OP_END,
    // 10 master gain: an LFO (its depth moved by track 6) into the master's output gain.
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK, OP_STORE_REMOTE, OP_STACK, OP_END,
    // 11 strings: two triangles, one detuned by track 6.
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_FILTER, OP_SHAPER,
    OP_PAN, OP_OUTPUT, OP_END,
    // master: sends through the reverb, plus the main outputs.
    OP_MIX, OP_DELAY, OP_STACK, OP_DELAY, OP_STACK, OP_MIX, OP_STACK, OP_OUTPUT, OP_END,
};

// Oscillator flags as bytes.
enum : uint8_t {
    SINE = OSC_SINE,
    TRI = OSC_TRIANGLE,
    PULSE = OSC_PULSE,
    NOISE = OSC_NOISE,
    LFO_SINE = OSC_LFO | OSC_SINE,
    LFO_TRI = OSC_LFO | OSC_TRIANGLE,
};

const uint8_t paramStream[] = {
    // 0 bass. Envelope: attack, decay, sustain, release, gain. Oscillator:
    // transpose, detune, phase, width, shape, gain, flags.
    2, 48, 64, 24, 128,
    64, 64, 0, 64, 64, 40, PULSE,
    64, 66, 0, 24, 64, 40, TRI,
    STACK_ADD_POP,
    52, 64, 0, 64, 80, 56, SINE,
    STACK_ADD_POP,
    STACK_MUL_POP,
    24, 100, FILTER_LOW,
    72,
    60, 64, 0, 64, 64, 128, LFO_TRI,
    72, 21,  // width of oscillator 2 (slot 2, word 5)
    STACK_POP,
    4, 128, FILTER_HIGH,
    // Delay: pregain, dry, feedback, damp, first length, lines.
    48, 128, 48, 64, 16, 1,
    STACK_SWAP,
    48, 128, 48, 64, 17, 1,
    STACK_SWAP,
    36, 16,
    // 1 arpeggio.
    8, 56, 48, 40, 128,
    64, 64, 0, 64, 64, 48, TRI,
    76, 65, 0, 40, 64, 20, PULSE,
    STACK_ADD_POP,
    72, 64, 0, 64, 64, 128, LFO_SINE,
    68, 10,  // detune of oscillator 1 (slot 1, word 2)
    STACK_POP,
    STACK_MUL_POP,
    48, 80, FILTER_LOW | FILTER_BAND,
    70,
    STACK_DUP,
    40, 0, 64, 32, 16, 1,
    STACK_ADD_POP,
    32, 128, 32, 64, 18, 1,
    STACK_SWAP,
    32, 128, 32, 64, 17, 1,
    STACK_SWAP,
    24, 40,
    // 2 kick.
    0, 36, 0, 36, 128,
    0, 24, 0, 24, 128,
    80, 33,  // transpose of the oscillator (slot 4, word 1): a 32-semitone drop
    STACK_POP,
    40, 64, 0, 64, 90, 128, SINE,
    STACK_MUL_POP,
    48, 0,
    // 3 pad, lowest.
    40, 64, 96, 60, 128,
    64, 63, 0, 64, 64, 40, TRI,
    64, 65, 0, 64, 64, 40, TRI,
    STACK_ADD_POP,
    STACK_MUL_POP,
    30, 110, FILTER_LOW,
    40, 64, 0, 64, 64, 128, LFO_SINE,
    80, 13,  // width of oscillator 1 (slot 1, word 5)
    STACK_POP,
    16, 48,
    // 4 pad, middle.
    44, 64, 96, 60, 128,
    64, 62, 32, 64, 64, 36, TRI,
    64, 66, 0, 64, 64, 36, TRI,
    STACK_ADD_POP,
    STACK_MUL_POP,
    34, 110, FILTER_LOW,
    36, 64, 0, 64, 64, 128, LFO_SINE,
    80, 13,
    STACK_POP,
    14, 48,
    // 5 pad, top.
    48, 64, 96, 64, 128,
    64, 63, 0, 64, 64, 32, TRI,
    76, 65, 0, 64, 64, 16, SINE,
    STACK_ADD_POP,
    STACK_MUL_POP,
    40, 110, FILTER_LOW,
    12, 48,
    // 6 modulator.
    0, 0, 128, 128, 128,
    52, 64, 0, 64, 64, 128, LFO_SINE,
    STACK_MUL_POP,
    96, 0x00, 0x29, 0x00, 0x00,  // 10,496: track 10, slot 0, word 2 (envelope gain)
    72, 0x38, 0x2D, 0x00, 0x00,  // 11,576: track 11, slot 1, word 2 (detune)
    STACK_POP,
    // 7 pluck.
    0, 40, 0, 40, 128,
    64, 64, 0, 32, 64, 48, PULSE,
    64, 66, 0, 96, 64, 32, PULSE,
    STACK_ADD_POP,
    STACK_MUL_POP,
    64, 64, FILTER_BAND,
    48, 128, 56, 64, 16, 1,
    STACK_SWAP,
    48, 128, 56, 64, 17, 1,
    STACK_SWAP,
    20, 32,
    // 8 bass an octave up.
    2, 44, 40, 24, 128,
    76, 64, 0, 8, 64, 48, TRI,
    STACK_MUL_POP,
    40, 90, FILTER_LOW_MINUS_HIGH,
    96,
    40, 128, 40, 64, 17, 1,
    STACK_SWAP,
    40, 128, 40, 64, 18, 1,
    STACK_SWAP,
    10, 24,
    // 9 breathy arpeggio.
    4, 50, 32, 30, 128,
    76, 64, 0, 64, 64, 40, SINE,
    64, 64, 0, 64, 64, 6, NOISE,
    STACK_ADD_POP,
    STACK_MUL_POP,
    70, 100, FILTER_LOW | FILTER_HIGH,
    40, 128, 64, 48, 18, 1,
    14, 40,
    // 10 master gain.
    0, 0, 128, 128, 64,
    40, 64, 0, 64, 64, 128, LFO_TRI,
    STACK_MUL_POP,
    72, 0x0C, 0x32, 0x00, 0x00,  // 12,812: master, slot 7, word 1 (output gain)
    STACK_POP,
    // 11 strings.
    48, 64, 100, 64, 128,
    64, 64, 0, 100, 64, 36, TRI,
    64, 66, 0, 28, 64, 36, TRI,
    STACK_ADD_POP,
    STACK_MUL_POP,
    36, 96, FILTER_LOW,
    68,
    12, 40,
    // master.
    MIX_SEND,
    40, 128, 125, 64, 0, 8,
    STACK_SWAP,
    40, 128, 125, 64, 8, 8,
    STACK_SWAP,
    MIX_MAIN,
    STACK_ADD_PAIRS,
    48, 0,
};

}  // namespace

const Song demoSong = {
    patterns,    sizeof patterns / ROWS_PER_PATTERN,
    orderList,   unitStream, sizeof unitStream, paramStream, sizeof paramStream,
    delayLengths,
};
