// The synthesizer, frame by frame: the sequencer, twelve tracks and the master
// over one SynthState. renderSongInto (song_render.h) drives one of these over
// a whole song; tests and tools may drive their own.
#pragma once

#include "synth/sequencer.h"
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
    // Each track's note word as its bookkeeping left it in the last frame,
    // and whether one of them changed since the flag was last cleared.
    int32_t trackNotes[TRACK_COUNT];
    bool notesChanged;
};

struct StereoFrame {
    float left;
    float right;
};

// Validates the song, decodes it and resets the engine to the song's start.
// 0 (with the fault) if the song is rejected; the engine is then unusable.
int startEngine(SynthEngine& engine, const Song& song, SongFault* fault);

// Renders the next frame and returns the master's outputs clamped to [-1, 1].
// Rendering past the song's last row reads the order lists out of range:
// callers stop after SONG_FRAMES.
StereoFrame renderFrame(SynthEngine& engine);

// Renders up to count (at least 1) next frames into out, as many calls of
// renderFrame would, but stops after the first frame that changes a track's
// note word (the frame that sets notesChanged, or the first if it is set
// already). Returns the frames rendered.
int32_t renderFrames(SynthEngine& engine, StereoFrame* out, int32_t count);

// [-1, 1]; a NaN, which only a runaway instrument makes, becomes silence.
inline float clampSample(float value) {
    if (value > 1.0f) return 1.0f;
    if (value < -1.0f) return -1.0f;
    if (value != value) return 0.0f;
    return value;
}

// The steps of a frame around the unit lists, which a song's frames routine
// takes in the same order as renderFrame: for each track, the row step, its
// list and the bookkeeping; then the master.

// The song's row for the track, at the row's first frame (firstOfRow:
// engine.frameInRow is 0): a track's row step comes just before it renders,
// so a note-on wipes what lower tracks stored into it this frame.
inline void startTrackFrame(SynthEngine& engine, int32_t track, bool firstOfRow) {
    if (firstOfRow) sequencerRowStep(engine.song, engine.state, track, engine.row);
}

// The bookkeeping after the track's list: the voice falls silent when the
// envelope in its slot 0 is done (where its instrument begins with one), and
// its note word is kept in trackNotes (and notesChanged set if it changed).
inline void endTrackFrame(SynthEngine& engine, int32_t track, bool endsWithFirstEnvelope) {
    uint32_t* voice = voiceRecord(engine.state, track);
    if (endsWithFirstEnvelope && wordInt(voice[WORD_FIRST_SLOT]) == STAGE_DONE) setWordInt(voice[WORD_NOTE], 0);
    const int32_t note = wordInt(voice[WORD_NOTE]);
    if (note != engine.trackNotes[track]) {
        engine.trackNotes[track] = note;
        engine.notesChanged = true;
    }
}

// endTrackFrame for a track whose note word no store of the song writes, as
// a song's routine knows, where the word was not 0 when its list began. Such
// a word changes only in the row step and where the first envelope finishes,
// so only then can the bookkeeping find anything to do. (Where the word was
// 0, it has none: the word is still 0, as the last frame left it.)
inline void endSoundingTrackFrame(SynthEngine& engine, int32_t track, bool endsWithFirstEnvelope, bool firstOfRow) {
    const uint32_t* voice = voiceRecord(engine.state, track);
    if (firstOfRow || (endsWithFirstEnvelope && wordInt(voice[WORD_FIRST_SLOT]) == STAGE_DONE)) {
        endTrackFrame(engine, track, endsWithFirstEnvelope);
    }
}

// Any non-zero note keeps the master active.
inline void startMasterFrame(SynthEngine& engine) {
    setWordInt(voiceRecord(engine.state, MASTER_VOICE)[WORD_NOTE], TRACK_COUNT);
}

// After the master: the delay clock and the song position move on a frame,
// and the master's outputs are the frame's, clamped.
inline StereoFrame endFrame(SynthEngine& engine) {
    ++engine.state.delayClock;
    if (++engine.frameInRow == SAMPLES_PER_ROW) {
        engine.frameInRow = 0;
        ++engine.row;
    }
    const uint32_t* master = voiceRecord(engine.state, MASTER_VOICE);
    return {clampSample(wordFloat(master[WORD_MAIN_LEFT])), clampSample(wordFloat(master[WORD_MAIN_RIGHT]))};
}
