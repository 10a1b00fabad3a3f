// PNG files for the tools, with fixed encoder settings, so that the same pixels
// give the same bytes on every run.
#pragma once

#include <cstdint>
#include <string>

// Writes width x height pixels of `channels` bytes each (3 = RGB, 4 = RGBA),
// top row first, rows packed. Returns 1, or 0 with the reason in *error.
int writePng(const char* path, int width, int height, int channels, const uint8_t* pixels, std::string* error);
