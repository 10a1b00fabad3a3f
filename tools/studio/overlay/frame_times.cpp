#include "tools/studio/overlay/frame_times.h"

#include <algorithm>
#include <cmath>

void recordFrameTime(FrameTimes* times, double seconds) {
    times->seconds[times->next] = seconds;
    times->next = (times->next + 1) % FRAME_TIME_WINDOW;
    times->count = std::min(times->count + 1, static_cast<int>(FRAME_TIME_WINDOW));
}

double frameTimePercentile(const FrameTimes& times, double percent) {
    if (times.count == 0) return 0.0;
    double sorted[FRAME_TIME_WINDOW];
    std::copy(times.seconds, times.seconds + times.count, sorted);
    std::sort(sorted, sorted + times.count);
    const int rank = static_cast<int>(std::ceil(percent / 100.0 * times.count));
    return sorted[std::clamp(rank, 1, times.count) - 1];
}
