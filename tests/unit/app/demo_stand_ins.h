// Stand-ins for the demo's startDemo and drawFrame, so that the shell runs
// against the fake platform without GL. The frame runs the real closing fade.
#pragma once

#include <vector>

struct DemoStandIns {
    bool startDemoFails = false;
    int startDemoCalls = 0;
    std::vector<double> frameTimes;        // demoTime of each drawFrame
    std::vector<bool> frameMusicStarted;   // musicStarted as each frame saw it
    std::vector<float> frameFadeScaleX;    // the fade's width after each frame
    std::vector<float> frameFadeScaleY;
};

extern DemoStandIns demoStandIns;
void resetDemoStandIns();
