// The studio's transport: where the show stands, in frames of the show
// player's fixed clock, whether it plays, and the loop. Keys come in as
// commands; the studio asks the transport which frame to show next and
// whether that frame follows the last one or needs a seek.
#pragma once

#include <cstdint>

constexpr int64_t NO_MARK = -1;

struct Transport {
    int framesPerSecond;  // of the player's clock
    int64_t lastFrame;    // no seek goes past it (the song's end)
    int64_t frame;        // the frame shown
    bool paused;
    int64_t loopStart, loopEnd;  // NO_MARK until set
    bool loopOn;
};

enum TransportCommand {
    TRANSPORT_PLAY_PAUSE,       // Space
    TRANSPORT_BACK_SECOND,      // Left
    TRANSPORT_FORWARD_SECOND,   // Right
    TRANSPORT_BACK_10_SECONDS,  // Shift+Left
    TRANSPORT_FORWARD_10_SECONDS,
    TRANSPORT_TO_START,         // Home
    TRANSPORT_STEP_BACK,        // comma, while paused
    TRANSPORT_STEP_FORWARD,     // period, while paused
    TRANSPORT_MARK_LOOP_START,  // [
    TRANSPORT_MARK_LOOP_END,    // ]
    TRANSPORT_TOGGLE_LOOP,      // L
};

// Playing from frame 0.
Transport startTransport(int framesPerSecond, int64_t lastFrame);

// Applies a command. Returns 1 when the frame shown moved somewhere other
// than the next frame of play (a seek or a step): the studio must bring the
// show there exactly.
int applyTransportCommand(Transport* transport, TransportCommand command);

// Whether the loop acts: on, with both marks set and its start before its end.
bool loopActive(const Transport& transport);

// While playing: the frame to show once `elapsedFrames` more frames of the
// clock have passed since the frame shown, with the loop applied (past the
// loop's end play goes on from its start, as many times as it wraps) and the
// song's end held. *wrapped says whether the loop sent play back. Does not
// change the transport; paused, it is the frame shown.
int64_t framePlayedAfter(const Transport& transport, int64_t elapsedFrames, bool* wrapped);
