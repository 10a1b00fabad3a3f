#include "tools/render_song/sample_stats.h"

#include <cmath>

ChannelStats channelStats(const std::atomic<float>* samples, int64_t frames, int channel) {
    ChannelStats stats{0.0, 0.0, 0};
    double sumOfSquares = 0.0;
    for (int64_t frame = 0; frame < frames; ++frame) {
        const double value = samples[2 * frame + channel].load(std::memory_order_relaxed);
        const double magnitude = std::fabs(value);
        if (magnitude > stats.peak) stats.peak = magnitude;
        if (magnitude >= 1.0) ++stats.clamped;
        sumOfSquares += value * value;
    }
    stats.rms = frames > 0 ? std::sqrt(sumOfSquares / static_cast<double>(frames)) : 0.0;
    return stats;
}

double decibels(double level) { return 20.0 * std::log10(level); }
