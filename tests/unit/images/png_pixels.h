// Decoded PNG files for the image tests, and where the tests find things.
#pragma once

#include <string>
#include <vector>

struct PngPixels {
    int width = 0;
    int height = 0;
    int channelsInFile = 0;
    std::vector<unsigned char> rgba;  // width * height * 4

    const unsigned char* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// false when the file is missing or does not decode.
bool loadPng(const std::string& path, PngPixels* out);

bool readBytes(const std::string& path, std::vector<unsigned char>* out);
bool writeText(const std::string& path, const std::string& text);

// The checkout, from the test environment (empty if unset).
std::string sourceDir();
