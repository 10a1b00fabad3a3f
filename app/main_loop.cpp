#include "app/main_loop.h"

#include "demo/show_timeline.h"
#include "platform/platform.h"
#include "synth/music.h"

namespace {

// What the loop carries from pass to pass: the counter reading of the first
// frame in seconds (0 until then), the demo clock (seconds since the first
// frame), the frame's notes and the show's state.
double clockStart = 0.0;
double demoTime = 0.0;
FrameNotes frameNotes;
ShowState show;

void advanceDemoClock() {
    // Both are read on every pass, the frequency too.
    int64_t counter = platformPerformanceCounter();
    int64_t frequency = platformPerformanceFrequency();
    double seconds = static_cast<double>(counter) / static_cast<double>(frequency);
    if (clockStart == 0.0) clockStart = seconds;
    demoTime = seconds - clockStart;
}

void drainEvents() {
    PlatformEvent event;
    while (platformPollEvent(&event)) {
        // The quit request starts the closing fade; it does not leave the loop.
        if (event.kind == EVENT_QUIT) {
            show.quitRequested = true;
            show.quitTime = demoTime;
        } else {
            answerWindowEvent(event);
        }
    }
}

// Returns 1 when this is the last frame (the closing fade has finished).
int runLoopPass(const DemoHooks& demo) {
    advanceDemoClock();
    if (demoTime > MUSIC_START && !musicStarted) startMusic();
    pollMusicNotes(&frameNotes);
    drainEvents();
    int done = demo.frame(&show, demoTime, frameNotes, PICTURE_DRAWN);
    if (show.fadeFinished) done = 1;
    return done;
}

}  // namespace

void runMainLoop(WindowContext* context, const DemoHooks& demo) {
    clockStart = demoTime = 0.0;
    frameNotes = FrameNotes();
    resetShowState(&show);
    int done = 0;
    while (!done) {
        done = runLoopPass(demo);
        platformSwapBuffers(context->deviceContext);
    }
}
