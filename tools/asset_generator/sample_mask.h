// A finer grid of samples behind each banner pixel: shapes are filled on it
// as yes/no, and a pixel's share of set samples becomes its alpha. Only
// integer arithmetic, so the result is the same on every machine.
#pragma once

#include <cstdint>
#include <vector>

struct SampleMask {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bits;  // 0 or 1, rows top first
};

// A polygon corner in fixed point: x in units of 1 / (2 * xScale) sample and
// y in units of 1 / 2 sample, so the centre of sample (i, j) lies at
// ((2i + 1) * xScale, 2j + 1). The fine x unit lets a leaning letter keep
// its exact corners.
struct MaskPoint {
    int64_t x, y;
};

void resizeMask(SampleMask* mask, int width, int height);  // all clear
void clearMask(SampleMask* mask);

// Even-odd fill: every sample whose centre lies inside the polygon is set to
// value (1 fills, 0 cuts). A centre exactly on a left edge counts as inside.
void fillPolygon(SampleMask* mask, const std::vector<MaskPoint>& corners, int64_t xScale, unsigned char value);

// target |= source, sizes equal.
void mergeMask(const SampleMask& source, SampleMask* target);

// For every sample, the squared distance in samples to the nearest set
// sample, exact up to maxDistance and (maxDistance + 1)^2 beyond it.
void squaredDistances(const SampleMask& mask, int maxDistance, std::vector<int32_t>* out);

// The samples no farther than distance from the set ones.
void maskWithin(const std::vector<int32_t>& squaredDistance, int width, int height, int distance, SampleMask* out);

// Per pixel of samplesPerPixel x samplesPerPixel samples: how many are set.
void pixelCoverage(const SampleMask& mask, int samplesPerPixel, std::vector<int32_t>* cover);
