// The words of the scroll text: one line, NUL-terminated.
#pragma once

enum { SCROLL_TEXT_LENGTH = 3263 };

// SCROLL_TEXT_LENGTH characters, all codes 32 to 122, in read-only data. Its
// blank runs set when the line is empty: 180 blanks first, runs of 20, 500 and
// 375 at positions 1433, 2204 and 2829, and 33 after the last word (at 3229).
extern const char* scrollTextString;
