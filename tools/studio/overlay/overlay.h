// The studio's overlay: the show's clock and song position, a timeline bar
// with the show's named moments and the loop, the tracks' notes (each flashing
// as it changes), the frame times, the sound's lead and underruns, and the
// newest error, written with the show's own font sheet over the frame.
#pragma once

#include "synth/song.h"

#include <cstdint>

struct FrameTimes;

// What to show this frame; the studio fills it.
struct OverlayInfo {
    double seconds;             // the show's clock
    uint32_t songFrame;         // the song's position in sample frames (0 before it starts)
    const int32_t* trackNotes;  // TRACK_COUNT note words: 0 silent, else the note playing
    bool loopStartSet, loopEndSet, loopOn;
    double loopStart, loopEnd;  // in seconds of the show's clock, where set
    const FrameTimes* frameTimes;
    double soundLeadSeconds;  // how far the sound written runs ahead of what is heard
    int underruns;            // times the sound ran dry so far
    const char* error;        // the newest shader or song error ("" for none); '\n' between lines
};

// When each track's note last changed, for its flash.
struct Overlay {
    int32_t notes[TRACK_COUNT];
    double changedAt[TRACK_COUNT];
};

void resetOverlay(Overlay* overlay);

// Notes which tracks' notes changed; call it every frame, shown or not, so
// that showing the overlay does not flash every note at once.
void followOverlayNotes(Overlay* overlay, const OverlayInfo& info);

// Draws over the current frame in the window's back buffer (width x height
// pixels), after the show's frame and before the swap. Every GL state it
// changes is restored: the show's next frame finds what it left.
void drawOverlay(const Overlay& overlay, const OverlayInfo& info, int width, int height);
