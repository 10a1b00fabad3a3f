#include "tools/asset_generator/png_file.h"

#include "tools/png_writer/png_writer.h"

#include <cstdio>

int writePngFile(const std::string& path, const RgbaImage& image) {
    std::string error;
    if (writePng(path.c_str(), image.width, image.height, 4, image.bytes.data(), &error)) return 1;
    std::fprintf(stderr, "%s\n", error.c_str());
    return 0;
}
