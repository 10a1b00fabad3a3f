// quorvel-studio's state: the show played by the seekable player, where the
// transport stands, what the window shows and what the studio watches.
#pragma once

#include "app/app_window.h"
#include "app/show_player.h"
#include "platform/song_stream.h"
#include "tools/studio/held_frame/held_frame.h"
#include "tools/studio/live_shaders/live_shaders.h"
#include "tools/studio/live_song/live_song.h"
#include "tools/studio/overlay/frame_times.h"
#include "tools/studio/overlay/overlay.h"
#include "tools/studio/studio_options.h"
#include "tools/studio/transport/transport.h"

#include <string>

// The frame rate of the player's clock when the studio follows the real
// clock: the show's state steps as it does in a run at 60 frames a second,
// however fast the window draws.
constexpr int REAL_TIME_FRAME_RATE = 60;

struct Studio {
    StudioOptions options;
    bool realTime;  // the real clock, with sound; else a fixed clock, one frame a picture
    WindowContext window;
    ShowPlayer player;
    Transport transport;
    HeldFrame held;

    // The song playing: the demo's own render, or one of the live song's.
    SongStreamSource demoSource;
    SongStreamSource liveSources[2];
    const SongStreamSource* song;
    bool sound;  // a device plays it
    LiveSong liveSong;
    bool liveSongWatched;
    LiveShaders liveShaders;
    std::string songError;

    // Where the clock was anchored: the frame shown at that counter reading.
    int64_t anchorFrame;
    double anchorSeconds;

    bool quitting;  // Escape: the closing fade plays, then the studio ends
    bool overlayShown;
    Overlay overlay;
    FrameTimes frameTimes;
};

// The song frame the sound plays at a frame of the player's clock: the song
// position the player gives that frame, negative before the music starts.
int32_t songFrameOf(const ShowPlayer& player, int64_t frame);

// Plays until Escape's fade ends or the window is closed. Returns the exit code.
int runStudio(Studio* studio);
