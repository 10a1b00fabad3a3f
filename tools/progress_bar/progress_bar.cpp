#include "tools/progress_bar/progress_bar.h"

#include <unistd.h>

namespace {

const int BAR_WIDTH = 40;

}  // namespace

void startProgress(ProgressBar* bar, std::FILE* stream, int64_t total) {
    bar->stream = isatty(fileno(stream)) == 1 ? stream : nullptr;
    bar->total = total > 0 ? total : 1;
    bar->drawnWidth = -1;
    bar->drawnSecond = -1;
}

void showProgress(ProgressBar* bar, int64_t done, const char* label, double seconds) {
    if (!bar->stream) return;
    if (done > bar->total) done = bar->total;
    const int width = static_cast<int>(done * BAR_WIDTH / bar->total);
    const int64_t second = static_cast<int64_t>(seconds);
    if (width == bar->drawnWidth && second == bar->drawnSecond) return;
    bar->drawnWidth = width;
    bar->drawnSecond = second;
    char line[BAR_WIDTH + 1];
    for (int i = 0; i < BAR_WIDTH; ++i) line[i] = i < width ? '#' : '.';
    line[BAR_WIDTH] = '\0';
    std::fprintf(bar->stream, "\r[%s] %3d%%  %s  %.2f s", line, static_cast<int>(done * 100 / bar->total), label,
                 seconds);
    std::fflush(bar->stream);
}

void endProgress(ProgressBar* bar) {
    if (!bar->stream) return;
    std::fprintf(bar->stream, "\r%*s\r", BAR_WIDTH + 40, "");
    std::fflush(bar->stream);
    bar->stream = nullptr;
}
