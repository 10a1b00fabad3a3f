#include "tools/capture/frame_pixels.h"

#include <GL/gl.h>
#include <cerrno>
#include <cstdio>
#include <cstring>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace {

const int CHANNELS = 3;

struct PngSink {
    FILE* file;
    bool failed;
};

void writeToSink(void* context, void* data, int size) {
    PngSink* sink = static_cast<PngSink*>(context);
    if (std::fwrite(data, 1, static_cast<size_t>(size), sink->file) != static_cast<size_t>(size)) sink->failed = true;
}

}  // namespace

void prepareFramePixels(int width, int height, FramePixels* pixels) {
    pixels->width = width;
    pixels->height = height;
    const size_t bytes = static_cast<size_t>(width) * height * CHANNELS;
    pixels->rgb.assign(bytes, 0);
    pixels->readBack.assign(bytes, 0);
}

void readFramePixels(FramePixels* pixels) {
    // Rows of an odd width are not a multiple of four bytes long.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, pixels->width, pixels->height, GL_RGB, GL_UNSIGNED_BYTE, pixels->readBack.data());
    const size_t row = static_cast<size_t>(pixels->width) * CHANNELS;
    for (int y = 0; y < pixels->height; ++y) {
        std::memcpy(&pixels->rgb[row * y], &pixels->readBack[row * (pixels->height - 1 - y)], row);
    }
}

int writeFramePng(const char* path, const FramePixels& pixels, std::string* error) {
    // The encoder's settings, stated: the bytes depend on them.
    stbi_write_png_compression_level = 8;
    stbi_write_force_png_filter = -1;  // its own per-row filter choice, itself deterministic

    FILE* file = std::fopen(path, "wb");
    if (!file) {
        *error = std::string(path) + ": cannot create: " + std::strerror(errno);
        return 0;
    }
    PngSink sink = {file, false};
    const int encoded = stbi_write_png_to_func(writeToSink, &sink, pixels.width, pixels.height, CHANNELS,
                                               pixels.rgb.data(), pixels.width * CHANNELS);
    const bool closed = std::fclose(file) == 0;
    if (!encoded || sink.failed || !closed) {
        *error = std::string(path) + ": cannot write the PNG (disk full?)";
        return 0;
    }
    return 1;
}
