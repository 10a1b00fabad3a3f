#include "tools/asset_generator/banner_painter.h"

#include "tools/asset_generator/sample_mask.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

constexpr int SAMPLE_AREA = BANNER_SAMPLES * BANNER_SAMPLES;

int32_t roundedDiv(int64_t n, int64_t d) {  // d > 0, halves away from zero
    return static_cast<int32_t>(n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d));
}

// Every letter's shapes, leaned and placed, filled into the sample grid.
void fillLetters(const BannerArt& art, SampleMask* word) {
    resizeMask(word, art.width * BANNER_SAMPLES, art.height * BANNER_SAMPLES);
    SampleMask letterMask;
    resizeMask(&letterMask, word->width, word->height);
    // MaskPoint units: x in 1 / (2 * den) sample, y in 1 / 2 sample.
    const int64_t den = art.leanDenominator;
    int penX = art.originX;
    std::vector<MaskPoint> corners;
    for (const BannerLetter& letter : art.letters) {
        clearMask(&letterMask);
        for (const LetterShape& shape : letter.shapes) {
            corners.clear();
            for (const DesignPoint& p : shape.corners) {
                int64_t leanedX = (static_cast<int64_t>(penX) + p.x) * den +
                                  static_cast<int64_t>(art.letterHeight - p.y) * art.leanNumerator;
                corners.push_back(MaskPoint{leanedX * 2 * BANNER_SAMPLES,
                                            (static_cast<int64_t>(art.originY) + p.y) * 2 * BANNER_SAMPLES});
            }
            fillPolygon(&letterMask, corners, den, shape.cut ? 0 : 1);
        }
        mergeMask(letterMask, word);
        penX += letter.advance + art.gap;
    }
}

// The fill colour of pixel row y, at its centre.
Rgba gradientAt(const BannerArt& art, int y) {
    const std::vector<GradientStop>& stops = art.gradient;
    const int64_t at = 2 * static_cast<int64_t>(y - art.originY) + 1;  // half pixels below the top
    if (at <= 2 * stops.front().y) return stops.front().colour;
    for (size_t i = 0; i + 1 < stops.size(); ++i) {
        const int64_t from = 2 * stops[i].y, to = 2 * stops[i + 1].y;
        if (at >= to) continue;
        const Rgba a = stops[i].colour, b = stops[i + 1].colour;
        auto mix = [&](int ca, int cb) {
            return static_cast<unsigned char>(ca + roundedDiv(static_cast<int64_t>(cb - ca) * (at - from), to - from));
        };
        return Rgba{mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b), 255};
    }
    return stops.back().colour;
}

// Box blur of radius r along x or along y; beyond the edges counts as 0.
void boxBlur(std::vector<int32_t>* values, int width, int height, int r, bool alongX) {
    const int length = alongX ? width : height, lines = alongX ? height : width;
    const size_t step = alongX ? 1 : static_cast<size_t>(width);
    std::vector<int32_t> line(static_cast<size_t>(length));
    for (int l = 0; l < lines; ++l) {
        int32_t* base = values->data() + (alongX ? static_cast<size_t>(l) * width : static_cast<size_t>(l));
        for (int i = 0; i < length; ++i) line[i] = base[i * step];
        int64_t sum = 0;
        for (int i = -r; i <= r; ++i) sum += (i >= 0 && i < length) ? line[i] : 0;
        for (int i = 0; i < length; ++i) {
            base[i * step] = roundedDiv(sum, 2 * r + 1);
            if (i + r + 1 < length) sum += line[i + r + 1];
            if (i - r >= 0) sum -= line[i - r];
        }
    }
}

// The shadow's alpha per pixel (0 to 255) from the coverage of its source.
std::vector<int32_t> shadowAlpha(const BannerArt& art, const std::vector<int32_t>& sourceCover) {
    const int width = art.width, height = art.height;
    const DropShadow& s = art.shadow;
    std::vector<int32_t> alpha(sourceCover.size(), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int fromX = x - s.dx, fromY = y - s.dy;
            if (fromX < 0 || fromX >= width || fromY < 0 || fromY >= height) continue;
            // 16 fractional bits keep the blur smooth.
            alpha[static_cast<size_t>(y) * width + x] = roundedDiv(
                static_cast<int64_t>(sourceCover[static_cast<size_t>(fromY) * width + fromX]) << 16, SAMPLE_AREA);
        }
    }
    for (int pass = 0; pass < 2; ++pass) {
        boxBlur(&alpha, width, height, s.blur, true);
        boxBlur(&alpha, width, height, s.blur, false);
    }
    for (int32_t& a : alpha) a = roundedDiv(static_cast<int64_t>(a) * s.alpha, 1 << 16);
    return alpha;
}

// A premultiplied pixel with alpha in 0..255 * 255 and colour in the same scale.
struct Paint {
    int64_t r, g, b, a;
};

// Lays colour with alpha a (0..255) over the paint.
void paintOver(Paint* p, Rgba colour, int32_t a) {
    const int64_t keep = 255 - a;
    p->r = colour.r * a + roundedDiv(p->r * keep, 255);
    p->g = colour.g * a + roundedDiv(p->g * keep, 255);
    p->b = colour.b * a + roundedDiv(p->b * keep, 255);
    p->a = 255 * a + roundedDiv(p->a * keep, 255);
}

Rgba unpremultiplied(const Paint& p) {
    const int32_t a = roundedDiv(p.a, 255);
    if (a == 0) return Rgba{0, 0, 0, 0};
    auto channel = [&](int64_t c) {
        return static_cast<unsigned char>(std::min<int64_t>(255, roundedDiv(c * 255, p.a)));
    };
    return Rgba{channel(p.r), channel(p.g), channel(p.b), static_cast<unsigned char>(a)};
}

int32_t coverageAlpha(int32_t cover) { return roundedDiv(static_cast<int64_t>(cover) * 255, SAMPLE_AREA); }

}  // namespace

void paintBanner(const BannerArt& art, RgbaImage* banner) {
    SampleMask word;
    fillLetters(art, &word);
    std::vector<int32_t> fillCover;
    pixelCoverage(word, BANNER_SAMPLES, &fillCover);

    std::vector<std::vector<int32_t>> outlineCover(art.outlines.size());
    if (!art.outlines.empty()) {
        std::vector<int32_t> squared;
        squaredDistances(word, art.outlines.front().radius * BANNER_SAMPLES, &squared);
        SampleMask ring;
        for (size_t i = 0; i < art.outlines.size(); ++i) {
            maskWithin(squared, word.width, word.height, art.outlines[i].radius * BANNER_SAMPLES, &ring);
            pixelCoverage(ring, BANNER_SAMPLES, &outlineCover[i]);
        }
    }
    std::vector<int32_t> shadow;
    if (art.hasShadow) shadow = shadowAlpha(art, art.outlines.empty() ? fillCover : outlineCover.front());

    resizeImage(banner, art.width, art.height);
    const Rgba black = {0, 0, 0, 255};
    for (int y = 0; y < art.height; ++y) {
        const Rgba fillColour = gradientAt(art, y);
        for (int x = 0; x < art.width; ++x) {
            const size_t i = static_cast<size_t>(y) * art.width + x;
            Paint p = {0, 0, 0, 0};
            if (art.hasShadow) paintOver(&p, black, shadow[i]);
            for (size_t k = 0; k < art.outlines.size(); ++k) {
                paintOver(&p, art.outlines[k].colour, coverageAlpha(outlineCover[k][i]));
            }
            paintOver(&p, fillColour, coverageAlpha(fillCover[i]));
            putPixel(banner, x, y, unpremultiplied(p));
        }
    }
}
