// The capture's clock: it stands still until the capture moves it to the next
// frame, so every frame sees exactly the time it would have at a fixed rate.
#include "platform/capture/capture_backend.h"
#include "platform/platform.h"

namespace {

int framesPerSecond = 60;
int64_t currentFrame = 0;

int64_t ticksPerSecond() { return fixedRateFrequency(framesPerSecond); }

}  // namespace

void setCaptureFrameRate(int rate) { framesPerSecond = rate; }

void setCaptureFrame(int64_t frame) { currentFrame = frame; }

int64_t captureCounterAt(int64_t frame) { return fixedRateCounterAt(framesPerSecond, frame); }

double captureDemoTime(int64_t frame) { return fixedRateDemoTime(framesPerSecond, frame); }

int64_t soundFramesBetween(int64_t fromCounter, int64_t toCounter) {
    return fixedRateSoundFrames(framesPerSecond, fromCounter, toCounter);
}

int64_t platformPerformanceCounter() { return captureCounterAt(currentFrame); }

int64_t platformPerformanceFrequency() { return ticksPerSecond(); }
