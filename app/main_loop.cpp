#include "app/main_loop.h"

#include "demo/show_timeline.h"
#include "platform/platform.h"
#include "synth/music.h"

namespace {

// What the loop carries from pass to pass: the counter reading of the first
// frame in seconds (0 until then), the demo clock (seconds since the first
// frame) and the frame's notes.
double clockStart = 0.0;
double demoTime = 0.0;
FrameNotes frameNotes;

void advanceDemoClock() {
    // Both are read on every pass, the frequency too.
    int64_t counter = platformPerformanceCounter();
    int64_t frequency = platformPerformanceFrequency();
    double seconds = static_cast<double>(counter) / static_cast<double>(frequency);
    if (clockStart == 0.0) clockStart = seconds;
    demoTime = seconds - clockStart;
}

void drainMessages() {
    PlatformMessage message;
    while (platformPeekMessage(&message)) {
        // The quit message starts the closing fade; it does not leave the loop.
        if (message.type == MSG_QUIT) {
            quitRequested = true;
            quitTime = demoTime;
        }
        platformDispatchMessage(message);
    }
}

}  // namespace

int runLoopPass(const DemoHooks& demo) {
    advanceDemoClock();
    if (demoTime > MUSIC_START && !musicStarted) startMusic();
    pollMusicNotes(&frameNotes);
    drainMessages();
    int done = demo.frame(demoTime, frameNotes);
    if (fadeFinished) done = 1;
    return done;
}

void runMainLoop(WindowContext* context, const DemoHooks& demo) {
    clockStart = demoTime = 0.0;
    frameNotes = FrameNotes();
    int done = 0;
    while (!done) {
        done = runLoopPass(demo);
        platformSwapBuffers(context->deviceContext);
    }
}
