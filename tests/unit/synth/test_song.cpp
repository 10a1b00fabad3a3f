// A test song that takes every path of the engine at least once: every unit
// and stack operation, every waveform in audio and LFO mode, every filter
// output, delays of one to eight lines, stores and remote stores in both
// directions between tracks and into the master, notes held, released
// (also by negative bytes), restarted every row and released in the attack,
// a 32-unit instrument, one that does not begin with an envelope, one that
// overwrites its own envelope's stage, a section that drives the master into
// the clamp, and all twelve tracks holding a note at the very end.
#include "tests/unit/synth/test_song.h"

namespace {

const uint8_t patterns[] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // 0 silence
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 1 hold
    48, 0, 0, 0, 0, 0, 48, 0, 0, 48, 0, 48, 0, 0, 0, 0,  // 2 rhythm: 48 on rows 0, 6, 9 and 11
    72, 1, 74, 0, 76, 1, 1, 0, 79, 77, 76, 0, 74, 1, 72, 0,  // 3 melody with holds and releases
    45, 1, 0, 45, 1, 0, 57, 0, 43, 1, 0, 43, 1, 0, 55, 0,  // 4 bass
    2, 1, 128, 0, 127, 1, 255, 1, 60, 254, 100, 1, 1, 192, 90, 0,  // 5 negative bytes release, extreme notes
    60, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 6 long note released during its attack
    80, 0, 80, 0, 80, 80, 0, 80, 80, 0, 80, 0, 80, 80, 80, 0,  // 7 hats
    60, 62, 64, 65, 67, 69, 71, 72, 71, 69, 67, 65, 64, 62, 60, 58,  // 8 note-on every row
    40, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 9 held 40
    43, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 10 held 43
    47, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 11 held 47
    50, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 12 held 50
    52, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 13 held 52
    55, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 14 held 55
    59, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 15 held 59
    62, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 16 held 62
    64, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 17 held 64
    67, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 18 held 67
    71, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 19 held 71
    74, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  // 20 held 74
};
const uint8_t orderList[TRACK_COUNT * ORDER_POSITIONS] = {
    // track 0
    0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 9, 9, 9,
    // track 1
    0, 0, 0, 0, 0, 0, 0, 0, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7,
    1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1,
    7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7,
    1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 7, 1, 10, 10, 10, 10,
    // track 2
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 8, 8,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11, 11, 11, 11,
    // track 3
    0, 0, 12, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 12, 1, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 12, 1, 1, 1, 1, 1, 1,
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 12, 12, 12, 12,
    // track 4
    0, 0, 0, 0, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4,
    4, 4, 4, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 13, 13, 13, 13,
    // track 5
    6, 1, 1, 1, 14, 1, 1, 1, 6, 1, 1, 1, 14, 1, 1, 1, 6, 1, 1,
    1, 14, 1, 1, 1, 6, 1, 1, 1, 14, 1, 1, 1, 6, 1, 1, 1, 14, 1,
    1, 1, 6, 1, 1, 1, 14, 1, 1, 1, 6, 1, 1, 1, 14, 1, 1, 1, 6,
    1, 1, 1, 14, 1, 1, 1, 6, 1, 1, 1, 14, 1, 1, 1, 14, 14, 14, 14,
    // track 6
    0, 0, 0, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2, 2,
    0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2,
    2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2,
    2, 2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 2, 2, 2, 0, 15, 15, 15, 15,
    // track 7
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 16, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 16, 16, 16,
    // track 8
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 17, 17, 17, 17,
    // track 9
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 18, 18, 18, 18,
    // track 10
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 5, 5, 5, 5, 5,
    5, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 5, 5, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 19, 19, 19, 19,
    // track 11
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 4, 4, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 20, 20, 20,
};

enum : uint8_t {
    SINE = OSC_SINE,
    TRI = OSC_TRIANGLE,
    PULSE = OSC_PULSE,
    NOISE = OSC_NOISE,
    LFO_SINE = OSC_LFO | OSC_SINE,
    LFO_TRI = OSC_LFO | OSC_TRIANGLE,
    LFO_PULSE = OSC_LFO | OSC_PULSE,
};

const uint8_t unitStream[] = {
    // 0 lead
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_STACK, OP_STACK,
    OP_OSCILLATOR, OP_STORE, OP_STACK, OP_FILTER, OP_SHAPER, OP_PAN, OP_DELAY, OP_STACK, OP_DELAY, OP_STACK,
    OP_OUTPUT, OP_END,
    // 1 hats
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK, OP_FILTER, OP_PAN, OP_OUTPUT, OP_END,
    // 2 noise and triangle; an LFO into track 0's detune and track 5's transpose
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_OSCILLATOR, OP_STORE_REMOTE,
    OP_STORE_REMOTE, OP_STACK, OP_PAN, OP_OUTPUT, OP_END,
    // 3 no envelope first: an LFO into track 1's envelope gain; the mix through a flagless filter
    OP_OSCILLATOR, OP_STORE_REMOTE, OP_STACK, OP_MIX, OP_FILTER, OP_STORE, OP_OUTPUT, OP_END,
    // 4 bass: a second envelope sweeps the transpose; a long damped echo
    OP_ENVELOPE, OP_ENVELOPE, OP_STORE, OP_STACK, OP_OSCILLATOR, OP_STACK, OP_SHAPER, OP_DELAY, OP_PAN,
    OP_OUTPUT, OP_END,
    // 5 pad: dup, add pairs, mul, swap
    OP_ENVELOPE, OP_OSCILLATOR, OP_OSCILLATOR, OP_STACK, OP_STACK, OP_STACK, OP_STACK, OP_STACK, OP_SHAPER,
    OP_PAN, OP_OUTPUT, OP_END,
    // 6 kick
    OP_ENVELOPE, OP_ENVELOPE, OP_STORE, OP_STACK, OP_OSCILLATOR, OP_STACK, OP_PAN, OP_OUTPUT, OP_END,
    // 7 master gain booster: drives the master into the clamp while it plays
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK, OP_STORE_REMOTE, OP_STACK, OP_STACK, OP_STORE_REMOTE, OP_STACK,
    OP_END,
    // 8 the sends of all tracks through a 4-line delay, plus a pulse
    OP_ENVELOPE, OP_MIX, OP_STACK, OP_STACK, OP_OSCILLATOR, OP_STACK, OP_DELAY, OP_PAN, OP_OUTPUT, OP_END,
    // 9 thirty-two units; a store overwrites the envelope's stage word
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK,
    OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER,
    OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER,
    OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER, OP_SHAPER, OP_FILTER,
    OP_STORE, OP_PAN, OP_OUTPUT, OP_END,
    // 10 extreme notes through a hard-shaped pulse
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK, OP_PAN, OP_OUTPUT, OP_END,
    // 11 a delay that rings while the track is silent; its output bends its own detune
    OP_ENVELOPE, OP_OSCILLATOR, OP_STACK, OP_DELAY, OP_STORE, OP_PAN, OP_OUTPUT, OP_END,
    // master
    OP_MIX, OP_DELAY, OP_STACK, OP_DELAY, OP_STACK, OP_MIX, OP_STACK, OP_OUTPUT, OP_END,
};

const uint8_t paramStream[] = {
    // 0 lead
    8, 40, 80, 20, 128,
    64, 64, 0, 64, 64, 48, SINE,
    64, 66, 16, 40, 80, 48, TRI,
    STACK_ADD_POP,
    52, 62, 0, 64, 64, 32, PULSE,
    STACK_ADD,
    STACK_SWAP,
    STACK_POP,
    STACK_MUL_POP,
    64, 64, 0, 64, 64, 128, LFO_PULSE,
    72, 21,  // slot 2, word 5: the triangle's width
    STACK_POP,
    40, 90, FILTER_LOW | FILTER_HIGH | FILTER_BAND | FILTER_LOW_MINUS_HIGH,
    100,
    48, 128, 64, 64, 0, 2,
    STACK_SWAP,
    48, 128, 64, 32, 17, 1,
    STACK_SWAP,
    48, 32,
    // 1 hats
    0, 20, 0, 10, 128,
    64, 64, 0, 64, 64, 128, NOISE,
    STACK_MUL_POP,
    100, 60, FILTER_HIGH,
    24, 48,
    // 2
    4, 30, 64, 30, 128,
    64, 64, 0, 64, 30, 64, NOISE,
    64, 64, 0, 64, 64, 64, TRI,
    STACK_ADD_POP,
    STACK_MUL_POP,
    70, 64, 0, 96, 64, 128, LFO_TRI,
    80, 48, 0, 0, 0,     // 48: track 0, slot 1, word 2 (detune)
    100, 0xA4, 0x14, 0, 0,  // 5284: track 5, slot 1, word 1 (transpose)
    STACK_POP,
    20, 20,
    // 3
    40, 64, 32, 64, 64, 128, LFO_SINE,
    96, 0x28, 0x04, 0, 0,  // 1064: track 1, slot 0, word 2 (envelope gain)
    STACK_POP,
    MIX_MAIN,
    64, 128, 0,
    64, 43,  // amount 64 writes 0
    0, 8,
    // 4 bass
    2, 50, 40, 30, 128,
    0, 24, 0, 24, 128,
    70, 33,  // slot 4, word 1: transpose, up to 12 semitones
    STACK_POP,
    64, 64, 0, 20, 64, 96, TRI,
    STACK_MUL_POP,
    40,
    64, 128, 120, 96, 18, 1,
    64, 16,
    // 5 pad
    100, 60, 100, 80, 128,
    64, 64, 0, 64, 64, 64, TRI,
    76, 65, 0, 64, 64, 48, SINE,
    STACK_DUP,
    STACK_ADD_PAIRS,
    STACK_MUL,
    STACK_SWAP,
    STACK_POP,
    64,
    20, 40,
    // 6 kick
    0, 36, 0, 20, 128,
    0, 20, 0, 20, 128,
    84, 33,
    STACK_POP,
    40, 64, 0, 64, 90, 128, SINE,
    STACK_MUL_POP,
    80, 0,
    // 7 booster
    0, 0, 128, 0, 128,
    100, 64, 0, 64, 64, 255, LFO_SINE,
    STACK_MUL_POP,
    128, 0x0C, 0x32, 0, 0,  // 12,812: master, slot 7, word 1 (output gain)
    STACK_DUP,
    STACK_MUL_POP,
    120, 0x0C, 0x32, 0, 0,
    STACK_POP,
    // 8 sends
    0, 0, 128, 0, 64,
    MIX_SEND,
    STACK_ADD_POP,
    STACK_MUL_POP,
    64, 64, 0, 32, 64, 32, PULSE,
    STACK_ADD_POP,
    64, 64, 100, 64, 4, 4,
    32, 0,
    // 9 thirty-two units
    10, 40, 60, 40, 128,
    64, 64, 0, 64, 64, 128, SINE,
    STACK_MUL_POP,
    70, 90, 100, FILTER_LOW | FILTER_BAND, 70, 90, 100, FILTER_LOW, 70, 90, 100, FILTER_BAND,
    70, 90, 100, FILTER_LOW | FILTER_BAND, 70, 90, 100, FILTER_LOW, 70, 90, 100, FILTER_BAND,
    70, 90, 100, FILTER_LOW | FILTER_BAND, 70, 90, 100, FILTER_LOW, 70, 90, 100, FILTER_BAND,
    70, 90, 100, FILTER_LOW | FILTER_BAND, 70, 90, 100, FILTER_LOW, 70, 90, 100, FILTER_BAND,
    30, 90, 100, FILTER_LOW,
    128, 0,  // slot 0, word 0: the envelope's stage
    40, 24,
    // 10 extreme notes
    0, 16, 96, 8, 128,
    64, 64, 0, 20, 120, 64, PULSE,
    STACK_MUL_POP,
    40, 40,
    // 11 ringing delay
    4, 40, 64, 40, 128,
    52, 64, 0, 8, 64, 96, TRI,
    STACK_MUL_POP,
    64, 128, 110, 64, 16, 1,
    100, 10,  // slot 1, word 2: the triangle's detune
    40, 32,
    // master, as the demo's
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

const Song testSong = {
    patterns,    sizeof patterns / ROWS_PER_PATTERN,
    orderList,   unitStream, sizeof unitStream, paramStream, sizeof paramStream,
    delayLengths,
};
