#include "tools/capture/frame_pixels.h"

#include "tools/png_writer/png_writer.h"

#include <GL/gl.h>
#include <cstring>

namespace {

const int CHANNELS = 3;

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
    return writePng(path, pixels.width, pixels.height, CHANNELS, pixels.rgb.data(), error);
}
