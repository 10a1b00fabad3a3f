#include "tools/capture/capture_run.h"

#include "app/show_player.h"
#include "platform/capture/capture_backend.h"
#include "platform/platform.h"
#include "synth/music.h"
#include "synth/song_render.h"
#include "tools/frame_pixels/frame_pixels.h"
#include "tools/output_place/interruption.h"
#include "tools/progress_bar/progress_bar.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>

namespace {

// How long the run is expected to be, for the progress bar: an open range
// ends about a second after the quit.
int64_t expectedFrames(const CapturePlan& plan, int fps) {
    return plan.lastFrame != NO_FRAME ? plan.lastFrame + 1 : plan.quitFrame + fps + 1;
}

// A run that ended (with the fade) before some of what was asked for.
bool reachedEverything(const CapturePlan& plan, const CaptureResult& result, std::string* error) {
    int64_t wanted = plan.stillFrames.empty() ? NO_FRAME : plan.stillFrames.back();
    if (plan.hasRange) wanted = std::max(wanted, plan.firstRangeFrame);
    if (wanted <= result.lastFrame) return true;
    char text[256];
    std::snprintf(text, sizeof text,
                  "the closing fade ended the demo in frame %" PRId64 " (%.3f s), before frame %" PRId64
                  " (%.3f s) that was asked for",
                  result.lastFrame, captureDemoTime(result.lastFrame), wanted, captureDemoTime(wanted));
    *error = text;
    return false;
}

}  // namespace

int runCapture(const CaptureOptions& options, const CapturePlan& plan, WindowContext* window,
               const CaptureOutputs& outputs, VideoEncoder* video, CaptureResult* result, std::string* error) {
    FramePixels pixels;
    if (!prepareFramePixels(options.width, options.height, &pixels, error)) return 0;
    ProgressBar progress;
    startProgress(&progress, stderr, expectedFrames(plan, options.framesPerSecond));
    *result = CaptureResult();
    // The music starts through the virtual wave device, which keeps the
    // sound for the WAV; the notes come from the song it renders.
    ShowPlayer player;
    startShowPlayer(&player, options.framesPerSecond, noteTrace);
    player.musicStarts = startMusic;
    setShowQuitFrame(&player, plan.quitFrame);

    for (int64_t frame = 0;; ++frame) {
        if (interruptedBySignal) {
            endProgress(&progress);
            *error = "interrupted";
            return 0;
        }
        setCaptureFrame(frame);
        const bool drawn = isDrawnFrame(plan, frame);
        const int last = playShowFrame(&player, drawn ? PICTURE_DRAWN : PICTURE_SKIPPED);

        if (drawn) {
            readFramePixels(&pixels);
            const bool png = !outputs.stagingDir.empty() && (isStill(plan, frame) || inRange(plan, frame));
            if (png) {
                if (!writeFramePng(stagedFramePath(outputs, frame).c_str(), pixels, error)) {
                    endProgress(&progress);
                    return 0;
                }
            }
            if (video && inRange(plan, frame) && !sendVideoFrame(video, pixels.rgb.get(), pixels.bytes)) {
                endProgress(&progress);
                *error = "ffmpeg stopped taking frames";
                return 0;
            }
            ++result->framesDrawn;
            platformSwapBuffers(window->deviceContext);
        }
        char label[32];
        std::snprintf(label, sizeof label, "frame %" PRId64, frame);
        showProgress(&progress, frame + 1, label, captureDemoTime(frame));
        result->lastFrame = frame;
        if (last) {
            result->fadeFinished = true;
            break;
        }
        if (plan.lastFrame != NO_FRAME && frame >= plan.lastFrame) break;
    }
    endProgress(&progress);
    return reachedEverything(plan, *result, error) ? 1 : 0;
}
