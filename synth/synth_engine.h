// The synthesizer, frame by frame: the sequencer, twelve tracks and the master
// over one SynthState. renderSongInto (song_render.h) drives one of these over
// a whole song; tests and tools may drive their own.
#pragma once

#include "synth/song.h"
#include "synth/song_validator.h"
#include "synth/synth_state.h"
#include "synth/unit_program.h"

struct SynthEngine {
    SynthState state;
    UnitProgram program;
    Song song;  // the tables stay the caller's
    int32_t row;  // the song row of the next frame
    int32_t frameInRow;
    // Each track's note word as its bookkeeping left it in the last frame.
    int32_t trackNotes[TRACK_COUNT];
};

struct StereoFrame {
    float left;
    float right;
};

// Validates the song, decodes it and resets the engine to the song's start.
// 0 (with the fault) if the song is rejected; the engine is then unusable.
int startEngine(SynthEngine& engine, const Song& song, SongFault* fault);

// One track's part of a frame: its unit list, then the bookkeeping: the voice
// falls silent when the envelope in its slot 0 is done, and its note word is
// kept in trackNotes.
void renderTrack(SynthEngine& engine, int32_t track);

// Renders the next frame and returns the master's outputs clamped to [-1, 1].
// Rendering past the song's last row reads the order lists out of range:
// callers stop after SONG_FRAMES.
StereoFrame renderFrame(SynthEngine& engine);

// [-1, 1]; a NaN, which only a runaway instrument makes, becomes silence.
float clampSample(float value);
