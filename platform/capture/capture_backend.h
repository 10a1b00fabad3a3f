// What quorvel-capture steers and reads of the capture backend beyond the
// platform layer: the frame the virtual clock stands at, and the sound that
// the virtual wave device was handed.
//
// The clock. At f frames per second the counter runs at f * 2^28 ticks a
// second and frame n reads f + n * 2^28: one frame is exactly 2^28 ticks, and
// the first reading is 2^-28 s rather than 0 (the main loop takes a clock
// start of 0.0 for "no frame yet"). Every reading is exact in a double, and the
// main loop's quotient is n / f + 2^-28 correctly rounded; taking the first
// reading away is exact again, so frame n's demoTime is n / f to within one
// unit in its last place, and exactly n / f wherever that is a multiple of
// 2^-28 s: every whole second, so that a moment of the show on a whole second
// (the music starts in the first frame past one) falls exactly on a frame.
//
// The sound follows the same ticks: a frame lasts exactly 44100 / f sound
// frames, so the sound played between two frames is floor(frames * 44100 / f).
#pragma once

#include <atomic>
#include <cstdint>

constexpr int64_t CAPTURE_TICKS_PER_FRAME = int64_t(1) << 28;

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
