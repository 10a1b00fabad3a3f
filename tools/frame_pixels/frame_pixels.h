// One frame as the window's back buffer holds it after the pass, before the
// swap: 8-bit RGB, top row first, rows packed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct FramePixels {
    int width = 0, height = 0;
    size_t bytes = 0;                    // width * height * 3
    std::unique_ptr<uint8_t[]> rgb;      // top row first
    std::unique_ptr<uint8_t[]> readBack; // the same, bottom row first, as GL gives it
};

// Sizes both buffers once, before the first frame. Returns 1, or 0 with the
// reason when the memory for a picture of that size cannot be had.
int prepareFramePixels(int width, int height, FramePixels* pixels, std::string* error);

// Reads the window's back buffer (the current framebuffer must be the window).
void readFramePixels(FramePixels* pixels);

// Writes the frame as a PNG with fixed encoder settings, so the same pixels
// give the same bytes. Returns 1, or 0 with the reason in *error.
int writeFramePng(const char* path, const FramePixels& pixels, std::string* error);
