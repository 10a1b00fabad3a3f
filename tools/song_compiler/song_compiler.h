// The song compiler: turns the readable song source (instruments as named
// units, patterns as tracker columns, the order list as a table of positions
// by tracks) into the five byte tables the synthesizer plays.
//
// Source layout, line by line; '#' starts a comment that runs to the end of
// the line when it begins a word ("A#3" is a note):
//
//   instrument 0 kick          a track instrument (tracks 0..11), then its
//     amp:  envelope attack=0 decay=70 sustain=0 release=0 gain=128
//           oscillator ... flags=sine      units, one a line, with every
//     ...                                  parameter named; "label:" names a
//   end                                    unit for store targets
//   master                     the master instrument, the same way
//     ...
//   end
//   patterns  name1 name2 ...  a block of patterns side by side, then
//   00        C-4   ...        exactly 16 rows numbered 00..15; a cell is a
//   01        ===   A#3        note name, "..." (hold) or "===" (release)
//   ...
//   order  kick bass ...       the order list: the 12 instrument names in
//   section intro              track order, then positions 00..75 naming one
//   00     --   bassA ...      pattern a track ("--" is silence), with
//   ...                        "section NAME" lines marking where a part of
//   end                        the song begins
//
// Store targets: "label.word" inside the instrument (store), and
// "instrument.label.word" anywhere in the voice area (store_remote); a word
// is a slot word name of the unit (envelope gain, oscillator transpose, ...)
// or its number 0..7.
#pragma once

#include "synth/unit_reader.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SongSection {
    std::string name;
    int firstPosition;  // order-list position where the section begins
};

struct CompiledSong {
    std::vector<uint8_t> patterns;    // 16 note bytes a pattern; pattern 0 is silence
    std::vector<uint8_t> orderList;   // TRACK_COUNT x ORDER_POSITIONS pattern numbers
    std::vector<uint8_t> unitStream;  // 13 opcode lists, each ended by 0
    std::vector<uint8_t> paramStream;
    std::vector<std::string> patternNames;     // by pattern number
    std::vector<std::string> instrumentNames;  // tracks 0..11, then the master
    std::vector<SongSection> sections;         // in song order
    std::string warnings;  // "sourceName:line: warning: message" lines: legal but unusual values
};

inline UnitReader unitReader(const CompiledSong& song) {
    return unitReader(song.unitStream.data(), static_cast<int32_t>(song.unitStream.size()), song.paramStream.data(),
                      static_cast<int32_t>(song.paramStream.size()));
}

// Compiles source text. On success returns true and fills song; otherwise
// returns false and appends one "sourceName:line: message" line per fault to
// errors. The tables are checked with the song validator: its fault fails
// the compile, its warnings go to song->warnings.
bool compileSongSource(const std::string& text, const std::string& sourceName, CompiledSong* song,
                 std::string* errors);

// The compiled song as the engine takes it, its tables the compiled song's:
// without routines, so that the engine interprets it.
inline Song interpretedSong(const CompiledSong& song) {
    return Song{song.patterns.data(), static_cast<int32_t>(song.patterns.size() / ROWS_PER_PATTERN),
                song.orderList.data(), song.unitStream.data(), static_cast<int32_t>(song.unitStream.size()),
                song.paramStream.data(), static_cast<int32_t>(song.paramStream.size()), delayLengths, nullptr,
                {nullptr, nullptr}, nullptr};
}

// The C++ source that defines the Song songName with the song's tables and
// its frames routines; every other name it declares is its file's own.
std::string songTablesSource(const CompiledSong& song, const std::string& sourceName, const std::string& songName);

// The frames as a routine (songFrames), a part of that source; and, where
// splitTracks splits the tracks, the split routines (songTrackGroup0 and 1,
// songMasterFrames).
std::string framesRoutineSource(const CompiledSong& song);

// How the tracks split into two groups that share nothing: tracks stay
// together where one stores into the other, where both draw noise, or where
// both store into the same master word, and the sets go to the groups so as
// to balance a rough count of the work (group 0 also runs the master's).
struct TrackSplit {
    // Each track's group, 0 or 1; empty where the tracks do not split: one
    // set only, the master storing into a track or drawing noise with a
    // track, or a master word stored into that the master reads otherwise
    // than as an output's modulation, or more of them than TrackFrame keeps.
    std::vector<int> groupOfTrack;
    std::map<int, int> groupOfMasterStore;  // by voice-area word: the group of the tracks storing into it
};
TrackSplit splitTracks(const CompiledSong& song);
