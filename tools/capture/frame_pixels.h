// One frame as the window's back buffer holds it after the pass, before the
// swap: 8-bit RGB, top row first, rows packed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct FramePixels {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;       // width * height * 3, top row first
    std::vector<uint8_t> readBack;  // the same, bottom row first, as GL gives it
};

// Sizes both buffers once, before the first frame.
void prepareFramePixels(int width, int height, FramePixels* pixels);

// Reads the window's back buffer (the current framebuffer must be the window).
void readFramePixels(FramePixels* pixels);

// Writes the frame as a PNG with fixed encoder settings, so the same pixels
// give the same bytes. Returns 1, or 0 with the reason in *error.
int writeFramePng(const char* path, const FramePixels& pixels, std::string* error);
