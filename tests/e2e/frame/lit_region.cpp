// lit_region WINDOW_ID [THRESHOLD [--until-gone]]
//
// Prints "WIDTH HEIGHT X0 Y0 X1 Y1": the window's size and the bounding box of
// the pixels whose brightest channel is above THRESHOLD (default 32), rows from
// the top; or "WIDTH HEIGHT none". Exits 1 when there is no such window. With
// --until-gone it samples again and again, each line led by the wall-clock
// time, until the window is gone, then exits 0: one process keeps up with the
// frames of a fade. Reads 32-bit true-colour windows only (X servers and Xvfb
// at depth 24 give those).
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

// One look at the window; false when it is gone.
bool sample(Display* display, Window window, int threshold) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return false;
    const int w = attributes.width, h = attributes.height;
    XImage* image = XGetImage(display, window, 0, 0, w, h, AllPlanes, ZPixmap);
    if (!image || image->bits_per_pixel != 32) return false;
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            uint32_t p;
            std::memcpy(&p, image->data + static_cast<long>(y) * image->bytes_per_line + 4 * x, sizeof p);
            if (std::max({p >> 16 & 255, p >> 8 & 255, p & 255}) <= static_cast<uint32_t>(threshold)) continue;
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
