// The level figures the mix test relies on, on signals with known answers.
#include "tests/unit/song/audio_measures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const int64_t RATE = 1000;  // frames a second, small for speed

// A 100 Hz sine of the given amplitude on both channels.
void appendTone(StereoSamples& samples, double seconds, double amplitude) {
    for (int64_t f = 0; f < int64_t(seconds * RATE); ++f) {
        float value = float(amplitude * std::sin(2 * M_PI * 0.1 * f));
        samples.push_back(value);
        samples.push_back(value);
    }
}

void appendSilence(StereoSamples& samples, double seconds) { samples.resize(samples.size() + 2 * int64_t(seconds * RATE)); }

TEST(AudioMeasures, QuietStretchCountsOnlyGapsBetweenTheFirstAndLastSound) {
    StereoSamples samples;
    appendSilence(samples, 1.0);  // lead-in, not a dropout
    appendTone(samples, 1.0, 0.5);
    appendSilence(samples, 3.0);
    appendTone(samples, 1.0, 0.5);
    appendTone(samples, 1.0, 0.0001);  // -80 dBFS: silence too
    appendTone(samples, 1.0, 0.5);
    appendSilence(samples, 4.0);  // the tail after the fade, not a dropout
    QuietStretch quiet = findQuietStretch(samples, RATE / 10, -60.0);
    EXPECT_EQ(quiet.firstLoudFrame, 1 * RATE);
    EXPECT_EQ(quiet.longestQuietFrames, 3 * RATE);
    EXPECT_EQ(quiet.lastLoudEndFrame, 8 * RATE);
}

TEST(AudioMeasures, DcOffsetIsTheMeanOfOneChannelAndOnlyFullScaleCountsAsClamped) {
    StereoSamples samples = {0.5f, -0.25f, 0.25f, -0.25f, 1.0f, -1.0f, 0.999f, -0.25f};
    EXPECT_DOUBLE_EQ(dcOffset(samples, 0), (0.5 + 0.25 + 1.0 + 0.999f) / 4);
    EXPECT_DOUBLE_EQ(dcOffset(samples, 1), (-0.25 - 0.25 - 1.0 - 0.25) / 4);
    EXPECT_EQ(clampedSamples(samples), 2);
    EXPECT_NEAR(peakDbfs(samples, 0, 2), 20 * std::log10(0.5), 1e-9);
}

}  // namespace
