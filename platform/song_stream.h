// The studio's sound: a rendered song played from a position the caller moves.
// It pauses (silence, the position holds), seeks (the next device buffer plays
// from there), and switches to another render of the song at the position it
// has reached, without a gap. SDL only: the studio is a desktop program.
//
// Like the wave output it plays only finished frames: a device buffer whose
// frames are not all rendered yet is played as silence, counted as an
// underrun, and the position waits for the render.
//
// Positions are song frames at 44.1 kHz (32-bit float stereo, interleaved left
// first). A negative position lies before the song's first frame: the stream
// plays silence there and counts up through it into the song, so a caller
// whose clock starts before the music passes its moment's frame as it is,
// (t - MUSIC_START) x 44100, and hears the song begin on time. Past the last
// frame it plays silence and counts on.
#pragma once

#include <atomic>
#include <cstdint>

// A render of a song, written by another thread while it plays. The caller's:
// kept alive and unchanged while the stream may play it, so that one pointer
// hands the stream all three at once.
struct SongStreamSource {
    const std::atomic<float>* samples;          // frameCount stereo frames
    int32_t frameCount;
    const std::atomic<int32_t>* framesWritten;  // finished frames, stored with release ordering
};

// Opens the default output device, silent until playSongStream. 1 on success;
// on failure nothing plays, and the calls below change nothing audible.
int openSongStream();

// Starts playing source from frame on. The device takes the two together
// when it had no source before; one that had may play one device buffer of
// the old source from the new frame (seek and switch are the moves that keep
// the sound whole).
void playSongStream(const SongStreamSource* source, int32_t frame);

// Silence while paused; the position holds and resuming goes on from it.
void pauseSongStream(bool paused);

// The next device buffer plays from frame.
void seekSongStream(int32_t frame);

// Plays source from the position the stream has reached (the live song: the
// same song, rendered again, taken over between two device buffers).
void switchSongStream(const SongStreamSource* source);

// The frame the device is playing: where the last device buffer handed over
// began, or the frame of a seek not yet taken. Trails the sound by less than
// one device buffer (11.6 ms), as the wave output's position does.
int32_t songStreamPosition();

// Device buffers played as silence because their frames were not rendered yet.
uint32_t songStreamUnderruns();

// How far the render of the source playing is ahead of the position, in
// frames (negative while the position waits for it).
int32_t songStreamLead();
