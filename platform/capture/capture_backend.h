// What quorvel-capture steers and reads of the capture backend beyond the
// platform layer: the frame the virtual clock stands at, and the sound that
// the virtual wave device was handed.
//
// The clock is a fixed-rate clock (platform/common/fixed_rate_clock.h): frame n
// of f frames per second has demoTime n / f, and the sound follows it.
#pragma once

#include "platform/common/fixed_rate_clock.h"

#include <atomic>
#include <cstdint>


// Readings stay exact in a double below 2^53: 2^25 frames, 9 hours at 1000 fps.
constexpr double CAPTURE_LONGEST_SECONDS = 8000.0;
constexpr int CAPTURE_HIGHEST_FRAME_RATE = 1000;

// The frame rate, 1 to CAPTURE_HIGHEST_FRAME_RATE (60 until set).
void setCaptureFrameRate(int framesPerSecond);
// The frame the clock reads from now on.
void setCaptureFrame(int64_t frame);

// The counter reading of frame n at the current frame rate.
int64_t captureCounterAt(int64_t frame);
// demoTime of frame n, as the main loop works it out from the counter.
double captureDemoTime(int64_t frame);

// Sound frames (44.1 kHz) played between two counter readings, from <= to:
// the elapsed virtual time times 44100, rounded down.
int64_t soundFramesBetween(int64_t fromCounter, int64_t toCounter);

// What the wave device plays: the buffer, its length in stereo frames, and the
// counter reading at which playback began.
struct CaptureSound {
    const std::atomic<float>* samples;
    uint32_t frameCount;
    int64_t startCounter;
};

// 1 and the sound once the music has been handed to the device; 0 before.
int capturedSound(CaptureSound* sound);
