// The synthesizer, frame by frame: the sequencer, twelve tracks and the master
// over one SynthState. renderSongInto (song_render.h) drives one of these over
// a whole song; tests and tools may drive their own.
#pragma once

#include "synth/sequencer.h"
#include "synth/song.h"
#include "synth/song_validator.h"
#include "synth/synth_state.h"
#include "synth/unit_program.h"

#include <cstring>

// What one group of a song's split routines writes, apart from the other's
// and the master's: the noise generator's seed, the note words as its
// bookkeeping left them, the master's words that its tracks store into, its
// delay units' DC blockers (by the pool record they have there, which may be
// the first line of a unit of the other group), and a copy of the voice area
// of which it uses its tracks' records. Two threads write the groups: what
// they write often is at the start, after the other group's unused master
// record (or, for group 0, the master's thread's own words).
struct TrackGroupState {
    int32_t noiseSeed;
    int32_t keptNotes[TRACK_COUNT];
    uint32_t masterStores[MASTER_STORE_WORDS];
    DcBlocker dcBlockers[DELAY_POOL_LINES];
    uint32_t voiceArea[VOICE_AREA_WORDS];
};

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
    // What each group of a song's split routines writes.
    TrackGroupState groups[TRACK_GROUPS];
};

// A chunk of the tracks' frames, as the split routines leave it for the
// master, each array written by one group: each track's four output words
// (send left and right, main left and right) in each frame; its note word
// after the bookkeeping, in the frames where one of its group's changed;
// those frames, for each group; and the master's words that the tracks store
// into, in each frame. Track by track, so that each group writes and the
// master reads front to back.
struct TrackFrames {
    uint32_t outputs[TRACK_COUNT][TRACK_CHUNK][4];
    int32_t notes[TRACK_COUNT][TRACK_CHUNK];
    bool notesChanged[TRACK_GROUPS][TRACK_CHUNK];
    uint32_t masterStores[MASTER_STORE_WORDS][TRACK_CHUNK];
};

// Where a run of a group's frames begins.
struct TrackRunStart {
    int32_t row;
    int32_t frameInRow;
    uint32_t delayClock;
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

// Whether the song has split routines (renderTrackGroup, renderMasterFrames).
inline bool hasTrackGroups(const SynthEngine& engine) { return engine.song.masterRoutine != nullptr; }

// Gives the groups the engine's state, as startEngine left it: before the
// split routines render the song's first frame.
void startTrackGroups(SynthEngine& engine);

// The split routines: renderTrackGroup renders the first count frames of a
// chunk of one group's tracks, from start, into frames, touching nothing the
// other group or the master uses, so the two groups may run on two threads.
// renderMasterFrames then takes both groups' frames from frame `first` of
// the chunk on, at the engine's position, and is renderFrames for them: the
// same frames, the same early stop.
inline void renderTrackGroup(SynthEngine& engine, int32_t group, TrackRunStart start, TrackFrames& frames,
                             int32_t count) {
    engine.song.trackGroupRoutines[group](engine, start, frames, count);
}
inline int32_t renderMasterFrames(SynthEngine& engine, const TrackFrames& frames, int32_t first, StereoFrame* out,
                                  int32_t count) {
    return engine.song.masterRoutine(engine, frames, first, out, count);
}

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

// The song's row for the track, at the row's first frame (firstOfRow: the
// frame in the row is 0): a track's row step comes just before it renders,
// so a note-on wipes what lower tracks stored into it this frame.
inline void startTrackFrame(const Song& song, uint32_t* voiceArea, int32_t track, int32_t row, bool firstOfRow) {
    if (firstOfRow) sequencerRowStep(song, voiceArea, track, row);
}

// The bookkeeping after the track's list: the voice falls silent when the
// envelope in its slot 0 is done (where its instrument begins with one), and
// its note word is kept in keptNote (and changed set if it changed).
inline void endTrackFrame(uint32_t* voiceArea, int32_t track, bool endsWithFirstEnvelope, int32_t& keptNote,
                          bool& changed) {
    uint32_t* voice = voiceRecord(voiceArea, track);
    if (endsWithFirstEnvelope && wordInt(voice[WORD_FIRST_SLOT]) == STAGE_DONE) setWordInt(voice[WORD_NOTE], 0);
    const int32_t note = wordInt(voice[WORD_NOTE]);
    if (note != keptNote) {
        keptNote = note;
        changed = true;
    }
}

// endTrackFrame for a track whose note word no store of the song writes, as
// a song's routine knows, where the word was not 0 when its list began. Such
// a word changes only in the row step and where the first envelope finishes,
// so only then can the bookkeeping find anything to do. (Where the word was
// 0, it has none: the word is still 0, as the last frame left it.)
inline void endSoundingTrackFrame(uint32_t* voiceArea, int32_t track, bool endsWithFirstEnvelope, bool firstOfRow,
                                  int32_t& keptNote, bool& changed) {
    const uint32_t* voice = voiceRecord(voiceArea, track);
    if (firstOfRow || (endsWithFirstEnvelope && wordInt(voice[WORD_FIRST_SLOT]) == STAGE_DONE)) {
        endTrackFrame(voiceArea, track, endsWithFirstEnvelope, keptNote, changed);
    }
}

// A group's frame leaves the track's outputs for the master. The master's
// thread read the place last, a few chunks before: it is claimed a few
// frames ahead, so that the wait for it overlaps the work.
inline void keepTrackOutputs(TrackFrames& frames, int32_t frame, const uint32_t* voiceArea, int32_t track) {
    enum { CLAIM_AHEAD = 16 };
    if (frame + CLAIM_AHEAD < TRACK_CHUNK) __builtin_prefetch(frames.outputs[track][frame + CLAIM_AHEAD], 1);
    std::memcpy(frames.outputs[track][frame], voiceRecord(voiceArea, track) + WORD_SEND_LEFT,
                sizeof frames.outputs[track][frame]);
}

// OP_MIX over the groups' frames.
inline void mixTrackFrames(int32_t leftWord, const TrackFrames& frames, int32_t frame, double& left, double& right) {
    mixOutputs(leftWord, [&frames, frame](int32_t t) { return frames.outputs[t][frame]; }, left, right);
}

// Any non-zero note keeps the master active.
inline void startMasterFrame(SynthEngine& engine) {
    setWordInt(voiceRecord(engine.state, MASTER_VOICE)[WORD_NOTE], TRACK_COUNT);
}

// The next frame's place in the song.
inline void advanceRowFrame(int32_t& row, int32_t& frameInRow) {
    if (++frameInRow == SAMPLES_PER_ROW) {
        frameInRow = 0;
        ++row;
    }
}

// After the master: the delay clock and the song position move on a frame,
// and the master's outputs are the frame's, clamped.
inline StereoFrame endFrame(SynthEngine& engine) {
    ++engine.state.delayClock;
    advanceRowFrame(engine.row, engine.frameInRow);
    const uint32_t* master = voiceRecord(engine.state, MASTER_VOICE);
    return {clampSample(wordFloat(master[WORD_MAIN_LEFT])), clampSample(wordFloat(master[WORD_MAIN_RIGHT]))};
}
