#include "tests/unit/app/demo_stand_ins.h"

#include "demo/post/closing_fade.h"
#include "synth/music.h"

DemoStandIns demoStandIns;

namespace {

int startStandIn(const LoadProgress&, DisplayConfig*) {
    ++demoStandIns.startDemoCalls;
    return demoStandIns.startDemoFails ? 0 : 1;
}

int drawStandInFrame(ShowState* show, double time, const FrameNotes&, FramePicture) {
    demoStandIns.frameTimes.push_back(time);
    demoStandIns.frameMusicStarted.push_back(musicStarted);
    demoStandIns.quitTime = show->quitTime;
    if (show->quitRequested && stepClosingFade(&show->post.screen.fade, time - show->quitTime)) {
        show->fadeFinished = true;
    }
    return 0;
}

}  // namespace

void resetDemoStandIns() { demoStandIns = DemoStandIns(); }

const DemoHooks standInDemo = {startStandIn, drawStandInFrame};
