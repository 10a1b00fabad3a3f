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
    return 1;
}

float clampSample(float value) {
    if (value > 1.0f) return 1.0f;
    if (value < -1.0f) return -1.0f;
    if (value != value) return 0.0f;
    return value;
}

void renderTrack(SynthEngine& engine, int32_t track) {
    runUnitList(engine.program, track, engine.state);
    uint32_t* voice = voiceRecord(engine.state, track);
    if (engine.program.instruments[track].endsWithFirstEnvelope && wordInt(voice[WORD_FIRST_SLOT]) == STAGE_DONE) {
        setWordInt(voice[WORD_NOTE], 0);
    }
    engine.trackNotes[track] = wordInt(voice[WORD_NOTE]);
}

StereoFrame renderFrame(SynthEngine& engine) {
    SynthState& state = engine.state;
    // Track by track: a track's row step happens just before it renders, so
    // a note-on wipes what lower tracks stored into it this frame.
    for (int32_t track = 0; track < TRACK_COUNT; ++track) {
        if (engine.frameInRow == 0) sequencerRowStep(engine.song, state, track, engine.row);
        renderTrack(engine, track);
    }
    uint32_t* master = voiceRecord(state, MASTER_VOICE);
    setWordInt(master[WORD_NOTE], TRACK_COUNT);  // any non-zero note keeps the master active
    runUnitList(engine.program, MASTER_VOICE, state);

    if (++engine.frameInRow == SAMPLES_PER_ROW) {
        engine.frameInRow = 0;
        ++engine.row;
    }
    return {clampSample(wordFloat(master[WORD_MAIN_LEFT])), clampSample(wordFloat(master[WORD_MAIN_RIGHT]))};
}
