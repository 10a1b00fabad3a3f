#include "tests/unit/song/audio_measures.h"

#include <algorithm>
#include <cmath>

namespace {

double toDb(double amplitude) { return 20.0 * std::log10(amplitude); }

}  // namespace

double rmsDbfs(const StereoSamples& samples, int64_t first, int64_t end) {
    double sum = 0;
    for (int64_t i = 2 * first; i < 2 * end; ++i) sum += double(samples[i]) * samples[i];
    return toDb(std::sqrt(sum / double(2 * (end - first))));
}

double sideDbfs(const StereoSamples& samples, int64_t first, int64_t end) {
    double sum = 0;
    for (int64_t f = first; f < end; ++f) {
        double side = double(samples[2 * f]) - samples[2 * f + 1];
        sum += side * side;
    }
    return toDb(std::sqrt(sum / double(end - first)));
}

double dcOffset(const StereoSamples& samples, int channel) {
    double sum = 0;
    for (size_t i = channel; i < samples.size(); i += 2) sum += samples[i];
    return sum / double(samples.size() / 2);
}

int64_t clampedSamples(const StereoSamples& samples) {
    return std::count_if(samples.begin(), samples.end(), [](float s) { return std::fabs(s) >= 1.0f; });
}

double peakDbfs(const StereoSamples& samples, int64_t first, int64_t end) {
    float peak = 0;
    for (int64_t i = 2 * first; i < 2 * end; ++i) peak = std::max(peak, std::fabs(samples[i]));
    return toDb(peak);
}

QuietStretch findQuietStretch(const StereoSamples& samples, int64_t windowFrames, double thresholdDbfs) {
    int64_t windows = int64_t(samples.size() / 2) / windowFrames;
    QuietStretch stretch{-1, -1, 0};
    int64_t quietRun = 0, quietRunAtLastLoud = 0;
    for (int64_t w = 0; w < windows; ++w) {
        bool loud = rmsDbfs(samples, w * windowFrames, (w + 1) * windowFrames) > thresholdDbfs;
        if (!loud) {
            ++quietRun;
            continue;
        }
        if (stretch.firstLoudFrame < 0) {
            stretch.firstLoudFrame = w * windowFrames;
        } else {
            quietRunAtLastLoud = std::max(quietRunAtLastLoud, quietRun);
        }
        quietRun = 0;
        stretch.lastLoudEndFrame = (w + 1) * windowFrames;
    }
    stretch.longestQuietFrames = quietRunAtLastLoud * windowFrames;
    return stretch;
}
