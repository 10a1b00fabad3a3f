// Writes an RGBA image as PNG with fixed encoder settings, so that the same
// pixels give the same bytes on every run.
#pragma once

#include "tools/asset_generator/rgba_image.h"

#include <string>

// 1 on success, 0 with a message on standard error.
int writePngFile(const std::string& path, const RgbaImage& image);
