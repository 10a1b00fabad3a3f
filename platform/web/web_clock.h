// The browser backend's clock: real time (performance.now), or, where the page
// asks for a fixed frame rate, the fixed-rate clock of
// platform/common/fixed_rate_clock.h stepped once per frame shown. The wave
// output and the work between frames follow the same choice.
#pragma once

#include <cstdint>

// The page's fixed frame rate; 0 for real time.
int webFixedFrameRate();

// Frames shown so far (the buffer swaps).
int64_t webFramesShown();
