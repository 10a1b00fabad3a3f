#include "tools/capture/capture_plan.h"

#include "platform/capture/capture_backend.h"

#include <algorithm>
#include <cmath>

int64_t firstFrameReaching(double seconds, int fps) {
    // An estimate a frame early, then the clock itself decides: its readings
    // are within 2^-41 s of n / fps, so a step or two settles it.
    int64_t frame = std::max<int64_t>(0, static_cast<int64_t>(std::floor(seconds * fps)) - 1);
    while (captureDemoTime(frame) < seconds) ++frame;
    while (frame > 0 && captureDemoTime(frame - 1) >= seconds) --frame;
    return frame;
}

int64_t lastFrameUpTo(double seconds, int fps) {
    const int64_t reaching = firstFrameReaching(seconds, fps);
    return captureDemoTime(reaching) > seconds ? reaching - 1 : reaching;
}

CapturePlan planCapture(const CaptureOptions& options) {
    const int fps = options.framesPerSecond;
    CapturePlan plan = {};
    for (double still : options.stills) plan.stillFrames.push_back(firstFrameReaching(still, fps));
    plan.hasRange = options.hasRange;
    plan.firstRangeFrame = options.hasRange ? firstFrameReaching(options.from, fps) : NO_FRAME;
    plan.lastRangeFrame = options.hasRange && options.hasTo ? lastFrameUpTo(options.to, fps) : NO_FRAME;
    plan.quitFrame = options.hasQuit ? firstFrameReaching(options.quitAt, fps) : NO_FRAME;

    const bool openRange = options.hasRange && !options.hasTo;
    plan.lastFrame = NO_FRAME;
    if (!openRange) {
        if (!plan.stillFrames.empty()) plan.lastFrame = plan.stillFrames.back();
        if (options.hasRange) plan.lastFrame = std::max(plan.lastFrame, plan.lastRangeFrame);
    }
    plan.rangeDrawn = options.hasRange && (!options.outDir.empty() || !options.videoPath.empty());
    return plan;
}

bool inRange(const CapturePlan& plan, int64_t frame) {
    return plan.hasRange && frame >= plan.firstRangeFrame &&
           (plan.lastRangeFrame == NO_FRAME || frame <= plan.lastRangeFrame);
}

bool isStill(const CapturePlan& plan, int64_t frame) {
    return std::binary_search(plan.stillFrames.begin(), plan.stillFrames.end(), frame);
}

bool isDrawnFrame(const CapturePlan& plan, int64_t frame) {
    return isStill(plan, frame) || (plan.rangeDrawn && inRange(plan, frame));
}

void soundSpan(const CapturePlan& plan, int64_t lastRun, int64_t* first, int64_t* last) {
    if (plan.hasRange) {
        *first = plan.firstRangeFrame;
        *last = plan.lastRangeFrame == NO_FRAME ? lastRun : std::min(plan.lastRangeFrame, lastRun);
    } else {
        *first = plan.stillFrames.front();
        *last = std::min(plan.stillFrames.back(), lastRun);
    }
}
