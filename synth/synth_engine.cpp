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

int32_t renderFrames(SynthEngine& engine, StereoFrame* out, int32_t count) {
    if (engine.song.framesRoutine) return engine.song.framesRoutine(engine, out, count);
    for (int32_t frame = 0; frame < count;) {
        const bool firstOfRow = engine.frameInRow == 0;
        for (int32_t track = 0; track < TRACK_COUNT; ++track) {
            startTrackFrame(engine, track, firstOfRow);
            runUnitList(engine.program, track, engine.state);
            endTrackFrame(engine, track, engine.program.instruments[track].endsWithFirstEnvelope);
        }
        startMasterFrame(engine);
        runUnitList(engine.program, MASTER_VOICE, engine.state);
        out[frame++] = endFrame(engine);
        if (engine.notesChanged) return frame;
    }
    return count;
}

StereoFrame renderFrame(SynthEngine& engine) {
    StereoFrame out;
    renderFrames(engine, &out, 1);
    return out;
}
