// Paints the title banner: letters filled with a vertical gradient, ringed by
// outlines and lifted off the picture by a soft drop shadow, all antialiased,
// on a transparent background.
#pragma once

#include "tools/asset_generator/banner_art.h"
#include "tools/asset_generator/rgba_image.h"

// Samples per pixel along each axis: 36 per pixel, so edges get 37 levels.
constexpr int BANNER_SAMPLES = 6;

void paintBanner(const BannerArt& art, RgbaImage* banner);
