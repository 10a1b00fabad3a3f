// The main loop: the real clock, the live sound, the messages, a frame a pass.
#pragma once

#include "app/app_window.h"
#include "demo/demo.h"

// The show as the shell drives it, handed in as plain function pointers: the
// program hands in the demo's startDemo and drawFrame, the shell's tests hand
// in stand-ins that run without GL.
struct DemoHooks {
    int (*start)(const LoadProgress& progress, DisplayConfig* display);
    int (*frame)(ShowState* show, double time, const FrameNotes& notes, FramePicture picture);  // see drawFrame
};

// Runs passes, swapping buffers after each (the last one too), until the
// closing fade has finished. Each pass steps the demo clock, starts the music
// once past MUSIC_START, polls the music's notes, drains the message queue and
// draws a frame.
void runMainLoop(WindowContext* context, const DemoHooks& demo);
