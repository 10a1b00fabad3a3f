// Songs put together inside a test: a few patterns, order lists and short
// instruments, everything else silent. The builder owns every table.
#pragma once

#include "synth/song.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

class SongBuilder {
public:
    // Pattern 0 silent, every order list on it, every instrument empty, the
    // standard delay lengths.
    SongBuilder();

    // A pattern of 16 note values (1 hold, 0 or negative release, 2..127
    // note-on); returns its number.
    int pattern(std::initializer_list<int> notes);
    // A pattern that strikes `note` on row 0 and holds it.
    int heldNote(int note);

    SongBuilder& play(int track, int position, int pattern);
    SongBuilder& playAll(int track, int pattern);
    // Appends a unit to an instrument (0-11 tracks, 12 the master).
    SongBuilder& unit(int instrument, uint8_t opcode, std::initializer_list<uint8_t> bytes = {});
    // An envelope that reaches full level in its first frame and holds it while
    // the note is held: it pushes gain / 128 (a release drops it to 0 at once).
    SongBuilder& constant(int instrument, uint8_t gain);
    // Shows the top value, left in place, as both main and send output.
    SongBuilder& showTop(int instrument);
    SongBuilder& storeRemote(int instrument, uint8_t amount, uint32_t byteOffset);

    // Builds the streams from the instruments and returns a song over them.
    // Valid while the builder lives and is not changed.
    Song song();
    // A song over the tables as they stand, for tests that break them after song().
    Song view() const;

    std::vector<uint8_t> patterns;
    std::vector<uint8_t> orderList;
    std::vector<uint8_t> unitStream;
    std::vector<uint8_t> paramStream;
    std::vector<uint16_t> delayLengths;

private:
    std::vector<uint8_t> units_[VOICE_COUNT];
    std::vector<uint8_t> params_[VOICE_COUNT];
};

// Byte offset of word `word` of voice `voice` in the voice area.
inline uint32_t voiceByte(int voice, int word) { return static_cast<uint32_t>(VOICE_BYTES * voice + 4 * word); }
// Word of unit `unit`'s slot, counted from the start of the voice record.
inline int slotWord(int unit, int word) { return WORD_FIRST_SLOT + SLOT_WORDS * unit + word; }
