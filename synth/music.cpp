#include "synth/music.h"

#include "platform/platform.h"
#include "synth/song_render.h"

bool musicStarted = false;

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

void pollMusicNotes(FrameNotes* notes) {
    if (musicStarted) {
        pollNoteTrace(noteTrace, platformWavePosition(), notes);
    } else {
        holdFrameNotes(notes);
    }
}
