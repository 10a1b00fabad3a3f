// Which frames a capture keeps, as frame numbers of the virtual clock at the
// capture's frame rate (set on the backend before the plan is made).
#pragma once

#include "tools/capture/capture_options.h"

#include <cstdint>
#include <vector>

// No frame: a range that runs to the end of the closing fade, a run without a quit.
constexpr int64_t NO_FRAME = -1;

struct CapturePlan {
    std::vector<int64_t> stillFrames;  // ascending
    bool hasRange;
    int64_t firstRangeFrame;
    int64_t lastRangeFrame;  // NO_FRAME: to the end of the closing fade
    int64_t quitFrame;       // the frame whose pass sees the quit message, or NO_FRAME
    bool rangeDrawn;         // the range's pictures are kept (--out or --video), not only its sound
    int64_t lastFrame;       // the last frame the run needs, or NO_FRAME: until the fade ends
};

// The first frame whose demoTime reaches `seconds`, at fps frames per second.
int64_t firstFrameReaching(double seconds, int fps);
// The last frame whose demoTime is at or before `seconds`.
int64_t lastFrameUpTo(double seconds, int fps);

// The frames the options ask for.
CapturePlan planCapture(const CaptureOptions& options);

// Whether frame n is in the range.
bool inRange(const CapturePlan& plan, int64_t frame);
// Whether frame n is a still.
bool isStill(const CapturePlan& plan, int64_t frame);
// Whether frame n is drawn (a still, or a frame of a range whose pictures are
// kept); every other frame is skipped.
bool isDrawnFrame(const CapturePlan& plan, int64_t frame);

// The frames whose sound the WAV and the video carry: the range, or with
// stills only from the first still to the last. `lastRun` is the last frame
// the run reached, which ends an open range.
void soundSpan(const CapturePlan& plan, int64_t lastRun, int64_t* first, int64_t* last);
