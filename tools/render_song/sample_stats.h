// Levels of one channel of the rendered song.
#pragma once

#include <atomic>
#include <cstdint>

struct ChannelStats {
    double peak;          // largest magnitude
    double rms;
    int64_t clamped;      // samples at +-1, where the render's clamp holds them
};

// Channel `channel` (0 left, 1 right) of `frames` interleaved stereo frames.
ChannelStats channelStats(const std::atomic<float>* samples, int64_t frames, int channel);

// 20 log10(level); -infinity for 0.
double decibels(double level);
