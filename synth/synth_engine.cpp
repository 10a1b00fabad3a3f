#include "synth/synth_engine.h"

#include "synth/sequencer.h"

int startEngine(SynthEngine& engine, const Song& song, SongFault* fault) {
    if (!validateSong(song, fault)) return 0;
    compileSong(song, engine.program);
    resetSynthState(engine.state, engine.program.poolRecords);
    engine.song = song;
    engine.row = 0;
    engine.frameInRow = 0;
    for (int32_t& note : engine.trackNotes) note = 0;
    for (TrackPlace& place : engine.trackPlaces) place = TRACK_HERE;
    return 1;
}

float clampSample(float value) {
    if (value > 1.0f) return 1.0f;
    if (value < -1.0f) return -1.0f;
    if (value != value) return 0.0f;
    return value;
}

namespace {

// One track's part of a frame: its unit list, then the bookkeeping: the voice
// falls silent when the envelope in its slot 0 is done, and its note word is
// kept in trackNotes.
inline void renderTrack(SynthEngine& engine, int32_t track) {
    runUnitList(engine.program, track, engine.state);
    uint32_t* voice = voiceRecord(engine.state, track);
    if (engine.program.instruments[track].endsWithFirstEnvelope && wordInt(voice[WORD_FIRST_SLOT]) == STAGE_DONE) {
        setWordInt(voice[WORD_NOTE], 0);
    }
    engine.trackNotes[track] = wordInt(voice[WORD_NOTE]);
}

}  // namespace

StereoFrame renderFrame(SynthEngine& engine, const TrackOutputs* elsewhere) {
    SynthState& state = engine.state;
    // Track by track: a track's row step happens just before it renders, so
    // a note-on wipes what lower tracks stored into it this frame.
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        if (engine.trackPlaces[track] == TRACK_HERE) {
            if (engine.frameInRow == 0) sequencerRowStep(engine.song, state, track, engine.row);
            renderTrack(engine, track);
        } else {
            uint32_t* outputs = voiceRecord(state, track) + WORD_SEND_LEFT;
            for (int32_t w = 0; w < TRACK_OUTPUT_WORDS; ++w) outputs[w] = elsewhere->words[track][w];
        }
    }
    if (++engine.frameInRow == SAMPLES_PER_ROW) {
        engine.frameInRow = 0;
        ++engine.row;
    }
    uint32_t* master = voiceRecord(state, MASTER_VOICE);
    setWordInt(master[WORD_NOTE], TRACK_COUNT);  // any non-zero note keeps the master active
    runUnitList(engine.program, MASTER_VOICE, state);
    return {clampSample(wordFloat(master[WORD_MAIN_LEFT])), clampSample(wordFloat(master[WORD_MAIN_RIGHT]))};
}

void renderTrackFrames(SynthEngine& engine, int32_t track, int32_t first, int32_t count, TrackOutputs* outputs) {
    const uint32_t* words = voiceRecord(engine.state, track) + WORD_SEND_LEFT;
    int32_t row = first / SAMPLES_PER_ROW, frameInRow = first % SAMPLES_PER_ROW;
    for (int32_t i = 0; i < count; ++i) {
        if (frameInRow == 0) sequencerRowStep(engine.song, engine.state, track, row);
        renderTrack(engine, track);
        for (int32_t w = 0; w < TRACK_OUTPUT_WORDS; ++w) outputs[i].words[track][w] = words[w];
        if (++frameInRow == SAMPLES_PER_ROW) {
            frameInRow = 0;
            ++row;
        }
    }
}
