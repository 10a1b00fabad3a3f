// One frame's view of the music: each track's note at the frame's playback
// position, and which of them changed since the frame before. The note poll
// fills it once a frame, the show reads it; nothing writes back.
#pragma once

#include "synth/song.h"

#include <atomic>
#include <cstdint>

enum { NOTE_TRACKS = 16 };  // tracks 12 to 15 do not exist and always read 0

// All zero before the first frame: no notes, none changed.
struct FrameNotes {
    int32_t note[NOTE_TRACKS];     // 0 = none
    uint8_t changed[NOTE_TRACKS];  // 1 = the note differs from the one of the frame before
};

// A song's note trace, NOTE_TRACE_ROWS rows (synth/song_render.h): the
// demo's noteTrace, or one a tool renders another song into.
typedef const std::atomic<int32_t> (*NoteTrace)[NOTE_TRACE_ENTRIES];

// The frame's notes at `position`, in sample frames into the trace's song.
void pollNoteTrace(NoteTrace trace, uint32_t position, FrameNotes* notes);

// A frame without a poll (before the music starts): the notes stay, none changed.
void holdFrameNotes(FrameNotes* notes);
