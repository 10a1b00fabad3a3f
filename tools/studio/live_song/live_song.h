// The live song: the song's source watched while the studio plays, and each
// save that compiles rendered again by the interpreter on a worker thread,
// while the render playing plays on. The studio takes the new render once it
// has passed the moment playing, so that the switch is heard at once and
// without a gap; a save that does not compile leaves everything as it was.
//
// Two spare renders take the edits in turn, the one not playing (the first
// song is the demo's own render, musicBuffer and noteTrace): with the one
// playing, three buffers of SONG_FRAMES stereo samples (60 MB each), all
// allocated once. One render runs at a time, on an engine of the live song's
// own; a save that comes while a render runs cancels it and starts over.
// Nothing here writes the watched file.
#pragma once

#include "synth/song_render.h"
#include "synth/synth_engine.h"
#include "tools/song_compiler/song_compiler.h"
#include "tools/studio/file_watch/file_watch.h"

#include <atomic>
#include <memory>
#include <string>
#include <thread>

// A render of the song the studio may play, as the song stream and the note
// events take it. It may still be rendering when the studio takes it: its
// finished frames are framesWritten (stored with release ordering).
struct LiveSongRender {
    std::unique_ptr<std::atomic<float>[]> samples;  // SONG_FRAMES stereo frames
    std::unique_ptr<std::atomic<int32_t>[][NOTE_TRACE_ENTRIES]> noteTrace;  // NOTE_TRACE_ROWS rows, as noteTrace
    std::atomic<int32_t> framesWritten;
};

struct LiveSong {
    std::string sourcePath;
    FileWatch watch;
    std::unique_ptr<SynthEngine> engine;
    CompiledSong song;  // the tables the render under way reads
    LiveSongRender renders[2];
    int playing;    // the render the studio plays: 0 or 1, or -1 for the demo's own
    int pending;    // the render of the last save that compiled, not yet taken: 0, 1 or -1
    SongRender render;
    std::thread worker;
    std::atomic<bool> cancel;
};

// Allocates the renders and the engine, and watches sourcePath as it is now:
// the first song is the demo's own. 1 for success.
int startLiveSong(LiveSong* live, const std::string& sourcePath);

enum LiveSongNews {
    LIVE_SONG_UNCHANGED,  // no save since the last look, or one that left the bytes as they were
    LIVE_SONG_RENDERING,  // a save compiled: its render has started (a render under way was cancelled)
    LIVE_SONG_REFUSED,    // a save did not compile, or the file cannot be read: the songs stay as they were
};

// Looks at the source; on a change, compiles and validates it and starts its
// render. On the caller's thread: the song compiles in a few milliseconds,
// and a render under way stops within one slice of it (2048 frames). A
// refusal gives the compiler's "file:line: message" lines (the file named by
// the path the live song watches) in *message.
LiveSongNews pollLiveSong(LiveSong* live, std::string* message);

// Frames the pending render has finished, or -1 when none is pending.
int32_t liveSongProgress(const LiveSong* live);

// The pending render, once it has passed frame (a song frame; one before the
// song's start is passed at once), which from now on is the one playing; null
// while there is none or it has not passed frame yet: the old one plays on.
LiveSongRender* switchLiveSongIfPast(LiveSong* live, int32_t frame);

// Cancels the render under way and waits for its worker to end: before the
// live song goes.
void stopLiveSong(LiveSong* live);
