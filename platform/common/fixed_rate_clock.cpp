#include "platform/common/fixed_rate_clock.h"

int64_t fixedRateFrequency(int framesPerSecond) { return framesPerSecond * FIXED_RATE_TICKS_PER_FRAME; }

int64_t fixedRateCounterAt(int framesPerSecond, int64_t frame) {
    return framesPerSecond + frame * FIXED_RATE_TICKS_PER_FRAME;
}

double fixedRateDemoTime(int framesPerSecond, int64_t frame) {
    // Both readings in seconds, then their difference, as the loop takes them.
    const double frequency = static_cast<double>(fixedRateFrequency(framesPerSecond));
    return static_cast<double>(fixedRateCounterAt(framesPerSecond, frame)) / frequency -
           static_cast<double>(fixedRateCounterAt(framesPerSecond, 0)) / frequency;
}

int64_t fixedRateSoundFrames(int framesPerSecond, int64_t fromCounter, int64_t toCounter) {
    const int64_t SAMPLE_RATE = 44100;
    const int64_t elapsed = toCounter - fromCounter;
    const int64_t ticksPerSecond = fixedRateFrequency(framesPerSecond);
    // Whole seconds first, so that the product stays far inside 64 bits.
    return elapsed / ticksPerSecond * SAMPLE_RATE + elapsed % ticksPerSecond * SAMPLE_RATE / ticksPerSecond;
}
