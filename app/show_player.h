// The show on a fixed-rate clock, frame by frame from any frame: what
// quorvel-capture plays, and what quorvel-studio plays, pauses, steps and
// seeks.
//
// Frame n of f frames a second has the demo clock the main loop works out
// from the fixed-rate counter (platform/common/fixed_rate_clock.h). The music
// starts in the first frame past MUSIC_START; frame n hears the song at the
// sound frames played from that frame to frame n, clamped to the song, and
// its notes are polled from the player's note trace there.
//
// A seek puts the show back to its start and replays the frames before the
// target with their pictures skipped, so that the target's picture, whatever
// seeks came before, is the one a run from frame 0 draws, bit for bit.
#pragma once

#include "demo/demo.h"
#include "synth/frame_notes.h"

#include <cstdint>

constexpr int64_t NO_SHOW_FRAME = -1;

// Plain fields, for reading; the functions below change them.
struct ShowPlayer {
    int framesPerSecond;
    NoteTrace trace;          // the song whose notes the frames poll
    void (*musicStarts)();    // called when the frame the music starts in is played (not replayed); may be null
    int64_t musicStartFrame;  // the first frame past MUSIC_START
    int64_t quitFrame;        // the frame a quit comes in, NO_SHOW_FRAME for none
    int64_t nextFrame;        // the frame playShowFrame plays next
    uint32_t songPosition;    // the last frame's song position in sample frames; 0 before the music
    ShowState show;           // show.fadeFinished: the closing fade finished in the last frame
    FrameNotes notes;         // the last frame's notes
};

// A player before frame 0 at framesPerSecond (1 to 1000) over `trace`, without
// a quit or a musicStarts hook.
void startShowPlayer(ShowPlayer* player, int framesPerSecond, NoteTrace trace);

// The demo clock of a frame.
double showFrameTime(const ShowPlayer& player, int64_t frame);

// Where in the song a frame is: the sound frames from the music's first frame
// to it, negative before that frame (the song still to come) and past the
// song's end after it. The frame's song position is this, within the song.
int64_t showSongFrame(const ShowPlayer& player, int64_t frame);

// Plays frame nextFrame, its picture drawn into the window or skipped, and
// moves on by one. Returns 1 when the closing fade finished with it.
int playShowFrame(ShowPlayer* player, FramePicture picture);

// Makes `frame` (0 or later) the next frame played, exactly as a run from 0
// reaches it: the frames before it are replayed skipped, from frame 0 when it
// lies behind the next frame, and the window is left as it was.
void seekShow(ShowPlayer* player, int64_t frame);

// The frame in which a quit comes and the closing fade starts (NO_SHOW_FRAME:
// none); a seek to a later frame replays it.
void setShowQuitFrame(ShowPlayer* player, int64_t frame);

// Frames from the next one on poll `trace` (a song edited while it plays); so
// does the replay of a later seek.
void switchNoteTrace(ShowPlayer* player, NoteTrace trace);
