// The note events of a rendered song: every change of a track's note word from
// one noteTrace block to the next, as the demo's note poll would see them.
#pragma once

#include "synth/song.h"

#include <atomic>
#include <cstdint>
#include <cstdio>

struct NoteEvent {
    int32_t block;
    int32_t track;
    int32_t note;
};

// Calls `emit` for each change, block by block and track by track within a
// block; each track starts from note 0 (silent). Returns the number of events.
template <typename Emit>
int32_t forEachNoteChange(const std::atomic<int32_t> (*trace)[NOTE_TRACE_ENTRIES], int32_t blocks, Emit emit) {
    int32_t last[TRACK_COUNT] = {};
    int32_t count = 0;
    for (int32_t block = 0; block < blocks; ++block) {
        for (int32_t track = 0; track < TRACK_COUNT; ++track) {
            const int32_t note = trace[block][2 * track].load(std::memory_order_relaxed);
            if (note == last[track]) continue;
            last[track] = note;
            emit(NoteEvent{block, track, note});
            ++count;
        }
    }
    return count;
}

// Writes "block,track,note" and one line per change; the number of changes,
// or -1 if the file could not be written.
int32_t writeNoteEvents(std::FILE* file, const std::atomic<int32_t> (*trace)[NOTE_TRACE_ENTRIES], int32_t blocks);
