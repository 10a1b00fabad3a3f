// Songs put together by a test.
#pragma once

#include "synth/synth_engine.h"

#include <initializer_list>
#include <vector>

class SongBuilder {
public:
    // Pattern 0 silent, every order list on it, every instrument empty.
    SongBuilder();
    // Track `track` plays these rows (the rest of the pattern holds) at order
    // position `position`. Notes: 1 hold, 0 or negative release, 2..127 note-on.
    SongBuilder& play(int track, std::initializer_list<int> rows, int position = 0);
    // Appends units to an instrument (0-11 tracks, 12 the master): each opcode
    // followed by its parameter bytes.
    SongBuilder& add(int instrument, const std::vector<int>& code);
    Song song();  // valid while the builder lives and is not changed

    std::vector<uint8_t> patterns, orderList, unitStream, paramStream;
    std::vector<uint16_t> lengths;

private:
    std::vector<uint8_t> units_[VOICE_COUNT], params_[VOICE_COUNT];
};

// Units in the builder's form. K(gain): an envelope at gain/128 from the first
// frame while the note is held; SHOW: the top, left in place, as main and send
// output (left and right) at full gain.
#define K(gain) OP_ENVELOPE, 0, 0, 128, 0, gain
#define SHOW OP_STACK, STACK_DUP, OP_STACK, STACK_DUP, OP_OUTPUT, 128, 128
#define POP OP_STACK, STACK_POP
// An OP_STORE_REMOTE of the top times (2 amount/128 - 1) into a byte offset.
#define REMOTE(amount, offset) OP_STORE_REMOTE, amount, (offset) & 255, (offset) >> 8 & 255, 0, 0

// Word w of unit u's slot, from the start of a voice record; a word's byte
// offset in the voice area.
constexpr int slot(int u, int w) { return WORD_FIRST_SLOT + SLOT_WORDS * u + w; }
constexpr int voiceByte(int voice, int word) { return VOICE_BYTES * voice + 4 * word; }
