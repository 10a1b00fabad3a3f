// The composed song as the tests see it: compiled from its source in the
// repository, with a view of its unit lists.
#pragma once

#include "synth/song.h"
#include "tools/song_compiler/song_compiler.h"

#include <string>
#include <vector>

struct ComposedSong {
    CompiledSong tables;
    Song song;  // over the tables above
};

// Compiles synth/song/quorvel_song.txt (found through QUORVEL_SOURCE_DIR).
// False, with the reason, when the source cannot be read or compiled.
bool loadComposedSong(ComposedSong* composed, std::string* errors);

// Order-list positions [first, end) of the named section; end = first when
// the song has no such section.
struct PositionRange {
    int first;
    int end;
};
PositionRange sectionPositions(const CompiledSong& song, const std::string& name);

// One unit of an instrument's list with its parameter bytes.
struct UnitView {
    uint8_t opcode;
    const uint8_t* params;
};
// The units of instrument `instrument` (0..11 tracks, 12 the master).
std::vector<UnitView> instrumentUnits(const Song& song, int instrument);

// The little-endian byte offset of an OP_STORE_REMOTE unit.
uint32_t remoteOffset(const UnitView& unit);
