// Where a window's picture is lit, as an end-to-end test sees it on the X server:
//
//   lit_region WINDOW_ID [THRESHOLD [--until-gone]]
//
// prints "WIDTH HEIGHT X0 Y0 X1 Y1", the window's size and the bounding box of
// the pixels whose brightest channel is above THRESHOLD (default 32), rows
// counted from the top, or "WIDTH HEIGHT none" when nothing is lit. Exits 1
// when there is no such window. With --until-gone it samples again and again,
// each line led by the wall-clock time in seconds, until the window is gone,
// and then exits 0: one process keeps up with the frames of a fade.
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

int channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255 / (mask >> shift));
}

// Straight from the image's rows where they hold 32-bit pixels (XGetPixel per
// pixel is slow enough to miss frames of the fade).
unsigned long pixelAt(XImage* image, int x, int y) {
    if (image->bits_per_pixel != 32) return XGetPixel(image, x, y);
    uint32_t pixel;
    std::memcpy(&pixel, image->data + static_cast<long>(y) * image->bytes_per_line + 4 * x, sizeof pixel);
    return pixel;
}

// One look at the window; false when it is gone.
bool sample(Display* display, Window window, int threshold) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    if (!image) return false;
    int x0 = attributes.width, y0 = attributes.height, x1 = -1, y1 = -1;
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            unsigned long pixel = pixelAt(image, x, y);
            int level = std::max({channel(pixel, image->red_mask), channel(pixel, image->green_mask),
                                  channel(pixel, image->blue_mask)});
            if (level <= threshold) continue;
            x0 = std::min(x0, x);
            y0 = std::min(y0, y);
            x1 = std::max(x1, x);
            y1 = std::max(y1, y);
        }
    }
    XDestroyImage(image);
    if (x1 < 0) {
        std::printf("%d %d none\n", attributes.width, attributes.height);
    } else {
        std::printf("%d %d %d %d %d %d\n", attributes.width, attributes.height, x0, y0, x1, y1);
    }
    return true;
}

double wallClock() {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WINDOW_ID [THRESHOLD [--until-gone]]\n", argv[0]);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const int threshold = argc > 2 ? std::atoi(argv[2]) : 32;
    const bool untilGone = argc > 3 && std::strcmp(argv[3], "--until-gone") == 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    exitWhenGone = untilGone ? 0 : 1;
    XSetErrorHandler(windowGone);

    if (!untilGone) return sample(display, window, threshold) ? 0 : 1;
    for (;;) {
        std::printf("%.6f ", wallClock());
        if (!sample(display, window, threshold)) break;
        std::fflush(stdout);
    }
    return 0;
}
