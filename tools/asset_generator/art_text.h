// The art files are plain text. A ';' starts a note for the artist that runs
// to the end of the line; lines left blank are skipped, and every other line
// is kept with its line number so that a mistake can be reported where it is.
#pragma once

#include <string>
#include <vector>

struct ArtLine {
    int number;        // 1-based line number in the file
    std::string text;  // without the note, the line end and trailing blanks
};

struct ArtText {
    std::string path;
    std::vector<ArtLine> lines;
};

// 1 with the meaningful lines of the file, 0 (and a message) if it cannot be read.
int readArtText(const std::string& path, ArtText* out);

// Prints "path:line: message" to standard error. lineNumber 0 names the file only.
void reportArtError(const ArtText& art, int lineNumber, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
