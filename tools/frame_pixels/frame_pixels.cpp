#include "tools/frame_pixels/frame_pixels.h"

#include "tools/png_writer/png_writer.h"

#include <GL/gl.h>
#include <cstring>
#include <new>

namespace {

const int CHANNELS = 3;

}  // namespace

int prepareFramePixels(int width, int height, FramePixels* pixels, std::string* error) {
    pixels->width = width;
    pixels->height = height;
    pixels->bytes = static_cast<size_t>(width) * height * CHANNELS;
    pixels->rgb.reset(new (std::nothrow) uint8_t[pixels->bytes]);
    pixels->readBack.reset(new (std::nothrow) uint8_t[pixels->bytes]);
    if (pixels->rgb && pixels->readBack) return 1;
    pixels->rgb.reset();
    pixels->readBack.reset();
    *error = "--size " + std::to_string(width) + "x" + std::to_string(height) + ": not enough memory for its " +
             std::to_string(2 * pixels->bytes >> 20) + " MiB of frame buffers";
    return 0;
}

void readFramePixels(FramePixels* pixels) {
    // Rows of an odd width are not a multiple of four bytes long.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, pixels->width, pixels->height, GL_RGB, GL_UNSIGNED_BYTE, pixels->readBack.get());
    const size_t row = static_cast<size_t>(pixels->width) * CHANNELS;
    for (int y = 0; y < pixels->height; ++y) {
        std::memcpy(&pixels->rgb[row * y], &pixels->readBack[row * (pixels->height - 1 - y)], row);
    }
}

int writeFramePng(const char* path, const FramePixels& pixels, std::string* error) {
    return writePng(path, pixels.width, pixels.height, CHANNELS, pixels.rgb.get(), error);
}
