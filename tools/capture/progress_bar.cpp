#include "tools/capture/progress_bar.h"

#include <cinttypes>
#include <cstdio>
#include <unistd.h>

namespace {

const int BAR_WIDTH = 40;

}  // namespace

void startProgress(ProgressBar* bar, int64_t totalFrames) {
    bar->shown = isatty(STDERR_FILENO) == 1;
    bar->total = totalFrames > 0 ? totalFrames : 1;
    bar->drawnWidth = -1;
    bar->drawnSecond = -1;
}

void showProgress(ProgressBar* bar, int64_t frame, double seconds) {
    if (!bar->shown) return;
    const int64_t done = frame + 1 < bar->total ? frame + 1 : bar->total;
    const int width = static_cast<int>(done * BAR_WIDTH / bar->total);
    // Redrawn when the bar grows, and every second of demo time for the clock.
    const int64_t second = static_cast<int64_t>(seconds);
    if (width == bar->drawnWidth && second == bar->drawnSecond) return;
    bar->drawnWidth = width;
    bar->drawnSecond = second;
    char line[BAR_WIDTH + 1];
    for (int i = 0; i < BAR_WIDTH; ++i) line[i] = i < width ? '#' : '.';
    line[BAR_WIDTH] = '\0';
    std::fprintf(stderr, "\r[%s] %3d%%  frame %" PRId64 "  %.2f s", line, static_cast<int>(done * 100 / bar->total),
                 frame, seconds);
    std::fflush(stderr);
}

void endProgress(ProgressBar* bar) {
    if (!bar->shown) return;
    std::fprintf(stderr, "\r%*s\r", BAR_WIDTH + 40, "");
    std::fflush(stderr);
    bar->shown = false;
}
