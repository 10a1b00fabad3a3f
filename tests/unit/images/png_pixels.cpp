#include "tests/unit/images/png_pixels.h"

#include <cstdio>
#include <cstdlib>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb_image.h>
#pragma GCC diagnostic pop

bool loadPng(const std::string& path, PngPixels* out) {
    std::vector<unsigned char> file;
    if (!readBytes(path, &file)) return false;
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 4);
    if (!pixels) return false;
    out->width = width;
    out->height = height;
    out->channelsInFile = channels;
    out->rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return true;
}

bool readBytes(const std::string& path, std::vector<unsigned char>* out) {
    out->clear();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    unsigned char chunk[65536];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) out->insert(out->end(), chunk, chunk + got);
    std::fclose(file);
    return true;
}

bool writeText(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && ok;
}

std::string sourceDir() {
    const char* dir = std::getenv("QUORVEL_SOURCE_DIR");
    return dir ? dir : "";
}
