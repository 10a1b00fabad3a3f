// The program's icon for desktops: the logo's first letter built from small
// lit cubes, as the cube logo builds its whole word, on a dark rounded tile.
#pragma once

#include "tools/asset_generator/logo_strip.h"

// The square sizes desktops look for in an icon theme.
constexpr int ICON_SIZES[] = {16, 32, 48, 64, 128, 256};

// Paints the icon at size x size pixels (a multiple of 16).
void paintAppIcon(const LogoStrip& strip, int size, RgbaImage* icon);
