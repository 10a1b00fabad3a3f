// The note poll on its own, so that a program which only reads a trace (a
// benchmark of a room, a player of the show) links no sound output.
#include "synth/frame_notes.h"

void pollNoteTrace(NoteTrace trace, uint32_t position, FrameNotes* notes) {
    uint32_t block = position / NOTE_TRACE_BLOCK;
    // A device that counts past the song (or in other units) must not take the
    // poll past the table: it then reads the song's last block.
    if (block >= NOTE_TRACE_ROWS) block = NOTE_TRACE_ROWS - 1;
    const std::atomic<int32_t>* row = trace[block];
    for (int t = 0; t < NOTE_TRACKS; ++t) {
        const int32_t note = row[2 * t].load(std::memory_order_relaxed);
        notes->changed[t] = note != notes->note[t];
        notes->note[t] = note;
    }
}

void holdFrameNotes(FrameNotes* notes) {
    for (uint8_t& changed : notes->changed) changed = 0;
}
