// A clock at a fixed frame rate, for playing the show off line exactly as it
// would run (quorvel-capture, and a browser page asked for a fixed rate): it
// stands still during a frame and moves by exactly one frame between frames.
//
// At f frames per second the counter runs at f * 2^28 ticks a second and frame
// n reads f + n * 2^28: one frame is exactly 2^28 ticks, and the first reading
// is 2^-28 s rather than 0 (the main loop takes a clock start of 0.0 for "no
// frame yet"). Every reading is exact in a double, and the main loop's
// quotient is n / f + 2^-28 correctly rounded; taking the first reading away
// is exact again, so frame n's demoTime is n / f to within one unit in its
// last place, and exactly n / f wherever that is a multiple of 2^-28 s: every
// whole second, so that a moment of the show on a whole second (the music
// starts in the first frame past one) falls exactly on a frame.
//
// The sound follows the same ticks: a frame lasts exactly 44100 / f sound
// frames, so the sound played between two frames is floor(frames * 44100 / f).
#pragma once

#include <cstdint>

constexpr int64_t FIXED_RATE_TICKS_PER_FRAME = int64_t(1) << 28;

// The counter's ticks per second at framesPerSecond.
int64_t fixedRateFrequency(int framesPerSecond);

// The counter reading of frame n.
int64_t fixedRateCounterAt(int framesPerSecond, int64_t frame);

// Frame n's demoTime, as the main loop works it out from the counter.
double fixedRateDemoTime(int framesPerSecond, int64_t frame);

// Sound frames (44.1 kHz) played between two counter readings, from <= to:
// the elapsed time times 44100, rounded down.
int64_t fixedRateSoundFrames(int framesPerSecond, int64_t fromCounter, int64_t toCounter);
