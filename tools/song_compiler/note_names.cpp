#include "tools/song_compiler/note_names.h"

#include <cstring>

namespace {

// Semitones above C of the natural notes A to G.
const int naturalSemitone[7] = {9, 11, 0, 2, 4, 5, 7};

// Note number of C in octave 0: A-4 is 81, so C-4 is 72 and C-0 is 24.
const int32_t C0 = 24;

}  // namespace

int32_t noteNumber(const char* name) {
    if (std::strlen(name) != 3) return 0;
    if (name[0] < 'A' || name[0] > 'G') return 0;
    if (name[1] != '-' && name[1] != '#') return 0;
    if (name[2] < '0' || name[2] > '9') return 0;
    int semitone = naturalSemitone[name[0] - 'A'];
    if (name[1] == '#') {
        if (name[0] == 'E' || name[0] == 'B') return 0;  // no E# or B#
        ++semitone;
    }
    int32_t note = C0 + 12 * (name[2] - '0') + semitone;
    return note <= 127 ? note : 0;
}
