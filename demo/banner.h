// The banner image across the upper edge of the letterbox band.
#pragma once

#include "demo/show_timeline.h"

struct BannerVertex {
    float s, t;  // texture coordinate; the image's first row is t = 0
    float x, y;  // on the plane one unit in front of the eye
};

// 0.574 x 0.1066 units, the image's 700 : 130, centred, lower edge at y = 0.08;
// it overlaps the top letterbox line and bar.
inline constexpr BannerVertex BANNER_QUAD[4] = {
    {0.0f, 1.0f, -0.287f, 0.08f},
    {0.0f, 0.0f, -0.287f, 0.1866f},
    {1.0f, 0.0f, 0.287f, 0.1866f},
    {1.0f, 1.0f, 0.287f, 0.08f},
};

inline bool bannerShown(double t) { return t > BANNER_START; }

// Draws the banner quad, blended over the bound target, with the model-view
// matrix restored. Leaves blending and 2D texturing off, the depth test on.
void drawBanner();
