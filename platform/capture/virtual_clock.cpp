// The capture's clock: it stands still until the capture moves it to the next
// frame, so every frame sees exactly the time it would have at a fixed rate.
#include "platform/capture/capture_backend.h"
#include "platform/platform.h"

namespace {

int framesPerSecond = 60;
int64_t currentFrame = 0;

}  // namespace

void setCaptureFrameRate(int rate) { framesPerSecond = rate; }

void setCaptureFrame(int64_t frame) { currentFrame = frame; }

int64_t captureCounterAt(int64_t frame) {
    // round(frame * F / fps) without the product overflowing: whole seconds
    // first, then the remainder, rounded half up.
    const int64_t seconds = frame / framesPerSecond;
    const int64_t rest = frame % framesPerSecond;
    const int64_t restTicks = (rest * CAPTURE_COUNTER_FREQUENCY + framesPerSecond / 2) / framesPerSecond;
    return CAPTURE_COUNTER_FREQUENCY + seconds * CAPTURE_COUNTER_FREQUENCY + restTicks;
}

double captureDemoTime(int64_t frame) {
    const double frequency = static_cast<double>(CAPTURE_COUNTER_FREQUENCY);
    return static_cast<double>(captureCounterAt(frame)) / frequency -
           static_cast<double>(captureCounterAt(0)) / frequency;
}

int64_t soundFramesBetween(int64_t fromCounter, int64_t toCounter) {
    const int64_t SAMPLE_RATE = 44100;
    const int64_t elapsed = toCounter - fromCounter;
    return elapsed / CAPTURE_COUNTER_FREQUENCY * SAMPLE_RATE +
           elapsed % CAPTURE_COUNTER_FREQUENCY * SAMPLE_RATE / CAPTURE_COUNTER_FREQUENCY;
}

int64_t platformPerformanceCounter() { return captureCounterAt(currentFrame); }

int64_t platformPerformanceFrequency() { return CAPTURE_COUNTER_FREQUENCY; }
