#include "tools/asset_generator/png_file.h"

#include <cstdio>

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

int writePngFile(const std::string& path, const RgbaImage& image) {
    // The encoder's defaults, stated: the bytes depend on them.
    stbi_write_png_compression_level = 8;
    stbi_write_force_png_filter = -1;  // per-row filter choice, itself deterministic

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "%s: cannot create\n", path.c_str());
        return 0;
    }
    PngSink sink = {file, false};
    int encoded = stbi_write_png_to_func(writeToSink, &sink, image.width, image.height, 4, image.bytes.data(),
                                         image.width * 4);
    if (std::fclose(file) != 0) sink.failed = true;
    if (!encoded || sink.failed) {
        std::fprintf(stderr, "%s: cannot write\n", path.c_str());
        return 0;
    }
    return 1;
}
