// quorvel-capture: the demo played off line at a fixed frame rate on the
// capture backend, frames kept as PNGs or a video, the sound as a WAV.
// Run with --help for the options.
#include "app/app_window.h"
#include "demo/demo.h"
#include "platform/capture/capture_backend.h"
#include "tools/capture/capture_options.h"
#include "tools/capture/capture_outputs.h"
#include "tools/capture/capture_plan.h"
#include "tools/capture/capture_run.h"
#include "tools/capture/capture_window.h"
#include "tools/capture/video_encoder.h"
#include "tools/float_wav/float_wav.h"
#include "tools/output_place/interruption.h"

#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// Exit codes: a command line that cannot be run, and a run that failed.
const int BAD_ARGUMENTS = 2;
const int CAPTURE_FAILED = 1;

// Installed before the window system starts, so that SDL leaves them be
// and Ctrl+C stops the capture (cleanly) instead of starting the closing fade.
void handleSignals() {
    catchInterruptions();
    // A dead ffmpeg shows as a failed write, not as the end of the process.
    std::signal(SIGPIPE, SIG_IGN);
    // Past a file size limit a write fails with its reason instead.
    std::signal(SIGXFSZ, SIG_IGN);
}

int complain(const std::string& error, int exitCode) {
    std::fprintf(stderr, "quorvel-capture: %s\n", error.c_str());
    return exitCode;
}

void ignoreProgress(void*, int) {}

// Empty ranges come out only once the times are frames.
bool checkPlan(const CaptureOptions& options, const CapturePlan& plan, std::string* error) {
    if (options.hasRange && plan.lastRangeFrame != NO_FRAME && plan.lastRangeFrame < plan.firstRangeFrame) {
        *error = "--from/--to: no frame lies between " + secondsText(options.from) + " s and " +
                 secondsText(options.to) + " s at " + std::to_string(options.framesPerSecond) + " fps";
        return false;
    }
    return true;
}

// The sound of the span's frames, aligned with them, in the offline render's
// format: the song from the frame in which the music started, silence before
// it and after its end (and throughout when no music played).
bool writeSpanSound(const CapturePlan& plan, const CaptureResult& result, const std::string& path,
                    std::string* error) {
    int64_t first = 0, last = 0;
    soundSpan(plan, result.lastFrame, &first, &last);
    const int64_t spanStart = captureCounterAt(first);
    const int64_t frames = soundFramesBetween(spanStart, captureCounterAt(last + 1));
    CaptureSound sound = {};
    int64_t songStart = 0;
    if (capturedSound(&sound)) {
        songStart = sound.startCounter >= spanStart ? soundFramesBetween(spanStart, sound.startCounter)
                                                    : -soundFramesBetween(sound.startCounter, spanStart);
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        *error = path + ": cannot create: " + std::strerror(errno);
        return false;
    }
    errno = 0;
    const bool ok =
        writeFloatWav(file, sound.samples, sound.frameCount, songStart, static_cast<uint32_t>(frames));
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!ok || !closed) {
        *error = path + ": cannot write the sound: " + std::strerror(ok ? errno : writeError);
        return false;
    }
    return true;
}

// After a successful run: the sound, the video, everything into place.
bool finishOutputs(const CapturePlan& plan, const CaptureResult& result, const std::string& ffmpeg,
                   VideoEncoder* video, CaptureOutputs* outputs, std::string* error) {
    if (!outputs->wavStaging.empty() && !writeSpanSound(plan, result, outputs->wavStaging, error)) return false;
    if (!outputs->videoPath.empty()) {
        if (!finishVideoEncoder(video, error)) return false;
        if (!muxVideo(ffmpeg, outputs->videoFramesStaging, outputs->wavStaging, outputs->videoStaging, error)) {
            return false;
        }
    }
    return commitOutputs(outputs, error) == 1;
}

void report(const CaptureOptions& options, const CaptureResult& result, double seconds) {
    std::printf("quorvel-capture: %" PRId64 " frames played at %dx%d, %d fps (0 to %.3f s), %" PRId64
                " drawn, in %.1f s\n",
                result.lastFrame + 1, options.width, options.height, options.framesPerSecond,
                captureDemoTime(result.lastFrame), result.framesDrawn, seconds);
    if (result.fadeFinished) {
        std::printf("quorvel-capture: the closing fade ended in frame %" PRId64 " (%.3f s)\n", result.lastFrame,
                    captureDemoTime(result.lastFrame));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    CaptureOptions options;
    std::string error;
    if (!parseCaptureOptions(argc, argv, &options, &error)) return complain(error, BAD_ARGUMENTS);
    if (options.showHelp) {
        std::fputs(captureUsage(), stdout);
        return 0;
    }
    if (options.showVersion) {
        std::printf("quorvel-capture %s\n", QUORVEL_VERSION);
        return 0;
    }
    setCaptureFrameRate(options.framesPerSecond);
    const CapturePlan plan = planCapture(options);
    if (!checkPlan(options, plan, &error) || !checkOutputPaths(options, &error)) return complain(error, BAD_ARGUMENTS);
    std::string ffmpeg;
    if (!options.videoPath.empty()) {
        ffmpeg = findOnPath("ffmpeg");
        if (ffmpeg.empty()) {
            return complain("--video needs ffmpeg, and there is none on PATH; install it, or keep PNGs with --out "
                            "and the sound with --wav",
                            BAD_ARGUMENTS);
        }
    }
    handleSignals();

    displayConfig = DisplayConfig{options.width, options.height, 0,
                                  static_cast<float>(static_cast<double>(options.width) / options.height)};
    WindowContext window = {};
    window.display = &displayConfig;
    if (!openCaptureWindow(options.width, options.height, &window, &error)) {
        closeCaptureWindow(&window);
        return complain(error, BAD_ARGUMENTS);
    }
    if (!startDemo(LoadProgress{&window, ignoreProgress}, &displayConfig)) {
        closeCaptureWindow(&window);
        return complain("the demo's start-up failed", CAPTURE_FAILED);
    }

    CaptureOutputs outputs;
    VideoEncoder video;
    CaptureResult result;
    bool ok = prepareOutputs(options, &outputs, &error) == 1;
    if (ok && !options.videoPath.empty()) {
        ok = startVideoEncoder(ffmpeg, options.width, options.height, options.framesPerSecond,
                               outputs.videoFramesStaging, &video, &error) == 1;
    }
    ok = ok && runCapture(options, plan, &window, outputs, options.videoPath.empty() ? nullptr : &video, &result,
                          &error) == 1;
    ok = ok && finishOutputs(plan, result, ffmpeg, &video, &outputs, &error);
    if (!ok) {
        std::string ignored;
        finishVideoEncoder(&video, &ignored);
        discardOutputs(&outputs);
        closeCaptureWindow(&window);
        return complain(error, CAPTURE_FAILED);
    }
    closeCaptureWindow(&window);
    report(options, result, std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
    return 0;
}
