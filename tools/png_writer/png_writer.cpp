#include "tools/png_writer/png_writer.h"

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

struct PngSink {
    FILE* file;
    bool failed;
};

void writeToSink(void* context, void* data, int size) {
    PngSink* sink = static_cast<PngSink*>(context);
    if (std::fwrite(data, 1, static_cast<size_t>(size), sink->file) != static_cast<size_t>(size)) sink->failed = true;
}

}  // namespace

int writePng(const char* path, int width, int height, int channels, const uint8_t* pixels, std::string* error) {
    // The encoder's settings, stated: the bytes depend on them.
    stbi_write_png_compression_level = 8;
    stbi_write_force_png_filter = -1;  // its own per-row filter choice, itself deterministic

    FILE* file = std::fopen(path, "wb");
    if (!file) {
        *error = std::string(path) + ": cannot create: " + std::strerror(errno);
        return 0;
    }
    PngSink sink = {file, false};
    const int encoded = stbi_write_png_to_func(writeToSink, &sink, width, height, channels, pixels, width * channels);
    const bool closed = std::fclose(file) == 0;
    if (!encoded || sink.failed || !closed) {
        *error = std::string(path) + ": cannot write the PNG (disk full?)";
        return 0;
    }
    return 1;
}
