// How long the last frames took, for the overlay's median and 99th
// percentile: a ring of the newest FRAME_TIME_WINDOW durations.
#pragma once

enum { FRAME_TIME_WINDOW = 120 };

struct FrameTimes {
    double seconds[FRAME_TIME_WINDOW];
    int count;  // how many of the slots hold a duration
    int next;   // the slot the next duration goes into
};

void recordFrameTime(FrameTimes* times, double seconds);

// The nearest-rank percentile (0 < percent <= 100) of the recorded durations:
// the smallest one that at least percent of them do not exceed. 0 when none.
double frameTimePercentile(const FrameTimes& times, double percent);
