#include "tools/song_compiler/note_names.h"

#include <cstring>

namespace {

// Semitones above C of the natural notes A to G.
const int naturalSemitone[7] = {9, 11, 0, 2, 4, 5, 7};

// Note number of C in octave 0: A-4 is 81, so C-4 is 72 and C-0 is 24.
const int32_t C0 = 24;

// A natural note's letter ('-') or, where none falls on the semitone, the
// sharp of the one below it ('#').
void nameSemitone(int semitone, char name[2]) {
    for (int sharp = 0; sharp < 2; ++sharp) {
        for (int letter = 0; letter < 7; ++letter) {
            if (naturalSemitone[letter] + sharp != semitone) continue;
            name[0] = static_cast<char>('A' + letter);
            name[1] = sharp ? '#' : '-';
            return;
        }
    }
}

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

void noteName(int32_t note, char name[4]) {
    // A track's note word is 0 while it is silent; notes below C-0 have no name
    // in the source.
    const char blank = note == 0 ? '-' : '?';
    if (note < C0 || note > 127) {
        name[0] = name[1] = name[2] = blank;
    } else {
        nameSemitone((note - C0) % 12, name);
        name[2] = static_cast<char>('0' + (note - C0) / 12);
    }
    name[3] = '\0';
}
