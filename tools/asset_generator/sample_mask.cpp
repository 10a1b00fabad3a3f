#include "tools/asset_generator/sample_mask.h"

#include <algorithm>
#include <cstring>

namespace {

int64_t floorDiv(int64_t n, int64_t d) {  // d > 0
    int64_t q = n / d;
    return (n % d != 0 && n < 0) ? q - 1 : q;
}

int64_t ceilDiv(int64_t n, int64_t d) { return -floorDiv(-n, d); }

}  // namespace

void resizeMask(SampleMask* mask, int width, int height) {
    mask->width = width;
    mask->height = height;
    mask->bits.assign(static_cast<size_t>(width) * height, 0);
}

void clearMask(SampleMask* mask) { std::fill(mask->bits.begin(), mask->bits.end(), 0); }

void fillPolygon(SampleMask* mask, const std::vector<MaskPoint>& corners, int64_t xScale, unsigned char value) {
    int64_t minY = corners[0].y, maxY = corners[0].y;
    for (const MaskPoint& p : corners) {
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
    // Rows whose centre 2j + 1 lies in [minY, maxY].
    int64_t firstRow = std::max<int64_t>(0, ceilDiv(minY - 1, 2));
    int64_t lastRow = std::min<int64_t>(mask->height - 1, floorDiv(maxY - 1, 2));
    std::vector<int64_t> crossings;
    for (int64_t row = firstRow; row <= lastRow; ++row) {
        int64_t centreY = 2 * row + 1;
        crossings.clear();
        for (size_t k = 0; k < corners.size(); ++k) {
            MaskPoint a = corners[k];
            MaskPoint b = corners[(k + 1) % corners.size()];
            if ((a.y <= centreY) == (b.y <= centreY)) continue;  // half-open: no double counts at corners
            if (a.y > b.y) std::swap(a, b);
            // The edge meets the row at x = a.x + (centreY - a.y) * (b.x - a.x) / (b.y - a.y); the first
            // sample at or right of it is the smallest i with (2i + 1) * xScale >= that x.
            int64_t dy = b.y - a.y;
            int64_t numerator = a.x * dy + (centreY - a.y) * (b.x - a.x);
            int64_t denominator = xScale * dy;
            crossings.push_back(ceilDiv(numerator - denominator, 2 * denominator));
        }
        std::sort(crossings.begin(), crossings.end());
        unsigned char* line = &mask->bits[static_cast<size_t>(row) * mask->width];
        for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
            int64_t from = std::max<int64_t>(0, crossings[k]);
            int64_t to = std::min<int64_t>(mask->width, crossings[k + 1]);
            if (from < to) std::memset(line + from, value, static_cast<size_t>(to - from));
        }
    }
}

void mergeMask(const SampleMask& source, SampleMask* target) {
    for (size_t i = 0; i < source.bits.size(); ++i) target->bits[i] |= source.bits[i];
}

void squaredDistances(const SampleMask& mask, int maxDistance, std::vector<int32_t>* out) {
    const int width = mask.width, height = mask.height;
    const int32_t far = maxDistance + 1;
    // Along each row: the distance to the nearest set sample of that row.
    std::vector<int32_t> alongRow(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* bits = &mask.bits[static_cast<size_t>(y) * width];
        int32_t* d = &alongRow[static_cast<size_t>(y) * width];
        int32_t run = far;
        for (int x = 0; x < width; ++x) {
            run = bits[x] ? 0 : std::min(run + 1, far);
            d[x] = run;
        }
        run = far;
        for (int x = width - 1; x >= 0; --x) {
            run = bits[x] ? 0 : std::min(run + 1, far);
            d[x] = std::min(d[x], run);
        }
    }
    // Then across rows: the nearest set sample lies in some row y + dy.
    out->assign(static_cast<size_t>(width) * height, far * far);
    for (int y = 0; y < height; ++y) {
        int32_t* best = &(*out)[static_cast<size_t>(y) * width];
        for (int dy = -maxDistance; dy <= maxDistance; ++dy) {
            if (y + dy < 0 || y + dy >= height) continue;
            const int32_t* d = &alongRow[static_cast<size_t>(y + dy) * width];
            const int32_t rise = dy * dy;
            for (int x = 0; x < width; ++x) best[x] = std::min(best[x], d[x] * d[x] + rise);
        }
    }
}

void maskWithin(const std::vector<int32_t>& squaredDistance, int width, int height, int distance, SampleMask* out) {
    resizeMask(out, width, height);
    const int32_t limit = distance * distance;
    for (size_t i = 0; i < squaredDistance.size(); ++i) out->bits[i] = squaredDistance[i] <= limit;
}

void pixelCoverage(const SampleMask& mask, int samplesPerPixel, std::vector<int32_t>* cover) {
    const int width = mask.width / samplesPerPixel, height = mask.height / samplesPerPixel;
    cover->assign(static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < mask.height; ++y) {
        const unsigned char* bits = &mask.bits[static_cast<size_t>(y) * mask.width];
        int32_t* row = &(*cover)[static_cast<size_t>(y / samplesPerPixel) * width];
        for (int x = 0; x < mask.width; ++x) row[x / samplesPerPixel] += bits[x];
    }
}
