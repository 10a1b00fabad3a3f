// Where a capture writes, and how it keeps from leaving anything half-written:
// everything goes to hidden staging names beside its place first and is moved
// into place only when the whole capture has succeeded; on failure the staged
// files (and a folder the capture created) are removed again.
#pragma once

#include "tools/capture/capture_options.h"

#include <cstdint>
#include <string>

struct CaptureOutputs {
    std::string stillsDir;    // --out, or empty
    bool createdStillsDir = false;
    std::string stagingDir;   // inside stillsDir: the PNGs until the end

    std::string wavPath, wavStaging;  // the sound (staged also for a video alone)
    bool wavWanted = false;

    std::string videoPath, videoStaging, videoFramesStaging;
};

// Checks that each output can be made (its folder exists, it is not a folder
// itself, the sound and the video are two files) without creating anything.
// Returns 1, or 0 with the reason.
int checkOutputPaths(const CaptureOptions& options, std::string* error);

// Creates --out if it is missing, and the staging folder in it; names the
// staging files. Returns 1, or 0 with the reason (nothing is left behind).
int prepareOutputs(const CaptureOptions& options, CaptureOutputs* outputs, std::string* error);

// The staging path of frame n's PNG, named frame-NNNNNN.png.
std::string stagedFramePath(const CaptureOutputs& outputs, int64_t frame);

// Moves everything staged into place. Returns 1, or 0 with the reason.
int commitOutputs(CaptureOutputs* outputs, std::string* error);

// Removes everything staged, and --out if the capture created it.
void discardOutputs(CaptureOutputs* outputs);
