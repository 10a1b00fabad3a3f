#include "synth/music.h"

#include "platform/platform.h"
#include "synth/song_render.h"

void startMusic() {
    // The render goes first and the device is handed the whole buffer at once:
    // playback begins while the render has only begun and relies on it running
    // far ahead. Nothing here waits, and no result changes what follows: without
    // a device the demo runs on silently.
    platformStartThread(renderSong, musicBuffer);
    platformOpenWaveOutput();
    platformPlayWaveBuffer(musicBuffer, SONG_FRAMES, &renderedFrames);
    musicStarted = true;
}

void pollMusicNotes() {
    if (musicStarted) pollMusicNotesAt(platformWavePosition());
}

void pollMusicNotesAt(uint32_t position) {
    uint32_t block = position / NOTE_TRACE_BLOCK;
    // A device that counts past the song (or in other units) must not take the
    // poll past the table: it then reads the song's last block.
    if (block >= NOTE_TRACE_ROWS) block = NOTE_TRACE_ROWS - 1;
    const std::atomic<int32_t>* row = noteTrace[block];
    for (int t = 0; t < NOTE_TRACKS; ++t) {
        int32_t note = row[2 * t].load(std::memory_order_relaxed);
        if (note != trackNote[t]) {
            trackNote[t] = note;
            noteSeen[t] = 0;
        }
    }
}
