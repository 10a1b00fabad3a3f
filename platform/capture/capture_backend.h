// What quorvel-capture steers and reads of the capture backend beyond the
// platform layer: the frame the virtual clock stands at, and the sound that
// the virtual wave device was handed.
//
// The clock. At f frames per second, frame n reads the counter
//     CAPTURE_COUNTER_FREQUENCY + round(n * CAPTURE_COUNTER_FREQUENCY / f)
// at the frequency CAPTURE_COUNTER_FREQUENCY = 2^40 per second. The first
// reading is one second, not zero, because the main loop takes a clock start
// of 0.0 for "no frame yet". Every reading below 2^53 is exact in a double, so
// is its quotient by a power of two, and so is the difference the main loop
// takes: frame n's demoTime is round(n * 2^40 / f) / 2^40 exactly, which is
// n / f to within 2^-41 s and exactly n / f wherever that is a multiple of
// 2^-40 (every whole second: at 60 fps frame 720 is 12.0, so the music starts
// in frame 721, the first one past 12 s).
#pragma once

#include <atomic>
#include <cstdint>

constexpr int64_t CAPTURE_COUNTER_FREQUENCY = int64_t(1) << 40;

// Readings stay exact in a double below 2^53, that is for 8191 s of frames.
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
