// The rendered song, shared between the render thread (the only writer), the
// wave device and the main thread. No locks: the words are atomic, written and
// read with relaxed ordering, and a reader of a part not yet rendered sees zeros.
#pragma once

#include "synth/song.h"
#include "synth/song_validator.h"

#include <atomic>

// SONG_FRAMES interleaved stereo frames, left first, each sample clamped to [-1, 1].
extern std::atomic<float> musicBuffer[SONG_FRAMES * 2];

// For each block of 256 frames, entry 2t: track t's note word after the last
// rendered frame of the block. Odd entries and entries 24..31 stay 0.
extern std::atomic<int32_t> noteTrace[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES];

// Frames of the buffer rendered so far: stored with release ordering after
// each frame's two samples (and its noteTrace entries), so a reader that loads
// it with acquire ordering sees every sample before that frame.
extern std::atomic<int32_t> renderedFrames;

// The render thread's routine: renders demoSong front to back into buffer
// (musicBuffer) and noteTrace, then returns.
void renderSong(void* buffer);

// Validates song and renders it front to back into buffer (SONG_FRAMES x 2
// samples) and noteTrace, counting renderedFrames from 0. Returns 0 with the
// fault, rendering nothing, if the song is rejected. Uses one static engine:
// one render at a time.
int renderSongInto(const Song& song, std::atomic<float>* buffer, SongFault* fault);
