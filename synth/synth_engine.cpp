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

void startTrackGroups(SynthEngine& engine) {
    for (TrackGroupState& group : engine.groups) {
        group.noiseSeed = engine.state.noiseSeed;
        std::memcpy(group.keptNotes, engine.trackNotes, sizeof group.keptNotes);
        for (uint32_t& word : group.masterStores) word = 0;  // as the reset master record's
        // The records the song's delay units use: the rest of the pool stays untouched.
        for (int32_t record = 0; record < engine.program.poolRecords; ++record) {
            group.dcBlockers[record] = engine.state.delayPool[record].dcBlocker;
        }
        std::memcpy(group.voiceArea, engine.state.voiceArea, sizeof group.voiceArea);
    }
}

int32_t renderFrames(SynthEngine& engine, StereoFrame* out, int32_t count) {
    if (engine.song.framesRoutine) return engine.song.framesRoutine(engine, out, count);
    for (int32_t frame = 0; frame < count;) {
        const bool firstOfRow = engine.frameInRow == 0;
        for (int32_t track = 0; track < TRACK_COUNT; ++track) {
            startTrackFrame(engine.song, engine.state.voiceArea, track, engine.row, firstOfRow);
            runUnitList(engine.program, track, engine.state);
            endTrackFrame(engine.state.voiceArea, track, engine.program.instruments[track].endsWithFirstEnvelope,
                          engine.trackNotes[track], engine.notesChanged);
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
