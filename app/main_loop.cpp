#include "app/main_loop.h"

#include "demo/show_timeline.h"
#include "platform/platform.h"
#include "synth/music.h"

namespace {

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
            quitRequested = true;
            quitTime = demoTime;
        } else {
            answerWindowEvent(event);
        }
    }
}

}  // namespace

int runLoopPass(const DemoHooks& demo) {
    advanceDemoClock();
    if (demoTime > MUSIC_START && !musicStarted) startMusic();
    pollMusicNotes();
    drainEvents();
    int done = demo.frame();
    if (fadeFinished) done = 1;
    return done;
}

void runMainLoop(WindowContext* context, const DemoHooks& demo) {
    int done = 0;
    while (!done) {
        done = runLoopPass(demo);
        platformSwapBuffers(context->deviceContext);
    }
}
