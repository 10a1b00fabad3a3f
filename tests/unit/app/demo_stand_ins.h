// Stand-ins for the demo's startDemo and drawFrame, handed to the shell as its
// DemoHooks, so that the shell runs without GL. Each frame records the clock and the music flag and runs the
// real closing fade.
#pragma once

#include "app/main_loop.h"

#include <vector>

struct DemoStandIns {
    bool startDemoFails = false;
    int startDemoCalls = 0;
    std::vector<double> frameTimes;       // the clock of each drawFrame
    std::vector<bool> frameMusicStarted;  // musicStarted as each frame saw it
    double quitTime = 0.0;                // the quit time the last frame saw
};

extern DemoStandIns demoStandIns;
void resetDemoStandIns();
extern const DemoHooks standInDemo;
