// An 8-bit RGBA picture, rows top first, no padding between rows.
#pragma once

#include <cstddef>
#include <vector>

struct Rgba {
    unsigned char r, g, b, a;
};

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bytes;  // width * height * 4, all zero = transparent
};

inline void resizeImage(RgbaImage* image, int width, int height) {
    image->width = width;
    image->height = height;
    image->bytes.assign(static_cast<size_t>(width) * height * 4, 0);
}

inline void putPixel(RgbaImage* image, int x, int y, Rgba colour) {
    unsigned char* p = &image->bytes[(static_cast<size_t>(y) * image->width + x) * 4];
    p[0] = colour.r;
    p[1] = colour.g;
    p[2] = colour.b;
    p[3] = colour.a;
}
