#include "tools/asset_generator/app_icon.h"

#include <algorithm>

namespace {

const Rgba TILE = {16, 20, 38, 255};
const Rgba TRANSPARENT = {0, 0, 0, 0};

// The first letter of the strip: the columns from its first lit pixel to the
// first column after it that is black from top to bottom.
void firstLetterColumns(const LogoStrip& strip, int* first, int* end) {
    auto columnIsBlack = [&](int column) {
        for (int row = 0; row < STRIP_HEIGHT; ++row) {
            if (strip.pixels[row][column] != STRIP_BLACK) return false;
        }
        return true;
    };
    int column = 0;
    while (column < STRIP_WIDTH && columnIsBlack(column)) ++column;
    *first = column;
    while (column < STRIP_WIDTH && !columnIsBlack(column)) ++column;
    *end = column;
}

Rgba shade(Rgba colour, int percent) {
    auto scale = [&](unsigned char c) { return static_cast<unsigned char>(std::min(255, c * percent / 100)); };
    return {scale(colour.r), scale(colour.g), scale(colour.b), 255};
}

// One cube seen from the front: a lit top and left edge, a dark bottom and
// right edge, once the cube is large enough for edges to show.
void paintCube(RgbaImage* icon, int x0, int y0, int size, Rgba face) {
    const int edge = size >= 4 ? std::max(1, size / 6) : 0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            Rgba colour = face;
            if (x < edge || y < edge) colour = shade(face, 125);
            if (x >= size - edge || y >= size - edge) colour = shade(face, 55);
            putPixel(icon, x0 + x, y0 + y, colour);
        }
    }
}

// A tile with rounded corners over the whole square.
bool insideTile(int x, int y, int size) {
    const int radius = size / 6;
    const int cx = std::clamp(x, radius, size - 1 - radius);
    const int cy = std::clamp(y, radius, size - 1 - radius);
    const int dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
}

}  // namespace

void paintAppIcon(const LogoStrip& strip, int size, RgbaImage* icon) {
    resizeImage(icon, size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) putPixel(icon, x, y, insideTile(x, y, size) ? TILE : TRANSPARENT);
    }

    int first = 0, end = 0;
    firstLetterColumns(strip, &first, &end);
    // Leave a margin of one cube around the letter where the size allows.
    const int cube = std::max(1, size / (STRIP_HEIGHT + 2));
    const int left = (size - (end - first) * cube) / 2;
    const int top = (size - STRIP_HEIGHT * cube) / 2;
    const Rgba white = {236, 240, 255, 255};
    const Rgba grey = {92, 120, 190, 255};
    for (int row = 0; row < STRIP_HEIGHT; ++row) {
        for (int column = first; column < end; ++column) {
            const StripPixel pixel = strip.pixels[row][column];
            if (pixel == STRIP_BLACK) continue;
            paintCube(icon, left + (column - first) * cube, top + row * cube, cube, pixel == STRIP_WHITE ? white : grey);
        }
    }
}
