// A one-line progress bar on standard error, drawn only when that is a
// terminal (a log or a pipe gets none).
#pragma once

#include <cstdint>

struct ProgressBar {
    bool shown = false;
    int64_t total = 0;  // frames the run is expected to take
    int drawnWidth = -1;
    int64_t drawnSecond = -1;
};

void startProgress(ProgressBar* bar, int64_t totalFrames);
// Frame `frame` (counting from 0) at demo time `seconds` is done.
void showProgress(ProgressBar* bar, int64_t frame, double seconds);
// Clears the line.
void endProgress(ProgressBar* bar);
