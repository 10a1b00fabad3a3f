// lit_region WINDOW_ID [THRESHOLD [--until-gone]]
//
// Prints "WIDTH HEIGHT X0 Y0 X1 Y1": the window's size and the bounding box of
// the pixels whose brightest channel is above THRESHOLD (default 32), rows from
// the top; or "WIDTH HEIGHT none". Exits 1 when there is no such window. With
// --until-gone it samples again and again, each line led by the wall-clock
// time, until the window is gone, then exits 0: one process keeps up with the
// frames of a fade.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

int exitWhenGone = 1;

int windowGone(Display*, XErrorEvent*) {
    std::fflush(stdout);
    std::exit(exitWhenGone);
}

int level(unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !((mask >> shift) & 1)) ++shift;
    return mask ? static_cast<int>(((pixel & mask) >> shift) * 255 / (mask >> shift)) : 0;
}

// Straight from the rows where they hold 32-bit pixels: XGetPixel is slow enough to miss frames.
unsigned long pixelAt(XImage* image, int x, int y) {
    uint32_t pixel;
    if (image->bits_per_pixel != 32) return XGetPixel(image, x, y);
    std::memcpy(&pixel, image->data + static_cast<long>(y) * image->bytes_per_line + 4 * x, sizeof pixel);
    return pixel;
}

// One look at the window; false when it is gone.
bool sample(Display* display, Window window, int threshold) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    const int w = attributes.width, h = attributes.height;
    XImage* image = XGetImage(display, window, 0, 0, w, h, AllPlanes, ZPixmap);
    if (!image) return false;
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned long p = pixelAt(image, x, y);
            if (std::max({level(p, image->red_mask), level(p, image->green_mask), level(p, image->blue_mask)}) <= threshold)
                continue;
            x0 = std::min(x0, x);
            y0 = std::min(y0, y);
            x1 = std::max(x1, x);
            y1 = std::max(y1, y);
        }
    }
    XDestroyImage(image);
    if (x1 < 0) {
        std::printf("%d %d none\n", w, h);
    } else {
        std::printf("%d %d %d %d %d %d\n", w, h, x0, y0, x1, y1);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = argc > 1 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) return 1;
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int threshold = argc > 2 ? std::atoi(argv[2]) : 32;
    const bool untilGone = argc > 3 && std::strcmp(argv[3], "--until-gone") == 0;
    exitWhenGone = untilGone ? 0 : 1;
    XSetErrorHandler(windowGone);
    if (!untilGone) return sample(display, window, threshold) ? 0 : 1;
    for (;;) {
        timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("%.6f ", now.tv_sec + now.tv_nsec * 1e-9);
        if (!sample(display, window, threshold)) return 0;
        std::fflush(stdout);
    }
}
