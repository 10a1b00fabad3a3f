// The title banner as drawn in banner.txt: letter shapes made of polygons in
// pixel units, and the paint they get (a vertical gradient, outlines and a
// drop shadow).
#pragma once

#include "tools/asset_generator/rgba_image.h"

#include <string>
#include <vector>

struct DesignPoint {
    int x, y;  // pixels from the letter's top-left corner, before leaning
};

struct LetterShape {
    bool cut;  // false: adds its inside to the letter; true: removes it
    std::vector<DesignPoint> corners;
};

struct BannerLetter {
    std::string name;
    int advance;  // pen movement after the letter, before the gap
    std::vector<LetterShape> shapes;  // applied in order
};

struct GradientStop {
    int y;  // pixels below the letters' top; two stops at one y make a hard edge
    Rgba colour;
};

struct OutlineLayer {
    int radius;  // pixels around the letters
    Rgba colour;
};

struct DropShadow {
    int dx, dy;  // offset in pixels
    int blur;    // box radius in pixels, applied twice along each axis
    int alpha;   // darkness where fully covered, 0 to 255
};

struct BannerArt {
    int width = 0, height = 0;
    int originX = 0, originY = 0;  // top-left of the first letter
    int letterHeight = 0;
    int leanNumerator = 0, leanDenominator = 1;  // x moves right by (letterHeight - y) * n / d
    int gap = 0;                   // pixels between letters
    std::vector<GradientStop> gradient;  // by increasing y
    std::vector<OutlineLayer> outlines;  // widest first
    bool hasShadow = false;
    DropShadow shadow = {};
    std::vector<BannerLetter> letters;  // in drawing order, left to right
};

// 1 on success, 0 with messages on standard error.
int readBannerArt(const std::string& path, BannerArt* art);
