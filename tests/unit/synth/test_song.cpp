// A test song that takes every path of the engine at least once: every unit
// and stack operation, every waveform in audio and LFO mode, every filter
// output, delays of one to eight lines, stores and remote stores in both
// directions between tracks and into the master, notes held, released
// (also by negative bytes), restarted every row and released in the attack,
// a 32-unit instrument, one that does not begin with an envelope, one that
// overwrites its own envelope's stage, a section that drives the master into
// the clamp, and all twelve tracks holding a note at the very end.
#include "tests/unit/synth/test_song.h"

#include "tests/unit/synth/test_song_builder.h"

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
};
// Patterns 9 to 20 strike one of these notes on row 0 and hold it.
const uint8_t heldNotes[] = {40, 43, 47, 50, 52, 55, 59, 62, 64, 67, 71, 74};

// Each track's 76 order positions, pattern n written as the letter 'a' + n.
const char* const orders[TRACK_COUNT] = {
    "aaaaddddddddddddddddddddddddddddddddddddddddddddddddddddddddaaaaaaaaaaaajjjj",
    "aaaaaaaahbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbhbkkkk",
    "aaaaaaaaaaaaaaaaiiiiiiiiiiiiiiiiiiiiiiiiaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaallll",
    "aambbbbbbbbbbbbbbbbbbbbbbbbbbbmbbbbbbbbbbbbbbbbbbbmbbbbbbbbbbbbbbbbbbbbbmmmm",
    "aaaaaaaaeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeaaaaaaaannnn",
    "gbbbobbbgbbbobbbgbbbobbbgbbbobbbgbbbobbbgbbbobbbgbbbobbbgbbbobbbgbbbobbboooo",
    "aaaacccacccacccacccacccacccacccacccacccacccacccacccacccacccacccacccacccapppp",
    "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaqbbbaaaaaaaaaaaaaaaaaaaaaaaaaaaaqqqq",
    "aaaaaaaaaaaaaaaaaaaaaaaaddddddddddddddddddddddddaaaaaaaaaaaaaaaaaaaaaaaarrrr",
    "aaaaaaaaaaiiiiiiiiiibbbbbbbbbbaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaassss",
    "aaaaaaaaaaaaffffffffffffaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaffffaaaaaaaatttt",
    "aaaaaaaaaaaaaaaaaaaaeeeeaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaauuuu",
};


// The instruments, each unit's opcode followed by its parameter bytes.
// 0 lead: every waveform; an LFO stores into the triangle's width (slot 2,
//   word 5); every filter output; echoes of one and two lines.
// 1 hats. 2 noise and triangle; an LFO into track 0's detune (byte 48) and
//   track 5's transpose (byte 5284).
// 3 no envelope first: an LFO into track 1's envelope gain (byte 1064); the
//   mix through a flagless filter; a store of amount 64.
// 4 bass: a second envelope sweeps the transpose; a long damped echo.
// 5 pad: dup, add pairs, mul, swap. 6 kick.
// 7 drives the master's output gain (byte 12,812) into the clamp while it plays.
// 8 the sends of all tracks through a 4-line delay, plus a pulse.
// 9 thirty-two units; the store overwrites the envelope's stage word.
// 10 extreme notes through a hard-shaped pulse.
// 11 a delay that rings while the track is silent; its output bends its own detune.
// The master is the demo's.
void addInstruments(SongBuilder& b) {
    b.add(0, {OP_ENVELOPE, 8, 40, 80, 20, 128, OP_OSCILLATOR, 64, 64, 0, 64, 64, 48, OSC_SINE,
              OP_OSCILLATOR, 64, 66, 16, 40, 80, 48, OSC_TRIANGLE, OP_STACK, STACK_ADD_POP,
              OP_OSCILLATOR, 52, 62, 0, 64, 64, 32, OSC_PULSE, OP_STACK, STACK_ADD, OP_STACK, STACK_SWAP,
              OP_STACK, STACK_POP, OP_STACK, STACK_MUL_POP, OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_LFO | OSC_PULSE,
              OP_STORE, 72, 21, OP_STACK, STACK_POP,
              OP_FILTER, 40, 90, FILTER_LOW | FILTER_HIGH | FILTER_BAND | FILTER_LOW_MINUS_HIGH, OP_SHAPER, 100, OP_PAN,
              OP_DELAY, 48, 128, 64, 64, 0, 2, OP_STACK, STACK_SWAP, OP_DELAY, 48, 128, 64, 32, 17, 1,
              OP_STACK, STACK_SWAP, OP_OUTPUT, 48, 32});
    b.add(1, {OP_ENVELOPE, 0, 20, 0, 10, 128, OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_NOISE, OP_STACK, STACK_MUL_POP,
              OP_FILTER, 100, 60, FILTER_HIGH, OP_PAN, OP_OUTPUT, 24, 48});
    b.add(2, {OP_ENVELOPE, 4, 30, 64, 30, 128, OP_OSCILLATOR, 64, 64, 0, 64, 30, 64, OSC_NOISE,
              OP_OSCILLATOR, 64, 64, 0, 64, 64, 64, OSC_TRIANGLE, OP_STACK, STACK_ADD_POP, OP_STACK, STACK_MUL_POP,
              OP_OSCILLATOR, 70, 64, 0, 96, 64, 128, OSC_LFO | OSC_TRIANGLE, OP_STORE_REMOTE, 80, 48, 0, 0, 0,
              OP_STORE_REMOTE, 100, 0xA4, 0x14, 0, 0, OP_STACK, STACK_POP, OP_PAN, OP_OUTPUT, 20, 20});
    b.add(3, {OP_OSCILLATOR, 40, 64, 32, 64, 64, 128, OSC_LFO | OSC_SINE, OP_STORE_REMOTE, 96, 0x28, 0x04, 0, 0,
              OP_STACK, STACK_POP, OP_MIX, MIX_MAIN, OP_FILTER, 64, 128, 0, OP_STORE, 64, 43, OP_OUTPUT, 0, 8});
    b.add(4, {OP_ENVELOPE, 2, 50, 40, 30, 128, OP_ENVELOPE, 0, 24, 0, 24, 128, OP_STORE, 70, 33, OP_STACK, STACK_POP,
              OP_OSCILLATOR, 64, 64, 0, 20, 64, 96, OSC_TRIANGLE, OP_STACK, STACK_MUL_POP, OP_SHAPER, 40,
              OP_DELAY, 64, 128, 120, 96, 18, 1, OP_PAN, OP_OUTPUT, 64, 16});
    b.add(5, {OP_ENVELOPE, 100, 60, 100, 80, 128, OP_OSCILLATOR, 64, 64, 0, 64, 64, 64, OSC_TRIANGLE,
              OP_OSCILLATOR, 76, 65, 0, 64, 64, 48, OSC_SINE, OP_STACK, STACK_DUP, OP_STACK, STACK_ADD_PAIRS,
              OP_STACK, STACK_MUL, OP_STACK, STACK_SWAP, OP_STACK, STACK_POP, OP_SHAPER, 64, OP_PAN,
              OP_OUTPUT, 20, 40});
    b.add(6, {OP_ENVELOPE, 0, 36, 0, 20, 128, OP_ENVELOPE, 0, 20, 0, 20, 128, OP_STORE, 84, 33, OP_STACK, STACK_POP,
              OP_OSCILLATOR, 40, 64, 0, 64, 90, 128, OSC_SINE, OP_STACK, STACK_MUL_POP, OP_PAN, OP_OUTPUT, 80, 0});
    b.add(7, {OP_ENVELOPE, 0, 0, 128, 0, 128, OP_OSCILLATOR, 100, 64, 0, 64, 64, 255, OSC_LFO | OSC_SINE,
              OP_STACK, STACK_MUL_POP, OP_STORE_REMOTE, 128, 0x0C, 0x32, 0, 0, OP_STACK, STACK_DUP,
              OP_STACK, STACK_MUL_POP, OP_STORE_REMOTE, 120, 0x0C, 0x32, 0, 0, OP_STACK, STACK_POP});
    b.add(8, {OP_ENVELOPE, 0, 0, 128, 0, 64, OP_MIX, MIX_SEND, OP_STACK, STACK_ADD_POP, OP_STACK, STACK_MUL_POP,
              OP_OSCILLATOR, 64, 64, 0, 32, 64, 32, OSC_PULSE, OP_STACK, STACK_ADD_POP, OP_DELAY, 64, 64, 100, 64, 4, 4,
              OP_PAN, OP_OUTPUT, 32, 0});
    b.add(9, {OP_ENVELOPE, 10, 40, 60, 40, 128, OP_OSCILLATOR, 64, 64, 0, 64, 64, 128, OSC_SINE,
              OP_STACK, STACK_MUL_POP});
    const int filterFlags[3] = {FILTER_LOW | FILTER_BAND, FILTER_LOW, FILTER_BAND};
    for (int pair = 0; pair < 12; ++pair) b.add(9, {OP_SHAPER, 70, OP_FILTER, 90, 100, filterFlags[pair % 3]});
    b.add(9, {OP_SHAPER, 30, OP_FILTER, 90, 100, FILTER_LOW, OP_STORE, 128, 0, OP_PAN, OP_OUTPUT, 40, 24});
    b.add(10, {OP_ENVELOPE, 0, 16, 96, 8, 128, OP_OSCILLATOR, 64, 64, 0, 20, 120, 64, OSC_PULSE,
               OP_STACK, STACK_MUL_POP, OP_PAN, OP_OUTPUT, 40, 40});
    b.add(11, {OP_ENVELOPE, 4, 40, 64, 40, 128, OP_OSCILLATOR, 52, 64, 0, 8, 64, 96, OSC_TRIANGLE,
               OP_STACK, STACK_MUL_POP, OP_DELAY, 64, 128, 110, 64, 16, 1, OP_STORE, 100, 10, OP_PAN,
               OP_OUTPUT, 40, 32});
    b.add(MASTER_VOICE, {OP_MIX, MIX_SEND, OP_DELAY, 40, 128, 125, 64, 0, 8, OP_STACK, STACK_SWAP,
                         OP_DELAY, 40, 128, 125, 64, 8, 8, OP_STACK, STACK_SWAP, OP_MIX, MIX_MAIN,
                         OP_STACK, STACK_ADD_PAIRS, OP_OUTPUT, 48, 0});
}

}  // namespace

const Song& testSong() {
    static SongBuilder b;
    static const Song song = [] {
        b.patterns.assign(patterns, patterns + sizeof patterns);
        for (uint8_t note : heldNotes) {
            b.patterns.push_back(note);
            b.patterns.resize(b.patterns.size() + ROWS_PER_PATTERN - 1, 1);
        }
        for (int t = 0; t < TRACK_COUNT; ++t)
            for (int q = 0; q < ORDER_POSITIONS; ++q) b.orderList[ORDER_POSITIONS * t + q] = orders[t][q] - 'a';
        addInstruments(b);
        return b.song();
    }();
    return song;
}
