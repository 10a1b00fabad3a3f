// The capture's frames: the show player (app/show_player.h) frame after frame,
// the virtual clock kept on the same frame for the wave device, each drawn
// frame read back before the swap.
#pragma once

#include "app/app_window.h"
#include "tools/capture/capture_outputs.h"
#include "tools/capture/capture_plan.h"
#include "tools/capture/video_encoder.h"

#include <string>

struct CaptureResult {
    int64_t lastFrame = -1;     // the last frame the run played
    bool fadeFinished = false;  // the closing fade ended the run
    int64_t framesDrawn = 0;
};

// Plays frames 0, 1, ... on the started demo until the plan's last frame, the
// end of the closing fade or a signal (tools/output_place/interruption.h).
// Drawn frames go to the staged PNGs (stills and, with --out, the range) and
// to the video encoder (the range) when one is given. Returns 1, or 0 with the reason in *error.
int runCapture(const CaptureOptions& options, const CapturePlan& plan, WindowContext* window,
               const CaptureOutputs& outputs, VideoEncoder* video, CaptureResult* result, std::string* error);
