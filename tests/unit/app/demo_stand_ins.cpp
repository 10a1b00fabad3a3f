#include "tests/unit/app/demo_stand_ins.h"

#include "demo/post/closing_fade.h"
#include "synth/music.h"

DemoStandIns demoStandIns;

namespace {

FadeValues fade = {1.0f, 1.0f, 0.0f};

int startStandIn(const LoadProgress&, DisplayConfig*) {
    ++demoStandIns.startDemoCalls;
    return demoStandIns.startDemoFails ? 0 : 1;
}

int drawStandInFrame(double time, const FrameNotes&) {
    demoStandIns.frameTimes.push_back(time);
    demoStandIns.frameMusicStarted.push_back(musicStarted);
    if (quitRequested && stepClosingFade(&fade, time - quitTime)) fadeFinished = true;
    return 0;
}

}  // namespace

void resetDemoStandIns() {
    demoStandIns = DemoStandIns();
    fade = FadeValues{1.0f, 1.0f, 0.0f};
}

const DemoHooks standInDemo = {startStandIn, drawStandInFrame};
