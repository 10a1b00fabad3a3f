// Level figures of a stereo render, as a mastering engineer reads them.
#pragma once

#include <cstdint>
#include <vector>

// Interleaved stereo samples, left first.
using StereoSamples = std::vector<float>;

// 20 log10 of the RMS of both channels over frames [first, end); -inf for silence.
double rmsDbfs(const StereoSamples& samples, int64_t first, int64_t end);

// RMS of left minus right over frames [first, end), in dBFS.
double sideDbfs(const StereoSamples& samples, int64_t first, int64_t end);

// Mean of one channel (0 left, 1 right) over the whole render.
double dcOffset(const StereoSamples& samples, int channel);

// Samples at full scale (+-1), which is what the final clamp leaves of overs.
int64_t clampedSamples(const StereoSamples& samples);

// Loudest absolute sample over frames [first, end), in dBFS.
double peakDbfs(const StereoSamples& samples, int64_t first, int64_t end);

// The windows of windowFrames that hold more than thresholdDbfs (RMS): the
// first and last such window, and the longest run of quieter windows between.
struct QuietStretch {
    int64_t firstLoudFrame;  // -1 when no window is loud
    int64_t lastLoudEndFrame;
    int64_t longestQuietFrames;
};
QuietStretch findQuietStretch(const StereoSamples& samples, int64_t windowFrames, double thresholdDbfs);
