// A one-line progress bar, drawn only when its stream is a terminal (a log or
// a pipe gets none): "[####....]  42%  LABEL  12.34 s".
#pragma once

#include <cstdint>
#include <cstdio>

struct ProgressBar {
    std::FILE* stream = nullptr;  // null: not a terminal, nothing is drawn
    int64_t total = 1;            // units the run is expected to take
    int drawnWidth = -1;
    int64_t drawnSecond = -1;
};

void startProgress(ProgressBar* bar, std::FILE* stream, int64_t total);
// `done` units are done, at `seconds` (of the demo, of the music). Redrawn
// when the bar grows and every whole second, for the clock.
void showProgress(ProgressBar* bar, int64_t done, const char* label, double seconds);
// Clears the line.
void endProgress(ProgressBar* bar);
