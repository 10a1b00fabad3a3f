#include "tools/studio/overlay/still.h"

#include "tools/frame_pixels/frame_pixels.h"

int saveStill(const char* path, int width, int height, std::string* error) {
    // Sized per still: a still is asked for now and then, not every frame.
    FramePixels pixels;
    if (!prepareFramePixels(width, height, &pixels, error)) return 0;
    readFramePixels(&pixels);
    return writeFramePng(path, pixels, error);
}
