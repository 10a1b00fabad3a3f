#include "tests/unit/app/demo_stand_ins.h"

#include "demo/closing_fade.h"
#include "demo/demo.h"
#include "synth/music.h"

DemoStandIns demoStandIns;

namespace {
FadeValues fade = {1.0f, 1.0f, 0.0f};
}

void resetDemoStandIns() {
    demoStandIns = DemoStandIns();
    fade = FadeValues{1.0f, 1.0f, 0.0f};
}

int startDemo(const LoadProgress&, DisplayConfig*) {
    ++demoStandIns.startDemoCalls;
    return demoStandIns.startDemoFails ? 0 : 1;
}

int drawFrame() {
    demoStandIns.frameTimes.push_back(demoTime);
    demoStandIns.frameMusicStarted.push_back(musicStarted);
    if (quitRequested && stepClosingFade(&fade, demoTime - quitTime)) fadeFinished = true;
    return 0;
}
