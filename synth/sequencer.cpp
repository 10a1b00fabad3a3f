#include "synth/sequencer.h"

void sequencerRowStep(const Song& song, uint32_t* voiceArea, int32_t track, int32_t row) {
    const uint8_t pattern = song.orderList[ORDER_POSITIONS * track + (row >> 4)];
    const int8_t note = static_cast<int8_t>(song.patterns[ROWS_PER_PATTERN * pattern + (row & 15)]);
    if (note == 1) return;
    uint32_t* voice = voiceRecord(voiceArea, track);
    // Unsigned, so a counter a remote store has filled with float bits wraps.
    voice[WORD_RELEASE_COUNT] += 1;
    if (note >= 2) {
        for (int32_t word = 0; word < WORD_FIRST_SLOT + UNIT_AREA_WORDS; ++word) voice[word] = 0;
        setWordInt(voice[WORD_NOTE], note);
    }
}
