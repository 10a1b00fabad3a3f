// The rendered song, shared between the render thread (the only writer), the
// wave device and the main thread. No locks: the words are atomic, written and
// read with relaxed ordering, and a reader of a part not yet rendered sees zeros.
#pragma once

#include "synth/song.h"
#include "synth/song_validator.h"

#include <atomic>

struct SynthEngine;

// SONG_FRAMES interleaved stereo frames, left first, each sample clamped to [-1, 1].
extern std::atomic<float> musicBuffer[SONG_FRAMES * 2];

// For each block of 256 frames, entry 2t: track t's note word after the last
// rendered frame of the block. Odd entries and entries 24..31 stay 0.
extern std::atomic<int32_t> noteTrace[NOTE_TRACE_ROWS][NOTE_TRACE_ENTRIES];

// Frames of the buffer rendered so far: stored with release ordering after
// each frame's two samples (and its noteTrace entries), so a reader that loads
// it with acquire ordering sees every sample before that frame.
extern std::atomic<int32_t> renderedFrames;

// The music's render as the platform runs it, one slice a call: the first
// call starts rendering demoSong front to back into buffer (musicBuffer) and
// noteTrace, and each call renders the next SONG_RENDER_SLICE frames. Returns
// 1 while frames remain, 0 once the song is whole. A thread calls it until
// then; a browser, which has no threads for it, between animation frames.
int renderSong(void* buffer);

// 2048 frames, 46 ms of sound: a few milliseconds of work, short enough to
// fit between two animation frames.
enum { SONG_RENDER_SLICE = 2048 };

// Validates song and sets up its render into buffer (SONG_FRAMES x 2 samples)
// and noteTrace from the first frame, counting renderedFrames from 0. Returns
// 0 with the fault, leaving nothing to render, if the song is rejected. Uses
// one static engine: one render at a time (startOwnRender renders beside it).
int startSongRender(const Song& song, std::atomic<float>* buffer, SongFault* fault);

// Renders up to frameCount more frames of the render that startSongRender set
// up. Returns 1 while frames remain.
int continueSongRender(int32_t frameCount);

// Validates song and renders it whole, front to back, into buffer and
// noteTrace: startSongRender, then every frame at once.
int renderSongInto(const Song& song, std::atomic<float>* buffer, SongFault* fault);

// Where a render writes: its samples (SONG_FRAMES x 2), its note trace
// (NOTE_TRACE_ROWS rows, as noteTrace) and its count of finished frames (as
// renderedFrames).
struct SongOutput {
    std::atomic<float>* samples;
    std::atomic<int32_t> (*noteTrace)[NOTE_TRACE_ENTRIES];
    std::atomic<int32_t>* renderedFrames;
};

// A render beside the demo's, on an engine of its own, for a program that
// renders other songs while the demo's may still run. It renders whole
// frames: the track chunks' worker serves the demo's render alone.
struct SongRender {
    SynthEngine* engine;  // the caller's, allocated once: it holds the delay pool
    SongOutput output;
    int32_t nextFrame;
};

// Validates song and sets up its render on engine into output from the first
// frame, counting output.renderedFrames from 0. Returns 0 with the fault,
// leaving nothing to render, if the song is rejected.
int startOwnRender(SongRender* render, SynthEngine* engine, const Song& song, SongOutput output, SongFault* fault);

// Renders up to frameCount more frames of that render. Returns 1 while frames remain.
int continueOwnRender(SongRender* render, int32_t frameCount);
