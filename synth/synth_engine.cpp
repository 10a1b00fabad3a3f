#include "synth/synth_engine.h"


int startEngine(SynthEngine& engine, const Song& song, SongFault* fault) {
    if (!validateSong(song, fault)) return 0;
    compileSong(song, engine.program);
    resetSynthState(engine.state, engine.program.poolRecords);
    engine.song = song;
    engine.row = 0;
    engine.frameInRow = 0;
    for (int32_t& note : engine.trackNotes) note = 0;
    engine.notesChanged = false;
    return 1;
}

float clampSample(float value) {
    if (value > 1.0f) return 1.0f;
    if (value < -1.0f) return -1.0f;
    if (value != value) return 0.0f;
    return value;
}

StereoFrame renderFrame(SynthEngine& engine) {
    if (engine.song.frameRoutine) {
        engine.song.frameRoutine(engine);
    } else {
        const bool firstOfRow = engine.frameInRow == 0;
        for (int32_t track = 0; track < TRACK_COUNT; ++track) {
            startTrackFrame(engine, track, firstOfRow);
            runUnitList(engine.program, track, engine.state);
            endTrackFrame(engine, track, engine.program.instruments[track].endsWithFirstEnvelope);
        }
        startMasterFrame(engine);
        runUnitList(engine.program, MASTER_VOICE, engine.state);
    }
    ++engine.state.delayClock;
    if (++engine.frameInRow == SAMPLES_PER_ROW) {
        engine.frameInRow = 0;
        ++engine.row;
    }
    const uint32_t* master = voiceRecord(engine.state, MASTER_VOICE);
    return {clampSample(wordFloat(master[WORD_MAIN_LEFT])), clampSample(wordFloat(master[WORD_MAIN_RIGHT]))};
}
