// The browser backend's clock: real time (performance.now), or, where the page
// asks for a fixed frame rate, the fixed-rate clock of
// platform/common/fixed_rate_clock.h stepped once per frame shown. The wave
// output and the work between frames follow the same choice. In real time,
// from the song's start on, the clock keeps no more than a frame ahead of what
// has been heard of the song.
#pragma once

#include <cstdint>

// The page's fixed frame rate; 0 for real time.
int webFixedFrameRate();

// Frames shown so far (the buffer swaps).
int64_t webFramesShown();

// The song started playing at this counter reading: from now on the real-time
// clock waits whenever the sound falls behind it.
void webClockFollowsSound(int64_t songStartCounter);
