// Notes by name, as the song source writes them: a letter, '-' or '#', an
// octave digit ("C-4", "A#3"). A name is the pitch that an oscillator with
// transpose 64 (no shift) sounds: A-4 is note 81, 440 Hz; C-4 is note 72.
#pragma once

#include <cstdint>

// The note number of the name, or 0 when the text is not a note name or the
// note lies outside 2..127.
int32_t noteNumber(const char* name);

// The name of a note number C-0..G-8 (24..127), "---" for 0 (a silent
// track's note word) and "???" for any other; three characters and a NUL.
void noteName(int32_t note, char name[4]);
