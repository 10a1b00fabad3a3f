// The synthesizer, frame by frame: the sequencer, twelve tracks and the master
// over one SynthState. renderSongInto (song_render.h) drives one of these over
// a whole song; tests and tools may drive their own.
#pragma once

#include "synth/song.h"
#include "synth/song_validator.h"
#include "synth/synth_state.h"
#include "synth/unit_program.h"

// Where a frame's track is rendered: by this engine, or by another one (see
// findSeparableTracks), which hands in the track's outputs of each frame.
enum TrackPlace : uint8_t {
    TRACK_HERE,
    TRACK_ELSEWHERE,
};

struct SynthEngine {
    SynthState state;
    UnitProgram program;
    Song song;  // the tables stay the caller's
    int32_t row;  // the song row of the next frame
    int32_t frameInRow;
    // Each track's note word as its bookkeeping left it in the last frame.
    int32_t trackNotes[TRACK_COUNT];
    TrackPlace trackPlaces[TRACK_COUNT];  // all TRACK_HERE from startEngine
};

struct StereoFrame {
    float left;
    float right;
};

// The output words of every track after one frame: send left and right,
// main left and right, as the voice records hold them.
enum { TRACK_OUTPUT_WORDS = 4 };
struct TrackOutputs {
    uint32_t words[TRACK_COUNT][TRACK_OUTPUT_WORDS];
};

// Validates the song, decodes it and resets the engine to the song's start.
// 0 (with the fault) if the song is rejected; the engine is then unusable.
int startEngine(SynthEngine& engine, const Song& song, SongFault* fault);

// Renders the next frame and returns the master's outputs clamped to [-1, 1].
// A track rendered elsewhere takes its outputs from `elsewhere` (needed then)
// at its turn in the frame. Rendering past the song's last row reads the
// order lists out of range: callers stop after SONG_FRAMES.
StereoFrame renderFrame(SynthEngine& engine, const TrackOutputs* elsewhere = nullptr);

// Frames first to first + count - 1 of one track that is rendered apart (see
// findSeparableTracks) on this engine, frame after frame; its output words of
// each frame go to outputs[i].words[track]. Such a track depends on no other
// voice, so its frames may run ahead of the rest of the song's.
void renderTrackFrames(SynthEngine& engine, int32_t track, int32_t first, int32_t count, TrackOutputs* outputs);

// [-1, 1]; a NaN, which only a runaway instrument makes, becomes silence.
float clampSample(float value);
